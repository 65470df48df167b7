#include "Paleta.h"

void LlenarPaleta(EstadoJuego &e)
{
    for (int i = 0; i < kNumColores; ++i) {
        e.ColorRGB[i] = RGB(kPaleta[i].r, kPaleta[i].g, kPaleta[i].b);
        e.NombreColor[i] = kPaleta[i].nombre;
    }
}
