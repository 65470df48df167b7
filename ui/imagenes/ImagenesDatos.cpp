#include "ImagenesDatos.h"

#include "CacheImagenes.h"
#include "MemoriaImagen.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QTimer>
#include <utility>
#include <vector>

namespace {
// Smaller pictures decode in less time than their cached copy would take to read.
constexpr qsizetype kMinimoCache = qsizetype(512) << 10;

struct Pendiente {
    QString fuente;
    QImage imagen;
    QByteArray contenido;
};
std::vector<Pendiente> &Pendientes()
{
    static std::vector<Pendiente> pendientes;
    return pendientes;
}

// A decoded picture is kept a moment after it is read, once its window is up: a first start
// waits for the decoding only, never for the writing.
void GuardarLuego(const QString &fuente, const QImage &imagen, const QByteArray &contenido = {})
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        GuardarCacheImagen(fuente, imagen, contenido);
        return;
    }
    QTimer::singleShot(kEsperaGuardarCacheMs, app, &GuardarCachePendiente);
    Pendientes().push_back({fuente, imagen, contenido});
}

// Read as the format named, so that no other image plugin is loaded to be asked about it.
QImage Leer(const QString &archivo, const char *formato)
{
    QImageReader lector(archivo, formato);
    lector.setAutoDetectImageFormat(false);
    // Decoded straight into memory of our choosing: the readers fill a picture of the right
    // size and format in place.
    QImage imagen = ImagenNueva(lector.size(), lector.imageFormat());
    if (!lector.read(&imagen))
        return QImage();
    return imagen;
}

// A Data picture: the cached copy if there is one that matches the file, else the file.
QImage LeerDatos(const QString &archivo, const char *formato)
{
    QImage imagen = LeerCacheImagen(archivo);
    if (!imagen.isNull())
        return imagen;
    imagen = Leer(archivo, formato);
    if (imagen.isNull())  // not of its kind after all: any reader Qt has
        imagen = QImage(archivo);
    if (imagen.sizeInBytes() >= kMinimoCache) {
        imagen = imagen.convertToFormat(QImage::Format_RGB32);
        GuardarLuego(archivo, imagen);
    }
    return imagen;
}
}  // namespace

QPixmap CargarImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad, FormatoDatos formato)
{
    const bool png = formato == FormatoDatos::Png;
    const char *lector = png ? "png" : "jpeg";
    const QString extension = png ? QStringLiteral(".png") : QStringLiteral(".jpg");
    const QString base = dirApp + QStringLiteral("/Data/") + nombre;
    if (densidad > 1.0) {
        QImage doble = LeerDatos(base + QStringLiteral("@2x") + extension, lector);
        if (!doble.isNull()) {
            doble.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(std::move(doble));
        }
    }
    return QPixmap::fromImage(LeerDatos(base + extension, lector));
}

QPixmap CargarImagenPintada(
    const QByteArray &contenido, qreal densidad, const std::function<QImage()> &pintar)
{
    // Tied to the program file: another build paints it anew.
    const QString programa = QCoreApplication::applicationFilePath();
    QImage imagen = LeerCacheImagen(programa, contenido);
    if (imagen.isNull()) {
        imagen = pintar().convertToFormat(QImage::Format_RGB32);  // the cache keeps RGB32
        GuardarLuego(programa, imagen, contenido);
    }
    imagen.setDevicePixelRatio(densidad);
    return QPixmap::fromImage(std::move(imagen));
}

void GuardarCachePendiente()
{
    for (const Pendiente &p : std::exchange(Pendientes(), {}))
        GuardarCacheImagen(p.fuente, p.imagen, p.contenido);
}

QImage LeerImagenPropia(const QString &archivo) { return Leer(archivo, "png"); }
