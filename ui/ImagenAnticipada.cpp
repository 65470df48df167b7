// The picture decoded ahead (see ImagenAnticipada.h).
#include "ImagenAnticipada.h"

#include "Apariencia.h"

#include <future>
#include <mutex>

namespace {
struct Anticipada {
    QString dirApp, nombre;
    bool doble = false;  // high density: the "@2x" file is the one wanted
    std::future<QImage> imagen;
};
std::mutex cerrojo;
Anticipada anticipada;
}  // namespace

void AnticiparImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad)
{
    std::lock_guard<std::mutex> l(cerrojo);
    if (anticipada.imagen.valid())
        anticipada.imagen.wait();  // one at a time
    anticipada.dirApp = dirApp;
    anticipada.nombre = nombre;
    anticipada.doble = densidad > 1.0;
    anticipada.imagen
        = std::async(std::launch::async, [=] { return LeerImagenDatos(dirApp, nombre, densidad); });
}

bool TomarImagenAnticipada(const QString &dirApp, const QString &nombre, qreal densidad, QImage &imagen)
{
    std::lock_guard<std::mutex> l(cerrojo);
    if (!anticipada.imagen.valid() || anticipada.dirApp != dirApp || anticipada.nombre != nombre
        || anticipada.doble != (densidad > 1.0))
        return false;
    imagen = anticipada.imagen.get();
    return true;
}
