// What the progress window shows, read from the history in one go: each game's highest
// level (oldest game first), the best and average seconds per match of every level, and the totals.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

constexpr int kNivelesHistorial = 50;

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

struct tResumenHistorial {
    std::vector<tPuntoPartida> Partidas;  // oldest first
    std::array<tMarcaNivel, kNivelesHistorial> Niveles{};
    int PartidasJugadas = 0;
    int NivelesSuperados = 0;
    int ClicsErroneos = 0;
    int TiemposAgotados = 0;
    int32_t MejorTotal = 0;  // of the games at the usual pace
    double SegundosJugados = 0;
};
