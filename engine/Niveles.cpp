#include "Niveles.h"

#include <cfenv>
#include <cmath>

namespace {

// j / 49 * escala + base, converted to a whole number by rounding to nearest, ties to even.
int16_t Interpolar(int j, double escala, double base)
{
    return static_cast<int16_t>(std::nearbyint(static_cast<double>(j) / 49.0 * escala + base));
}

double Multiplicador(float dificultad)
{
    switch (static_cast<int>(dificultad)) {
    case MuyFacil:
        return 4.0;
    case Facil:
        return 2.0;
    case Normal:
        return 1.0;
    default:
        return 0.5;
    }
}

}  // namespace

std::array<tNivel, kNumNiveles> CalcularNiveles()
{
    std::array<tNivel, kNumNiveles> t{};
    for (int j = 0; j < kNumNiveles; ++j) {
        t[j].Numero = static_cast<int16_t>(j);
        t[j].Aciertos = Interpolar(j, 7.0, 3.0);
        t[j].Colores = Interpolar(j, 5.0, 3.0);
        t[j].Etiquetas = Interpolar(j, 20.0, 12.0);
        t[j].FactorTiempo = static_cast<float>(static_cast<double>(49 - j) * 0.01 + 0.8);
    }
    return t;
}

float TiempoPermitido(const tNivel &nivel, float dificultad)
{
    // The product is taken in double from the stored float factor and rounded before the
    // whole-second division: level 33 gives 24 s at NORMAL only because 23.9999995 rounds up.
    const double p = static_cast<double>(static_cast<float>(nivel.Etiquetas))
        * static_cast<double>(nivel.FactorTiempo) * 100.0 * Multiplicador(dificultad);
    const auto centesimas = static_cast<int32_t>(std::nearbyint(p));
    return static_cast<float>(centesimas / 100);
}
