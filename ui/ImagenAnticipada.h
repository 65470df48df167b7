// A picture of the Data folder decoded on a worker thread while the program is still
// starting (the title picture, read while Qt sets up fonts, style and window), so the title
// menu finds it ready instead of decoding it on the way to its first paint. One picture at
// a time; whoever asks for it with the same name and density takes it.
#pragma once

#include <QImage>
#include <QString>

// Starts decoding what CargarImagenDatos would read for this name and density.
void AnticiparImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad);

// The picture started for these arguments, waiting for it to finish; false when none was
// started for them (or it was taken already).
bool TomarImagenAnticipada(const QString &dirApp, const QString &nombre, qreal densidad, QImage &imagen);
