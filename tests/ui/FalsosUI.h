// Test doubles for the windows: a web opener that only remembers the addresses it was asked
// for, and a comparison of cursors by their pictures.
#pragma once

#include "Web.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QStringList>

class WebFalsa : public Web {
public:
    QStringList pedidas;
    void Abrir(const QString &d) override { pedidas << d; }
};

inline bool MismoCursor(const QCursor &a, const QCursor &b)
{
    if (a.shape() != b.shape())
        return false;
    if (a.shape() != Qt::BitmapCursor)
        return true;
    return a.hotSpot() == b.hotSpot() && a.pixmap().toImage() == b.pixmap().toImage();
}
