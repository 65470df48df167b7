// Reads a JPEG file with libjpeg itself rather than through Qt's image plugins: it needs no
// plugin search or load, and no application object, so the title can be decoded on a worker
// thread from the first moment of start-up. The pixels are those Qt's own reader gives.
#pragma once

#include <QImage>
#include <QString>

// The picture as RGB32, or null when the file is missing, is not a JPEG this reader takes
// (CMYK, say: Qt's reader may still read it), or would exceed Qt's own allocation limit.
// `reservar`, when given, makes the image to decode into (in a huge page, say); when it makes
// none, an ordinary one is made.
using ReservarImagen = QImage (*)(QSize tam, QImage::Format formato);
QImage LeerJpeg(const QString &archivo, ReservarImagen reservar = nullptr);
