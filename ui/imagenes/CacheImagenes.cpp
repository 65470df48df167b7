#include "CacheImagenes.h"

#include "MemoriaImagen.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char kMagia[8] = {'V', 'L', 'D', 'R', 'G', 'B', '3', '2'};
const QString kExtension = QStringLiteral(".rgb32");

struct Cabecera {
    char magia[8];
    qint32 ancho, alto, porLinea, reservado;
    qint64 tamFuente, mtimeFuenteNs;
};

// By stat(): QFileInfo keeps modification times to the millisecond only.
bool DatosDeFuente(const QString &fuente, qint64 &tam, qint64 &mtimeNs)
{
    struct stat st { };
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
    return CarpetaCacheImagenes() + QLatin1Char('/') + QLatin1String(clave) + kExtension;
}

bool LeerTodo(int fd, void *destino, size_t bytes, off_t desde)
{
    auto *p = static_cast<char *>(destino);
    while (bytes > 0) {
        const ssize_t n = pread(fd, p, bytes, desde);
        if (n <= 0)
            return false;
        p += n;
        bytes -= size_t(n);
        desde += n;
    }
    return true;
}

bool EscribirTodo(int fd, const void *origen, size_t bytes)
{
    const auto *p = static_cast<const char *>(origen);
    while (bytes > 0) {
        const ssize_t n = write(fd, p, bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        bytes -= size_t(n);
    }
    return true;
}

// Leaves room for one more copy: the oldest beyond the limit go.
void Podar(const QString &carpeta)
{
    const QFileInfoList copias = QDir(carpeta).entryInfoList(
        {QLatin1Char('*') + kExtension}, QDir::Files | QDir::System | QDir::Hidden, QDir::Time);
    for (qsizetype i = kCopiasCache - 1; i < copias.size(); ++i)
        QFile::remove(copias[i].absoluteFilePath());
}
}  // namespace

QString CarpetaCacheImagenes()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/Quorlan/Velunda");
}

QImage LeerCacheImagen(const QString &fuente, const QByteArray &contenido)
{
    qint64 tam = 0, mtime = 0;
    if (!DatosDeFuente(fuente, tam, mtime))
        return QImage();
    // Never a link, never a wait on a FIFO or a device: a plain file or nothing.
    const int fd = open(QFile::encodeName(ArchivoCache(fuente, contenido)).constData(),
        O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return QImage();
    QImage imagen;
    Cabecera c{};
    struct stat st { };
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && LeerTodo(fd, &c, sizeof c, 0)
        && std::memcmp(c.magia, kMagia, sizeof kMagia) == 0 && c.tamFuente == tam && c.mtimeFuenteNs == mtime
        && c.ancho > 0 && c.alto > 0 && qint64(c.porLinea) == qint64(c.ancho) * 4
        && st.st_size == qint64(sizeof c) + qint64(c.porLinea) * c.alto) {
        // Null beyond Qt's limit for a read picture: the header never chooses how much is taken.
        imagen = ImagenNueva(QSize(c.ancho, c.alto), QImage::Format_RGB32);
        if (imagen.isNull() || imagen.bytesPerLine() != c.porLinea
            || !LeerTodo(fd, imagen.bits(), size_t(imagen.sizeInBytes()), sizeof c))
            imagen = QImage();
    }
    close(fd);
    return imagen;
}

void GuardarCacheImagen(const QString &fuente, const QImage &imagen, const QByteArray &contenido)
{
    qint64 tam = 0, mtime = 0;
    const QString carpeta = CarpetaCacheImagenes();
    if (imagen.format() != QImage::Format_RGB32 || !DatosDeFuente(fuente, tam, mtime)
        || !QDir().mkpath(carpeta))
        return;
    Cabecera c{};
    std::memcpy(c.magia, kMagia, sizeof kMagia);
    c.ancho = imagen.width();
    c.alto = imagen.height();
    c.porLinea = c.ancho * 4;
    c.tamFuente = tam;
    c.mtimeFuenteNs = mtime;
    Podar(carpeta);
    // Written beside, then renamed over whatever was there: a reader sees one or the other,
    // whole. Not synced to disk first (as QSaveFile would, at the cost of a first start's
    // flush): a copy lost in a crash is only painted again, and a cut one fails its size check.
    const QString archivo = ArchivoCache(fuente, contenido);
    const QByteArray temporal = QFile::encodeName(
        archivo.chopped(kExtension.size()) + QStringLiteral(".%1.tmp").arg(getpid()) + kExtension);
    const int fd = open(
        temporal.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0)
        return;
    bool ok = EscribirTodo(fd, &c, sizeof c);
    for (int y = 0; ok && y < c.alto; ++y)
        ok = EscribirTodo(fd, imagen.constScanLine(y), size_t(c.porLinea));
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temporal.constData(), QFile::encodeName(archivo).constData()) != 0)
        unlink(temporal.constData());  // the old copy stays
}
