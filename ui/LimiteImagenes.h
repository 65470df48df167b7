// How large a picture may be: Qt's readers refuse one over QImageReader::allocationLimit()
// (128 MB unless the player or the program changed it; 0 lifts it), and so do the game's own
// readers and its picture cache.
#pragma once

#include <QImageReader>

inline bool DentroDelLimite(qint64 bytes)
{
    const int megas = QImageReader::allocationLimit();
    return megas <= 0 || bytes <= (qint64(megas) << 20);
}
