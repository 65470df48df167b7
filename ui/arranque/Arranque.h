// The game assembled: the settings, the state, the services behind the screens, the history
// and the title menu, wired as the player gets them. main() starts exactly this; so do the
// benchmarks, the screenshot tool and the tests that play whole games, with the few parts
// they must replace.
#pragma once

#include "Contexto.h"

#include <QString>
#include <memory>

class frmIntro;

// What a caller other than main() may replace; an empty field keeps the game's own.
struct PiezasJuego {
    // The folder that holds Data/ in the install layout, seen from the program's folder
    // (a Data/ beside the program always wins).
    QString datosDesdePrograma{};
    QString dirApp{};        // the folder that holds Data/, instead of looking for it
    QString rutaHistorial{};  // the history file, instead of the player's own
    Sonido *sonido = nullptr;
    Web *web = nullptr;
    GeneradorUniforme *azar = nullptr;
    // Asks the desktop about reduced motion a moment after the menu is up.
    bool preguntarEscritorio = true;
};

class Velunda {
public:
    // Needs the application object; loads the system's language first.
    explicit Velunda(PiezasJuego piezas = {});
    ~Velunda();
    Velunda(const Velunda &) = delete;
    Velunda &operator=(const Velunda &) = delete;

    // Shows the title menu, then, a moment later, loads the cue player and asks the desktop.
    void Mostrar();
    frmIntro &Menu();
    Contexto &Ctx();

private:
    struct Partes;
    std::unique_ptr<Partes> p_;
};
