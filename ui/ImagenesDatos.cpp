#include "ImagenesDatos.h"

#include "CacheImagenes.h"
#include "LeerJpeg.h"
#include "LeerPng.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <functional>
#include <future>
#include <map>
#include <sys/mman.h>
#include <vector>

namespace {
constexpr size_t kPaginaGrande = 2u << 20;
// Smaller pictures decode in less time than their cached copy would take to open.
constexpr qsizetype kMinimoCache = qsizetype(512) << 10;
// Marks a picture just decoded that is worth keeping: the file it came from.
const QString kGuardarComo = QStringLiteral("velunda-guardar-como");

// A picture the size of the window is 1.4 MB of fresh memory. Where each first touch of a
// 4 KB page is costly (page faults in a virtual machine took 8 ms for it here), one 2 MB huge
// page is faulted in at once. Where the kernel has none to give, these are the usual pages.
QImage ImagenEnPaginaGrande(QSize tam, QImage::Format formato)
{
    // A reader that could not read the header tells no format, or not one of QImage's.
    if (formato <= QImage::Format_Invalid || formato >= QImage::NImageFormats || !tam.isValid())
        return QImage();
    const qsizetype porLinea = ((qsizetype(tam.width()) * QImage::toPixelFormat(formato).bitsPerPixel() + 31) >> 5) << 2;
    const qsizetype bytes = porLinea * tam.height();
    // Small pictures are not worth a huge page; larger ones than one do not fit.
    if (bytes < qsizetype(kPaginaGrande / 2) || bytes > qsizetype(kPaginaGrande))
        return QImage();
    // Twice the size, to cut an aligned huge page out of it.
    void *zona = mmap(nullptr, 2 * kPaginaGrande, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (zona == MAP_FAILED)
        return QImage();
    const auto inicio = reinterpret_cast<uintptr_t>(zona);
    const uintptr_t alineado = (inicio + kPaginaGrande - 1) & ~uintptr_t(kPaginaGrande - 1);
    if (alineado > inicio)
        munmap(zona, alineado - inicio);
    munmap(reinterpret_cast<void *>(alineado + kPaginaGrande), inicio + kPaginaGrande - alineado);
    auto *datos = reinterpret_cast<uchar *>(alineado);
    madvise(datos, kPaginaGrande, MADV_HUGEPAGE);
    return QImage(datos, tam.width(), tam.height(), porLinea, formato, [](void *d) { munmap(d, kPaginaGrande); }, datos);
}

// With a format, the file is read as that format and no other image plugin is loaded.
QImage LeerArchivo(const QString &archivo, const QByteArray &formato = {})
{
    QImageReader lector(archivo, formato);
    lector.setAutoDetectImageFormat(formato.isEmpty());
    // The reader decodes into an image of the right size and format it is handed.
    QImage imagen = ImagenEnPaginaGrande(lector.size(), lector.imageFormat());
    if (!lector.read(&imagen))
        return QImage();
    return imagen;
}

// The game's own pictures: with libpng, else with Qt's reader as the format their names end with.
QImage LeerPropia(const QString &archivo)
{
    QImage imagen = LeerPng(archivo);
    return imagen.isNull() ? LeerArchivo(archivo, QFileInfo(archivo).suffix().toLatin1()) : imagen;
}

// The Data pictures are JPEG files, read without Qt's plugins: this may run before the
// application object exists. A large one is decoded once, then taken from the cache.
QImage LeerJpegDatos(const QString &archivo)
{
    QImage imagen = LeerCacheImagen(archivo);
    if (!imagen.isNull())
        return imagen;
    imagen = LeerJpeg(archivo, ImagenEnPaginaGrande);
    // Kept once it is on screen (CargarImagenDatos), so the first start does not wait for it.
    if (imagen.sizeInBytes() >= kMinimoCache)
        imagen.setText(kGuardarComo, archivo);
    return imagen;
}

// `base`.jpg, or on high-density screens the sharper `base`@2x.jpg when it is there.
QImage LeerImagenDatos(const QString &base, qreal densidad, QImage (*leer)(const QString &) = LeerJpegDatos)
{
    if (densidad > 1.0) {
        QImage doble = leer(base + QStringLiteral("@2x.jpg"));
        if (!doble.isNull()) {
            doble.setDevicePixelRatio(2.0);
            return doble;
        }
    }
    return leer(base + QStringLiteral(".jpg"));
}

// The pictures read ahead, by key (a path, or a Data picture at a density); each is taken once.
std::map<QString, std::shared_future<QImage>> &Adelantadas()
{
    static std::map<QString, std::shared_future<QImage>> m;
    return m;
}

// The picture read ahead under `clave`, or `leer()` now if there is none.
template <class Leer> QImage Tomar(const QString &clave, Leer leer)
{
    auto &m = Adelantadas();
    const auto it = m.find(clave);
    if (it == m.end())
        return leer();
    QImage imagen = it->second.get();
    m.erase(it);  // the picture's only holder from here: a pixmap takes it without a copy
    return imagen;
}

// Reads the pictures in turn on one worker thread, each under its key. QImage, unlike
// QPixmap, may be made away from the main thread. (A thread of its own, with a promise per
// picture: measured here, a std::async that returns the picture itself began up to 1.5 ms
// later, most of the title's head start.)
void Adelantar(std::vector<std::pair<QString, std::function<QImage()>>> trabajos)
{
    std::vector<std::promise<QImage>> promesas(trabajos.size());
    for (size_t i = 0; i < trabajos.size(); ++i)
        Adelantadas()[trabajos[i].first] = promesas[i].get_future().share();
    // Kept until exit, which waits for the reading to end.
    static std::vector<std::future<void>> hilos;
    hilos.push_back(std::async(std::launch::async, [trabajos = std::move(trabajos), promesas = std::move(promesas)]() mutable {
        for (size_t i = 0; i < trabajos.size(); ++i)
            promesas[i].set_value(trabajos[i].second());
    }));
}

// The cached copies being written; exit waits for them.
std::vector<std::future<void>> &Guardados()
{
    static std::vector<std::future<void>> g;
    return g;
}

void Guardar(const QString &fuente, const QPixmap &pixmap, const QByteArray &contenido = {})
{
    // Written on a thread of its own from the pixmap's own pixels (shared, not copied).
    Guardados().push_back(std::async(std::launch::async,
        [fuente, contenido, pixeles = pixmap.toImage()] { GuardarCacheImagen(fuente, pixeles, contenido); }));
}

QString Base(const QString &dirApp, const QString &nombre) { return dirApp + QStringLiteral("/Data/") + nombre; }
QString PrefijoClave(const QString &base) { return base + QStringLiteral(" @"); }
QString ClaveDatos(const QString &base, qreal densidad) { return PrefijoClave(base) + QString::number(densidad); }
}  // namespace

void AnticiparImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad)
{
    const QString base = Base(dirApp, nombre);
    Adelantar({{ClaveDatos(base, densidad), [base, densidad] { return LeerImagenDatos(base, densidad); }}});
}

