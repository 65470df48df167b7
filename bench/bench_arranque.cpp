// velunda_bench_arranque: starts the game as main() does and reports the wall-clock moment
// the title menu first painted and the peak memory so far, then quits. bench/run.sh takes the
// difference to its launch time and sets it beside the floor program (suelo.cpp).
// With --llenar-cache it stays up a moment instead, as a player's first start does, so that
// the decoded title is kept for the starts that follow.
//
// Built twice more, each without one of the game's start-up savings, so that bench/run.sh can
// weigh each saving alone against the same game: VELUNDA_SONIDO_ENLAZADO links the cue player
// (OpenAL, libmpg123) into the program instead of loading its module after the menu is up;
// VELUNDA_PROGRESO_ENLAZADO links the progress window (Qt Charts) instead of loading its module
// when it is first opened; VELUNDA_PAGINAS_PEQUENAS keeps the large pictures in ordinary 4 kB
// pages.
#include "AlPintar.h"
#include "Arranque.h"
#include "EntornoQt.h"
#include "ImagenesDatos.h"
#include "MemoriaImagen.h"
#include "frmIntro.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#ifdef VELUNDA_SONIDO_ENLAZADO
#include "SonidoConmutable.h"
#include "SonidoOpenAL.h"
#endif
#ifdef VELUNDA_PROGRESO_ENLAZADO
#include "frmProgreso.h"
#endif

int main(int argc, char **argv)
{
    PrepararEntornoQt();
#ifdef VELUNDA_PAGINAS_PEQUENAS
    UsarPaginasGrandes(false);
#endif
    QApplication app(argc, argv);
    AlPintar filtro;
    PiezasJuego piezas;
#ifdef VELUNDA_SONIDO_ENLAZADO
    Ajustes ajustes;
    SonidoOpenAL openal;
    SonidoConmutable sonido(
        openal, ajustes, QCoreApplication::applicationDirPath(), [&openal] { openal.Cerrar(); });
    piezas.sonido = &sonido;
#endif
    Velunda juego(piezas);
#ifdef VELUNDA_PROGRESO_ENLAZADO
    juego.Ctx().abrirProgreso = [&juego](QWidget *padre) { AbrirProgreso(juego.Ctx(), padre); };
#endif
    if (argc > 1 && qstrcmp(argv[1], "--llenar-cache") == 0)
        // exit(), not quit(): quit() closes the windows first, and the menu answers a close with the
        // quit question.
        QTimer::singleShot(4 * kEsperaGuardarCacheMs, &app, [] { QCoreApplication::exit(0); });
    else
        juego.Menu().installEventFilter(&filtro);
    juego.Mostrar();
    return app.exec();
}
