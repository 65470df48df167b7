#include "LeerPng.h"

#include "LimiteImagenes.h"

#include <QFile>
#include <png.h>

QImage LeerPng(const QString &archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray datos = f.readAll();
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, datos.constData(), size_t(datos.size())))
        return QImage();
    // Other kinds Qt reads into other formats; those are left to it.
    QImage imagen;
    if (png.format == PNG_FORMAT_RGBA && DentroDelLimite(qint64(png.width) * png.height * 4))
        imagen = QImage(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (imagen.isNull()) {
        png_image_free(&png);
        return QImage();
    }
    // Straight into ARGB32's byte order: blue, green, red, alpha on a little-endian machine.
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    if (!png_image_finish_read(&png, nullptr, imagen.bits(), png_int_32(imagen.bytesPerLine()), nullptr))
        return QImage();  // libpng has freed what it held
    return imagen;
}
