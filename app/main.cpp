// Starts Velunda: the shared state, the services, the title menu and the event loop.
#include "Ajustes.h"
#include "Aleatorio.h"
#include "AtajoSonido.h"
#include "Contexto.h"
#include "DeseoEscritorio.h"
#include "EstadoJuego.h"
#include "Historial.h"
#include "Salida.h"
#include "SonidoConmutable.h"
#include "SonidoSDL.h"
#include "Web.h"
#include "frmHOF.h"
#include "frmIntro.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velunda"));
    QApplication::setOrganizationName(QStringLiteral("Quorlan"));
    // The quit question is the only way out; hiding the menu behind a game is not one.
    QApplication::setQuitOnLastWindowClosed(false);

    Ajustes ajustes;  // the user's settings file, named after the names above
    EstadoJuego estado;
    SonidoSDL sdl;
    SonidoConmutable sonido(sdl, ajustes, [&sdl] { sdl.Cerrar(); });
    WebEscritorio web;
    GeneradorMersenne azar;
    Contexto ctx{estado, sonido, web, azar, QCoreApplication::applicationDirPath(), {}, {}};
    ctx.terminar = [] { TerminarPrograma(); };
    ctx.ajustes = &ajustes;
    AtajoSonido atajo(ajustes);
    app.installEventFilter(&atajo);
    Historial historial(RutaHistorial());  // opens its file on the first level played
    ctx.historial = &historial;

    frmIntro menu(ctx);  // sets ctx.mostrarMenu
    ctx.abrirRecords = [&ctx, &menu] { AbrirRecords(ctx, &menu); };
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorlan.Velunda"));
    menu.show();
    // Asked a moment after the menu is up, so start-up never waits for the desktop.
    QTimer::singleShot(1000, &ajustes,
        [&ajustes] { PreguntarDeseoCalma([&ajustes](bool d) { ajustes.PonerDeseoCalma(d); }); });
    return app.exec();
}
