// Moving a keyboard focus over the visible word labels of the 8 x 4 grid with the arrow keys.
#pragma once

#include <array>

enum class Direccion { Izquierda, Derecha, Arriba, Abajo };

constexpr int kColumnasRejilla = 4;
constexpr int kFilasRejilla = 8;

// The label the focus moves to from `desde` (-1: none yet) among the visible ones: along the
// row or column in the given direction, wrapping at the edge. With no focus yet, the first
// visible label in reading order. -1 when no label is visible; `desde` when nothing else in
// its row or column is.
int MoverFoco(const std::array<bool, kFilasRejilla * kColumnasRejilla> &visibles, int desde, Direccion d);
