#include "LeerJpeg.h"

#include "LimiteImagenes.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <memory>

namespace {
struct ErrorJpeg {
    jpeg_error_mgr base;
    std::jmp_buf salto;
};

[[noreturn]] void Fallar(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJpeg *>(info->err)->salto, 1); }
void Callar(j_common_ptr) {}  // warnings, such as a file cut short, are not the player's business

struct Descompresor {
    jpeg_decompress_struct info{};
    ErrorJpeg error{};
    Descompresor()
    {
        info.err = jpeg_std_error(&error.base);
        error.base.error_exit = Fallar;
        error.base.output_message = Callar;
        jpeg_create_decompress(&info);
    }
    ~Descompresor() { jpeg_destroy_decompress(&info); }
    Descompresor(const Descompresor &) = delete;
    Descompresor &operator=(const Descompresor &) = delete;
};

// libjpeg reports errors by a long jump: the two steps below hold no object with a
// destructor, and the image they fill lives in the caller.
bool Empezar(Descompresor &d, std::FILE *archivo)
{
    if (setjmp(d.error.salto))
        return false;
    jpeg_stdio_src(&d.info, archivo);
    jpeg_read_header(&d.info, TRUE);
    if (d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK)
        return false;
    // Straight into QImage's RGB32 layout, with the alpha byte set to 0xff.
    d.info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&d.info);
    return true;
}

bool Volcar(Descompresor &d, uchar *bits, qsizetype porLinea)
{
    if (setjmp(d.error.salto))
        return false;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW fila = bits + porLinea * d.info.output_scanline;
        jpeg_read_scanlines(&d.info, &fila, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}
}  // namespace

QImage LeerJpeg(const QString &archivo, ReservarImagen reservar)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> f(std::fopen(QFile::encodeName(archivo).constData(), "rb"), std::fclose);
    if (!f)
        return QImage();
    Descompresor d;
    if (!Empezar(d, f.get()))
        return QImage();
    const QSize tam(int(d.info.output_width), int(d.info.output_height));
    if (!DentroDelLimite(qint64(tam.width()) * tam.height() * 4))
        return QImage();
    QImage imagen = reservar ? reservar(tam, QImage::Format_RGB32) : QImage();
    if (imagen.isNull())
        imagen = QImage(tam, QImage::Format_RGB32);
    if (imagen.isNull() || !Volcar(d, imagen.bits(), imagen.bytesPerLine()))
        return QImage();
    return imagen;
}
