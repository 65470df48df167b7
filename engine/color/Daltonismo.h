// How a colour looks to a player with one of the three full dichromacies, by the severity-1
// matrices of Machado, Oliveira and Fernandes (2009), applied to linear sRGB.
#pragma once

#include "DiferenciaColor.h"

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia };
inline constexpr Vision kVisiones[]
    = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia};

const char *NombreVision(Vision v);
ColorSrgb Simular(Vision v, ColorSrgb c);
