// The eight colours of the game, in the order they join play.
#pragma once

#include "EstadoJuego.h"
#include "Traducible.h"

#include <cstdint>

constexpr int32_t RGB(int r, int g, int b) { return r + 256 * g + 65536 * b; }

constexpr int32_t kBlanco = RGB(255, 255, 255);
constexpr int32_t kNegro = RGB(0, 0, 0);

// The palette in play order: name and red, green, blue. The names are the words of the
// labels; the screen shows them translated (context "Color").
struct ColorDeTabla {
    const char *nombre;
    int r, g, b;
};
inline constexpr std::array<ColorDeTabla, kNumColores> kPaleta{{
    //: colour word on a label: capitals, everyday word, at most 145 px
    {QT_TRANSLATE_NOOP("Color", "RED"), 255, 0, 0},
    //: colour word on a label: capitals, everyday word, at most 145 px
    {QT_TRANSLATE_NOOP("Color", "GREEN"), 0, 255, 0},
    //: colour word on a label: capitals, everyday word, at most 145 px
    {QT_TRANSLATE_NOOP("Color", "BLUE"), 0, 0, 255},
    //: colour word on a label: capitals, everyday word, at most 145 px
    {QT_TRANSLATE_NOOP("Color", "BROWN"), 170, 85, 0},
    //: colour word on a label: capitals, everyday word, at most 145 px
    {QT_TRANSLATE_NOOP("Color", "PINK"), 255, 120, 200},
    //: colour word on a label: capitals, everyday word, at most 145 px
    {QT_TRANSLATE_NOOP("Color", "YELLOW"), 235, 235, 0},
    //: colour word on a label: capitals, everyday word, at most 145 px
    {QT_TRANSLATE_NOOP("Color", "CYAN"), 0, 230, 230},
    //: colour word on a label: capitals, everyday word, at most 145 px
    {QT_TRANSLATE_NOOP("Color", "ORANGE"), 255, 150, 50},
}};

// The inks the words are printed in: the game's own, or a set chosen so that every pair stays
// far apart also for players with protanopia, deuteranopia or tritanopia (adjusted from Okabe
// and Ito's colour-blind-safe set until each ink still reads as its name).
enum class Tintas { Estandar, Seguras };
struct Tinta {
    int r, g, b;
};
inline constexpr std::array<Tinta, kNumColores> kTintasSeguras{{
    {215, 35, 10},    // RED
    {50, 132, 85},    // GREEN
    {10, 25, 228},    // BLUE
    {95, 52, 36},     // BROWN
    {255, 60, 155},   // PINK
    {255, 222, 0},    // YELLOW
    {50, 175, 195},   // CYAN
    {235, 140, 35},   // ORANGE
}};
Tinta TintaDe(Tintas juego, int indice);

// Fills ColorRGB and NombreColor, index by index.
void LlenarPaleta(EstadoJuego &e, Tintas tintas = Tintas::Estandar);
