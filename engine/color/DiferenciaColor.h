// How far apart two colours look: sRGB to CIELAB (D65) and the CIEDE2000 colour difference,
// plus the WCAG contrast ratio of two colours. Written here because no Debian library offers
// CIEDE2000 in plain C++; checked against the published test pairs.
#pragma once

struct ColorLab {
    double L, a, b;
};

// An 8-bit sRGB colour, gamma-encoded as on screen.
struct ColorSrgb {
    double r, g, b;  // 0..255
};

double LinealDeSrgb(double canal255);  // 0..1
double SrgbDeLineal(double lineal);    // 0..255, clamped
ColorLab LabDeSrgb(ColorSrgb c);
double DeltaE00(const ColorLab &x, const ColorLab &y);
inline double DeltaE00(ColorSrgb x, ColorSrgb y) { return DeltaE00(LabDeSrgb(x), LabDeSrgb(y)); }

double LuminanciaRelativa(ColorSrgb c);
double Contraste(ColorSrgb x, ColorSrgb y);  // 1..21
