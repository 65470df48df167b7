// velunda_bench_arranque: starts the game as main() does and reports the wall-clock moment
// the title menu first painted and the peak memory so far, then quits. bench/run.sh takes the
// difference to its launch time and sets it beside the floor program (suelo.cpp).
#include "AlPintar.h"
#include "Arranque.h"
#include "EntornoQt.h"
#include "frmIntro.h"

#include <QApplication>

int main(int argc, char **argv)
{
    PrepararEntornoQt();
    QApplication app(argc, argv);
    AlPintar filtro;
    Velunda juego;
    juego.Menu().installEventFilter(&filtro);
    juego.Mostrar();
    return app.exec();
}
