#include "Paleta.h"

namespace {
struct ColorDeTabla {
    const char *nombre;
    int r, g, b;
};
constexpr ColorDeTabla kTabla[kNumColores] = {
    {"RED", 255, 0, 0},
    {"GREEN", 0, 255, 0},
    {"BLUE", 0, 0, 255},
    {"BROWN", 170, 85, 0},
    {"PINK", 255, 120, 200},
    {"YELLOW", 235, 235, 0},
    {"CYAN", 0, 230, 230},
    {"ORANGE", 255, 150, 50},
};
}  // namespace

void LlenarPaleta(EstadoJuego &e)
{
    for (int i = 0; i < kNumColores; ++i) {
        e.ColorRGB[i] = RGB(kTabla[i].r, kTabla[i].g, kTabla[i].b);
        e.NombreColor[i] = kTabla[i].nombre;
    }
}
