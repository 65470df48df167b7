// The shared game state: palette, level table, board, per-level scores and the game
// variables. One instance lives for the whole run; the windows read and write it.
#pragma once

#include "Tipos.h"

#include <array>
#include <cstdint>
#include <string>

constexpr int kNumNiveles = 50;
constexpr int kUltimoNivel = kNumNiveles - 1;
constexpr int kNumCasillas = 32;
constexpr int kNumColores = 8;
constexpr int kFactorRelajado = 10;  // the relaxed pace's multiple of every level's time

// Difficulty values as the title menu sets them.
enum Dificultad : int { MuyFacil = 0, Facil = 1, Normal = 2, Dificil = 3 };

struct EstadoJuego {
    std::array<int32_t, kNumColores> ColorRGB{};  // red + 256 green + 65536 blue
    std::array<std::string, kNumColores> NombreColor{};
    std::array<tNivel, kNumNiveles> Niveles{};
    std::array<tCasilla, kNumCasillas> Casillas{};
    std::array<int32_t, kNumNiveles> PuntosNivel{};

    int16_t NivelActual = 0;
    tNivel NivelEnJuego{};
    int32_t PuntosTotales = 0;
    float TiempoNivel = 0.f;
    float TiempoRestante = 0.f;
    float DificultadActual = 0.f;  // survives reloads of the game screen
    int16_t PasoAnimacion = 0;
    bool PartidaGanada = false;  // survives reloads of the game screen
    // Played at the relaxed pace (ten times the time): such a game keeps no high score.
    // Survives reloads like PartidaGanada, until the high-score screen has seen the game.
    bool PartidaRelajada = false;
};