QPixmap CargarImagenPintada(
    const QByteArray &contenido, qreal densidad, const std::function<QImage()> &pintar)
{
    // Tied to the program file: another build paints it anew.
    const QString programa = QCoreApplication::applicationFilePath();
    QImage imagen = LeerCacheImagen(programa, contenido);
    const bool nueva = imagen.isNull();
    if (nueva)
        imagen = pintar().convertToFormat(QImage::Format_RGB32);  // the cache keeps RGB32
    imagen.setDevicePixelRatio(densidad);
    QPixmap pixmap = QPixmap::fromImage(std::move(imagen));
    if (nueva)
        Guardar(programa, pixmap, contenido);
    return pixmap;
}

QPixmap CargarImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad)
{
    const QString base = Base(dirApp, nombre);
    QImage imagen = Tomar(ClaveDatos(base, densidad), [&] { return LeerImagenDatos(base, densidad); });
    // The same picture read ahead at another density is not wanted now (by then it is read).
    auto &m = Adelantadas();
    const QString prefijo = PrefijoClave(base);
    for (auto it = m.lower_bound(prefijo); it != m.end() && it->first.startsWith(prefijo);)
        it = m.erase(it);
    // What libjpeg would not read, Qt's readers may (a CMYK JPEG, say).
    if (imagen.isNull())
        imagen = LeerImagenDatos(base, densidad, [](const QString &a) { return LeerArchivo(a); });
    const QString guardarComo = imagen.text(kGuardarComo);
    QPixmap pixmap = QPixmap::fromImage(std::move(imagen));
    if (!guardarComo.isEmpty())
        Guardar(guardarComo, pixmap);
    return pixmap;
}

void EsperarCacheImagenes()
{
    for (auto &g : Guardados())
        g.wait();
    Guardados().clear();
}

void AnticiparImagenes(const QStringList &archivos)
{
    std::vector<std::pair<QString, std::function<QImage()>>> trabajos;
    for (const QString &a : archivos)
        trabajos.emplace_back(a, [a] { return LeerPng(a); });
    Adelantar(std::move(trabajos));
}

QImage TomarImagen(const QString &archivo)
{
    // Not read ahead, or not by libpng: read now, by Qt's reader if need be.
    const QImage imagen = Tomar(archivo, [] { return QImage(); });
    return imagen.isNull() ? LeerPropia(archivo) : imagen;
}
