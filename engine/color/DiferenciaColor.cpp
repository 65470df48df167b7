#include "DiferenciaColor.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
double Grados(double rad) { return rad * 180.0 / kPi; }
double Radianes(double deg) { return deg * kPi / 180.0; }
double Pot7(double x) { return std::pow(x, 7.0); }

double FuncionLab(double t)
{
    constexpr double d = 6.0 / 29.0;
    return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29.0;
}
}  // namespace

double LinealDeSrgb(double canal255)
{
    const double c = canal255 / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double SrgbDeLineal(double lineal)
{
    const double l = std::clamp(lineal, 0.0, 1.0);
    const double c = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return c * 255.0;
}

ColorLab LabDeSrgb(ColorSrgb c)
{
    const double r = LinealDeSrgb(c.r), g = LinealDeSrgb(c.g), b = LinealDeSrgb(c.b);
    const double x = 0.4124564 * r + 0.3575761 * g + 0.1804375 * b;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = 0.0193339 * r + 0.1191920 * g + 0.9503041 * b;
    // D65 reference white.
    const double fx = FuncionLab(x / 0.95047), fy = FuncionLab(y / 1.0), fz = FuncionLab(z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double DeltaE00(const ColorLab &x, const ColorLab &y)
{
    const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
    const double cMedia = (c1 + c2) / 2;
    const double g = 0.5 * (1 - std::sqrt(Pot7(cMedia) / (Pot7(cMedia) + Pot7(25.0))));
    const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
    const double cp1 = std::hypot(a1, x.b), cp2 = std::hypot(a2, y.b);
    auto tono = [](double b, double a) {
        if (a == 0 && b == 0)
            return 0.0;
        const double h = Grados(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1 = tono(x.b, a1), h2 = tono(y.b, a2);

    const double dL = y.L - x.L, dC = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(Radianes(dh / 2));

    const double lMedia = (x.L + y.L) / 2, cpMedia = (cp1 + cp2) / 2;
    double hMedia = h1 + h2;
    if (cp1 * cp2 != 0) {
        if (std::abs(h1 - h2) <= 180)
            hMedia = (h1 + h2) / 2;
        else
            hMedia = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(Radianes(hMedia - 30)) + 0.24 * std::cos(Radianes(2 * hMedia))
        + 0.32 * std::cos(Radianes(3 * hMedia + 6)) - 0.20 * std::cos(Radianes(4 * hMedia - 63));
    const double dTheta = 30 * std::exp(-std::pow((hMedia - 275) / 25, 2));
    const double rc = 2 * std::sqrt(Pot7(cpMedia) / (Pot7(cpMedia) + Pot7(25.0)));
    const double l50 = (lMedia - 50) * (lMedia - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * cpMedia;
    const double sh = 1 + 0.015 * cpMedia * t;
    const double rt = -std::sin(Radianes(2 * dTheta)) * rc;
    const double tl = dL / sl, tc = dC / sc, th = dH / sh;
    return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}

double LuminanciaRelativa(ColorSrgb c)
{
    return 0.2126 * LinealDeSrgb(c.r) + 0.7152 * LinealDeSrgb(c.g) + 0.0722 * LinealDeSrgb(c.b);
}

double Contraste(ColorSrgb x, ColorSrgb y)
{
    const double lx = LuminanciaRelativa(x), ly = LuminanciaRelativa(y);
    return (std::max(lx, ly) + 0.05) / (std::min(lx, ly) + 0.05);
}
