// The table of fifty levels and the time each allows at each difficulty.
#pragma once

#include "EstadoJuego.h"

std::array<tNivel, kNumNiveles> CalcularNiveles();

// Whole seconds allowed for a level at a difficulty value (0 VERY EASY .. 3 HARD).
float TiempoPermitido(const tNivel &nivel, float dificultad);
