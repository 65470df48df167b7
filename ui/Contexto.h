// What every window is handed: the shared game state and the services behind the screens,
// plus the two ways back that the game screen needs (menu, high scores) and the way out.
#pragma once

#include "Aleatorio.h"
#include "EstadoJuego.h"
#include "Sonido.h"

#include <QString>
#include <functional>

class Ajustes;
class Historial;
class Web;

struct Contexto {
    EstadoJuego &estado;
    Sonido &sonido;
    Web &web;
    GeneradorUniforme &azar;
    QString dirApp;  // the folder holding the program; Data/ lies beside it

    std::function<void()> mostrarMenu;   // title menu back on screen, difficulty panel hidden
    std::function<void()> abrirRecords;  // high-score screen, modal over the menu
    // Ends the program at once, no window's close handling run (the quit answer Yes).
    // Initialised so that contexts built without it stay warning-free.
    std::function<void()> terminar{};
    // The player's settings; without them every comfort keeps its default.
    Ajustes *ajustes = nullptr;
    // The player's history for this run; null when none is kept.
    Historial *historial = nullptr;
};
