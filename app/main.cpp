// Starts Velunda: what Qt needs before it starts, the game assembled, the event loop.
#include "Arranque.h"
#include "EntornoQt.h"
#include "frmIntro.h"

#include <QApplication>

int main(int argc, char **argv)
{
    PrepararEntornoQt();
    QApplication app(argc, argv);
    // VELUNDA_DATOS_INSTALADOS: where the install layout puts Data/, seen from the program.
    Velunda juego({QStringLiteral(VELUNDA_DATOS_INSTALADOS)});
    juego.Mostrar();
    return app.exec();
}
