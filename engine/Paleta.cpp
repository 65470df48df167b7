#include "Paleta.h"

Tinta TintaDe(Tintas juego, int indice)
{
    const auto i = static_cast<std::size_t>(indice);
    if (juego == Tintas::Seguras)
        return kTintasSeguras.at(i);
    return {kPaleta.at(i).r, kPaleta.at(i).g, kPaleta.at(i).b};
}

void LlenarPaleta(EstadoJuego &e, Tintas tintas)
{
    for (int i = 0; i < kNumColores; ++i) {
        const Tinta t = TintaDe(tintas, i);
        e.ColorRGB[i] = RGB(t.r, t.g, t.b);
        e.NombreColor[i] = kPaleta[i].nombre;
    }
}
