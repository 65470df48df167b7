// What the progress window shows, read from the history in one go: each game's highest
// level (oldest game first), the best and average seconds per match of every level, the
// totals, and what trips the player: wrong clicks by word and ink, the pace of right clicks
// by colours in play and by words on the board, and the best of each difficulty.
#pragma once

#include "EstadoJuego.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr int kNivelesHistorial = 50;
constexpr int kDificultadesHistorial = 4;

struct tPuntoPartida {
    int Dificultad = 0;
    int NivelMaximo = 1;
    bool Relajada = false;  // played at ten times the time
};

// Seconds per match over the finished plays of one level; Veces 0 when never finished.
struct tMarcaNivel {
    int Veces = 0;
    double Mejor = 0;
    double Media = 0;
};

// The median milliseconds of the right clicks made with `Valor` colours (or words) in play.
struct tPuntoRitmo {
    int Valor = 0;
    double MedianaMs = 0;
    int Veces = 0;
};

struct tMejorDificultad {
    int Partidas = 0;
    int32_t MejorTotal = 0;
    int NivelMaximo = 0;
};

// Wrong clicks counted by the word clicked (first index) and the ink it was printed in.
using tTablaFallos = std::array<std::array<int, kNumColores>, kNumColores>;

struct tResumenHistorial {
    std::vector<tPuntoPartida> Partidas;  // oldest first
    std::array<tMarcaNivel, kNivelesHistorial> Niveles{};
    int PartidasJugadas = 0;
    int NivelesSuperados = 0;
    int ClicsErroneos = 0;
    int TiemposAgotados = 0;
    int32_t MejorTotal = 0;  // of the games at the usual pace
    double SegundosJugados = 0;

    tTablaFallos Fallos{};
    int FallosAnotados = 0;  // the wrong clicks in the table (levels before clicks were kept have none)
    // By colours in play and by words on the board, over every game and over the last ten.
    std::vector<tPuntoRitmo> RitmoColores, RitmoColoresRecientes, RitmoPalabras, RitmoPalabrasRecientes;
    std::array<tMejorDificultad, kDificultadesHistorial> Mejores{};
};
