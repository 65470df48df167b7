// The game's value types: a row of the level table and a cell of the board.
#pragma once

#include <cstdint>

struct tNivel {
    int16_t Numero = 0;        // equals its row in the level table
    int16_t Aciertos = 0;      // matches to find
    int16_t Etiquetas = 0;     // word labels shown
    int16_t Colores = 0;       // colours in play: palette indices 0 .. Colores-1
    float FactorTiempo = 0.f;  // seconds per shown label at NORMAL; kept as a 32-bit float
    bool operator==(const tNivel &) const = default;
};

struct tCasilla {
    int16_t Color = 0;  // palette index the word is printed in
    int16_t Texto = 0;  // palette index of the word shown
    bool Visible = false;
    bool Encontrada = false;
    bool EsAcierto() const { return Color == Texto; }
    bool operator==(const tCasilla &) const = default;
};
