// What every window is handed: the shared game state and the services behind the screens,
// plus the two ways back that the game screen needs (menu, high scores) and the way out.
#pragma once

#include "Aleatorio.h"
#include "EstadoJuego.h"
#include "RutaHOF.h"
#include "Sonido.h"
#include "Web.h"

#include <QString>
#include <functional>

class Ajustes;
class Historial;
class QWidget;

struct Contexto {
    EstadoJuego &estado;
    Sonido &sonido;
    Web &web;
    GeneradorUniforme &azar;
    // The folder that holds Data/: the program's own, or the shared data folder of an
    // installed game.
    QString dirApp;

    std::function<void()> mostrarMenu;   // title menu back on screen, difficulty panel hidden
    std::function<void()> abrirRecords;  // high-score screen, modal over the menu
    // Ends the program at once, no window's close handling run (the quit answer Yes).
    // Initialised so that contexts built without it stay warning-free.
    std::function<void()> terminar{};
    // The player's settings; without them every comfort keeps its default.
    Ajustes *ajustes = nullptr;
    // Title menu shown and brought forward just as it was (the high-score screen's OK).
    std::function<void()> traerMenu{};
    // Whether the high-score table may be kept in Data/. An installed game's Data/ is shared
    // and owned by the package manager, so even root keeps the table in the per-user copy.
    PruebaEscritura datosEscribibles = &DirectorioEscribible;
    // The player's history for this run; null when none is kept.
    Historial *historial = nullptr;
    // The progress window, modal over the given window. The game loads it from its module;
    // without it the menu's key and the high-score button do nothing.
    std::function<void(QWidget *)> abrirProgreso{};
    // The interference check-up, modal over the given window, from the same module.
    std::function<void(QWidget *)> abrirChequeo{};
};

// Opens the maker's page, as every web hotspot does.
inline void AbrirWeb(Contexto &ctx) { ctx.web.Abrir(DireccionWeb()); }
