// Starts Velunda: the shared state, the services, the first window and the event loop.
#include "Aleatorio.h"
#include "Contexto.h"
#include "EstadoJuego.h"
#include "SonidoSDL.h"
#include "Web.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velunda"));
    QApplication::setOrganizationName(QStringLiteral("Quorlan"));

    EstadoJuego estado;
    SonidoSDL sonido;
    WebEscritorio web;
    GeneradorMersenne azar;
    Contexto ctx{estado, sonido, web, azar, QCoreApplication::applicationDirPath(), {}, {}};

    // Until the title menu exists the game opens straight on level 1 at NORMAL.
    estado.DificultadActual = Normal;
    auto *juego = new frmMain(ctx);
    juego->show();
    juego->juego().PrepararNivel(0);
    return app.exec();
}
