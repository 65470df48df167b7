// Replacing a file's whole content so that a crash, a full disk or a directory that
// cannot be written leaves the old file as it was: the bytes go to a temporary file
// beside it, which is renamed over the old one only once every byte is safely written.
#pragma once

#include "ResultadoEscritura.h"

#include <QByteArray>
#include <QString>

class QFileDevice;

// The two steps that can fail quietly on a full disk. Tests derive from it to act out
// a short write or a failing flush.
class EscritorArchivo {
public:
    virtual ~EscritorArchivo() = default;
    // Returns the count written, as QIODevice::write does.
    virtual qint64 Escribir(QFileDevice &archivo, const QByteArray &datos) const;
    // Pushes the written bytes to the operating system and then to the disk.
    virtual bool Vaciar(QFileDevice &archivo) const;
};

// Done only when `ruta` now holds exactly `datos`.
ResultadoEscritura ReemplazarArchivo(
    const QString &ruta, const QByteArray &datos, const EscritorArchivo &escritor = EscritorArchivo());
