#include "CacheImagenes.h"

#include "LimiteImagenes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The file: this header, then the pixels from the next page on, so they can be mapped.
constexpr char kMagia[8] = {'V', 'L', 'D', 'R', 'G', 'B', '3', '2'};
constexpr qint64 kInicioPixeles = 4096;

struct Cabecera {
    char magia[8];
    qint32 ancho, alto, porLinea, reservado;
    qint64 tamFuente, mtimeFuenteNs;
};

// By stat(): QFileInfo keeps modification times to the millisecond only.
bool DatosDeFuente(const QString &fuente, qint64 &tam, qint64 &mtimeNs)
{
    struct stat st {};
    if (stat(QFile::encodeName(fuente).constData(), &st) != 0)
        return false;
    tam = st.st_size;
    mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

QString ArchivoCache(const QString &fuente, const QByteArray &contenido)
{
    const QByteArray nombre
        = contenido.isEmpty() ? QFile::encodeName(QFileInfo(fuente).absoluteFilePath()) : contenido;
    const QByteArray clave = QCryptographicHash::hash(nombre, QCryptographicHash::Sha1).toHex();
    return CarpetaCacheImagenes() + QLatin1Char('/') + QLatin1String(clave) + QStringLiteral(".rgb32");
}
}  // namespace

QString CarpetaCacheImagenes()
{
    // Built by hand: the application's own cache location is known only once it exists.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Quorlan/Velunda");
}

QImage LeerCacheImagen(const QString &fuente, const QByteArray &contenido)
{
    qint64 tam = 0, mtime = 0;
    if (!DatosDeFuente(fuente, tam, mtime))
        return QImage();
    const int fd = open(QFile::encodeName(ArchivoCache(fuente, contenido)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QImage();
    Cabecera c{};
    struct stat st {};
    const bool valida = pread(fd, &c, sizeof c, 0) == ssize_t(sizeof c) && fstat(fd, &st) == 0
        && std::memcmp(c.magia, kMagia, sizeof kMagia) == 0 && c.tamFuente == tam && c.mtimeFuenteNs == mtime
        && c.ancho > 0 && c.alto > 0 && qint64(c.porLinea) == qint64(c.ancho) * 4
        && DentroDelLimite(qint64(c.porLinea) * c.alto)
        && st.st_size == kInicioPixeles + qint64(c.porLinea) * c.alto;
    void *pixeles = MAP_FAILED;
    const size_t bytes = valida ? size_t(c.porLinea) * size_t(c.alto) : 0;
    // Private and writable: the picture is the image's own (a pixmap takes it without a copy),
    // and nothing ever goes back to the file. The copy is only ever replaced whole (renamed
    // over), never cut short under a running game.
    if (valida)
        pixeles = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, kInicioPixeles);
    close(fd);
    if (pixeles == MAP_FAILED)
        return QImage();
    struct Mapa {
        void *p;
        size_t n;
    };
    return QImage(static_cast<uchar *>(pixeles), c.ancho, c.alto, c.porLinea, QImage::Format_RGB32,
        [](void *info) {
            const auto *m = static_cast<Mapa *>(info);
            munmap(m->p, m->n);
            delete m;
        },
        new Mapa{pixeles, bytes});
}

void GuardarCacheImagen(const QString &fuente, const QImage &imagen, const QByteArray &contenido)
{
    qint64 tam = 0, mtime = 0;
    if (imagen.format() != QImage::Format_RGB32 || !DatosDeFuente(fuente, tam, mtime)
        || !QDir().mkpath(CarpetaCacheImagenes()))
        return;
    Cabecera c{};
    std::memcpy(c.magia, kMagia, sizeof kMagia);
    c.ancho = imagen.width();
    c.alto = imagen.height();
    c.porLinea = c.ancho * 4;
    c.tamFuente = tam;
    c.mtimeFuenteNs = mtime;
    QByteArray cabecera(kInicioPixeles, '\0');
    std::memcpy(cabecera.data(), &c, sizeof c);
    // Written beside, then renamed over the old copy: a reader sees one or the other, whole.
    QSaveFile f(ArchivoCache(fuente, contenido));
    if (!f.open(QIODevice::WriteOnly) || f.write(cabecera) != cabecera.size())
        return;
    for (int y = 0; y < c.alto; ++y)
        f.write(reinterpret_cast<const char *>(imagen.constScanLine(y)), c.porLinea);
    f.commit();
}
