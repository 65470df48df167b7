#include "Escala.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {
// Room for the window manager's frame: a title bar and borders, in the desktop's units.
constexpr QSize kMarco{16, 40};
constexpr double kPaso = 0.25;  // steps a text and a picture stay sharp at
constexpr double kMenor = 0.5;
}  // namespace

double EscalaQueCabe(Ajustes::Tamano t, double escritorio, QSize disponible, QSize ventana)
{
    const double pedida = t == Ajustes::Tamano::Automatico ? escritorio : int(t) / 100.0;
    const double marcoAncho = kMarco.width() * escritorio, marcoAlto = kMarco.height() * escritorio;
    const double cabe = std::min((disponible.width() - marcoAncho) / ventana.width(),
        (disponible.height() - marcoAlto) / ventana.height());
    // The largest step that fits; a size asked for between steps is kept when it fits.
    const double escala = cabe >= pedida ? pedida : std::floor(cabe / kPaso) * kPaso;
    return std::max(escala, kMenor);
}

std::optional<QByteArray> FactorQtPendiente(const Ajustes &ajustes)
{
    const QScreen *pantalla = QGuiApplication::primaryScreen();
    if (!pantalla)
        return std::nullopt;
    const double actual = pantalla->devicePixelRatio();
    const QSize disponible = pantalla->availableGeometry().size() * actual;
    const double escala = EscalaQueCabe(ajustes.TamanoVentanas(), actual, disponible);
    if (std::abs(escala - actual) < 0.01)
        return std::nullopt;
    // Qt multiplies its own factor by the one it finds for the screen.
    bool hay = false;
    const double propio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&hay);
    return QByteArray::number((hay && propio > 0 ? propio : 1.0) * escala / actual);
}
