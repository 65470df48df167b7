// Starts Velunda: what Qt needs before it starts, the game assembled, the event loop.
#include "Ajustes.h"
#include "Arranque.h"
#include "EntornoQt.h"
#include "Escala.h"
#include "frmIntro.h"

#include <QApplication>
#include <algorithm>
#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    PrepararEntornoQt();
    // Qt takes its own options (-platform ...) out of argv: a second start needs them again.
    const std::vector<char *> original(argv, argv + argc + 1);
    const int argcOriginal = argc;
    auto app = std::make_unique<QApplication>(argc, argv);
    // The player's size, or a desktop scale too large for the screen: Qt takes its scale only
    // as it starts, so it is started again before any window is made.
    NombrarPrograma();
    if (const auto factor = FactorQtPendiente(Ajustes())) {
        app.reset();
        qputenv("QT_SCALE_FACTOR", *factor);
        argc = argcOriginal;
        std::copy(original.begin(), original.end(), argv);
        app = std::make_unique<QApplication>(argc, argv);
    }
    // VELUNDA_DATOS_INSTALADOS: where the install layout puts Data/, seen from the program.
    Velunda juego({QStringLiteral(VELUNDA_DATOS_INSTALADOS)});
    juego.Mostrar();
    return app->exec();
}
