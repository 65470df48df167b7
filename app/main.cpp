// Starts Velunda: the shared state, the services, the title menu and the event loop.
#include "Aleatorio.h"
#include "Contexto.h"
#include "EstadoJuego.h"
#include "Salida.h"
#include "SonidoSDL.h"
#include "Web.h"
#include "frmHOF.h"
#include "frmIntro.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velunda"));
    QApplication::setOrganizationName(QStringLiteral("Quorlan"));
    // The quit question is the only way out; hiding the menu behind a game is not one.
    QApplication::setQuitOnLastWindowClosed(false);

    EstadoJuego estado;
    SonidoSDL sonido;
    WebEscritorio web;
    GeneradorMersenne azar;
    Contexto ctx{estado, sonido, web, azar, QCoreApplication::applicationDirPath(), {}, {}};
    ctx.terminar = [] { TerminarPrograma(); };

    frmIntro menu(ctx);  // sets ctx.mostrarMenu
    ctx.abrirRecords = [&ctx, &menu] { AbrirRecords(ctx, &menu); };
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorlan.Velunda"));
    menu.show();
    return app.exec();
}
