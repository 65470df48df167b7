#include "Apariencia.h"

#include "Web.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <cmath>

QString TituloVentana()
{
    //: Every window's title bar; %1 is the maker's web host.
    return QCoreApplication::translate(
        "Apariencia", "Velunda - A game by Quorlan! ( get more FREE GAMES at %1 )")
        .arg(HostWeb());
}

QFont FuenteVentana(double puntos, bool negrita, bool subrayada)
{
    // Liberation Sans is metric-compatible with Arial and narrower than DejaVu Sans, so the
    // captions keep fitting the fixed label sizes; the rest is the desktop's fallback.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(std::lround(puntos * 96.0 / 72.0)));
    f.setBold(negrita);
    f.setUnderline(subrayada);
    return f;
}

namespace {
QCursor CargarCursor(const QString &nombre, Qt::CursorShape sustituto)
{
    // On high-density screens the cursor drawn at twice the size keeps its edges sharp.
    const QString base = QStringLiteral(":/velunda/") + nombre;
    QPixmap p;
    if (qApp->devicePixelRatio() > 1.0 && p.load(base + QStringLiteral("@2x.png")))
        p.setDevicePixelRatio(2.0);
    else
        p.load(base + QStringLiteral(".png"));
    if (p.isNull())
        return QCursor(sustituto);
    return QCursor(p, 1, 1);  // the arrow's tip
}
}  // namespace

QCursor CursorFlecha()
{
    static const QCursor c = CargarCursor(QStringLiteral("cursor_flecha"), Qt::ArrowCursor);
    return c;
}

QCursor CursorMano()
{
    static const QCursor c = CargarCursor(QStringLiteral("cursor_mano"), Qt::PointingHandCursor);
    return c;
}

QColor ColorDe(int rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

QPixmap CargarImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad)
{
    const QString base = dirApp + QStringLiteral("/Data/") + nombre;
    if (densidad > 1.0) {
        QPixmap doble(base + QStringLiteral("@2x.jpg"));
        if (!doble.isNull()) {
            doble.setDevicePixelRatio(2.0);
            return doble;
        }
    }
    return QPixmap(base + QStringLiteral(".jpg"));
}

void AplicarApariencia(QWidget *ventana, int ancho, int alto, BotonesVentana botones)
{
    Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
    if (botones == BotonesVentana::CerrarYMinimizar)
        f |= Qt::WindowMinimizeButtonHint;
    ventana->setWindowFlags(f);
    ventana->setWindowTitle(TituloVentana());
    static const QIcon icono(QStringLiteral(":/velunda/icono.png"));
    ventana->setWindowIcon(icono);
    ventana->setCursor(CursorFlecha());
    ventana->setFixedSize(ancho, alto);
    ventana->setFont(FuenteVentana(8.25));
}

void PonerFondoOpaco(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}
