#include "Daltonismo.h"

namespace {
using Matriz = double[3][3];

// Machado, Oliveira and Fernandes (2009), severity 1.0.
constexpr Matriz kProtanopia
    = {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
constexpr Matriz kDeuteranopia
    = {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
constexpr Matriz kTritanopia
    = {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}};

const Matriz &MatrizDe(Vision v)
{
    switch (v) {
    case Vision::Protanopia:
        return kProtanopia;
    case Vision::Deuteranopia:
        return kDeuteranopia;
    default:
        return kTritanopia;
    }
}
}  // namespace

const char *NombreVision(Vision v)
{
    switch (v) {
    case Vision::Normal:
        return "normal";
    case Vision::Protanopia:
        return "protanopia";
    case Vision::Deuteranopia:
        return "deuteranopia";
    case Vision::Tritanopia:
        return "tritanopia";
    }
    return "";
}

ColorSrgb Simular(Vision v, ColorSrgb c)
{
    if (v == Vision::Normal)
        return c;
    const Matriz &m = MatrizDe(v);
    const double l[3] = {LinealDeSrgb(c.r), LinealDeSrgb(c.g), LinealDeSrgb(c.b)};
    double s[3];
    for (int i = 0; i < 3; ++i)
        s[i] = SrgbDeLineal(m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2]);
    return {s[0], s[1], s[2]};
}
