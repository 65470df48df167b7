// The eight colours of the game, in the order they join play.
#pragma once

#include "EstadoJuego.h"

#include <cstdint>

constexpr int32_t RGB(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int Rojo(int32_t c) { return c & 0xFF; }
constexpr int Verde(int32_t c) { return (c >> 8) & 0xFF; }
constexpr int Azul(int32_t c) { return (c >> 16) & 0xFF; }

constexpr int32_t kBlanco = RGB(255, 255, 255);
constexpr int32_t kNegro = RGB(0, 0, 0);

// Fills ColorRGB and NombreColor, index by index.
void LlenarPaleta(EstadoJuego &e);
