#include "MemoriaImagen.h"

#include <QImageReader>
#include <cstdlib>
#include <sys/mman.h>

namespace {
constexpr std::size_t kPaginaGrande = std::size_t(2) << 20;
bool usarGrandes = true;

void Liberar(void *memoria) { std::free(memoria); }
}  // namespace

void UsarPaginasGrandes(bool usar) { usarGrandes = usar; }

QImage ImagenNueva(QSize tam, QImage::Format formato)
{
    const QImage muestra(1, 1, formato);
    const qsizetype porLinea = ((qsizetype(tam.width()) * muestra.depth() + 31) / 32) * 4;
    const qsizetype bytes = porLinea * tam.height();
    const qsizetype limite = qsizetype(QImageReader::allocationLimit()) << 20;  // 0: none
    if (tam.isEmpty() || muestra.isNull() || (limite > 0 && bytes > limite))
        return QImage();
    // Under half a large page there is little to save and half a page to lose.
    if (!usarGrandes || bytes < qsizetype(kPaginaGrande / 2))
        return QImage(tam, formato);
    const std::size_t reservado = (std::size_t(bytes) + kPaginaGrande - 1) / kPaginaGrande * kPaginaGrande;
    void *memoria = std::aligned_alloc(kPaginaGrande, reservado);
    if (!memoria)
        return QImage(tam, formato);
    // A hint only: where large pages are off, the buffer is taken page by page as before.
    madvise(memoria, reservado, MADV_HUGEPAGE);
    QImage imagen(
        static_cast<uchar *>(memoria), tam.width(), tam.height(), porLinea, formato, Liberar, memoria);
    if (imagen.isNull())
        std::free(memoria);
    return imagen;
}
