// The inks seen through the three dichromacies: the colour-blind-safe set keeps every pair
// that can share a board far apart, and the measuring itself is checked against published data.
#include "Daltonismo.h"
#include "Niveles.h"
#include "Paleta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {
ColorSrgb Srgb(Tintas juego, int i)
{
    const Tinta t = TintaDe(juego, i);
    return {double(t.r), double(t.g), double(t.b)};
}

struct ParCercano {
    Vision vision;
    int a, b;
    double delta;
};

// Every pair of inks that can be in play on one board, under each vision, closer than `umbral`.
std::vector<ParCercano> ParesCercanos(Tintas juego, double umbral, double &minimo)
{
    int colores = 0;
    for (const tNivel &n : CalcularNiveles())
        colores = std::max<int>(colores, n.Colores);  // levels use inks 0 .. Colores-1
    std::vector<ParCercano> cerca;
    minimo = 1e9;
    for (Vision v : kVisiones)
        for (int a = 0; a < colores; ++a)
            for (int b = a + 1; b < colores; ++b) {
                const double d = DeltaE00(Simular(v, Srgb(juego, a)), Simular(v, Srgb(juego, b)));
                minimo = std::min(minimo, d);
                if (d < umbral)
                    cerca.push_back({v, a, b, d});
            }
    return cerca;
}

std::string Describir(const std::vector<ParCercano> &pares)
{
    std::string s;
    char linea[96];
    for (const ParCercano &p : pares) {
        std::snprintf(linea, sizeof linea, "  %s: %s / %s, dE00 %.1f\n", NombreVision(p.vision),
            kPaleta[p.a].nombre, kPaleta[p.b].nombre, p.delta);
        s += linea;
    }
    return s;
}

double Tono(const ColorLab &c)
{
    const double h = std::atan2(c.b, c.a) * 180 / 3.14159265358979;
    return h < 0 ? h + 360 : h;
}
}  // namespace

// Sharma, Wu and Dalal (2005), the 34 published test pairs: L, a, b of each colour and dE00.
TEST(DiferenciaColor, Ciede2000MatchesThePublishedTestPairs)
{
    struct Par {
        ColorLab x, y;
        double esperado;
    };
    const Par pares[] = {
        {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
        {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
        {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
        {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
        {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
        {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
        {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
        {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
        {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
        {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
        {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
        {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
        {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
        {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
        {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const Par &p : pares) {
        EXPECT_NEAR(DeltaE00(p.x, p.y), p.esperado, 5e-5) << p.x.L << " " << p.x.a << " " << p.x.b;
        EXPECT_NEAR(DeltaE00(p.y, p.x), p.esperado, 5e-5);  // symmetric
    }
}

TEST(DiferenciaColor, WhiteIsTheReferenceWhiteAndContrastFollowsWcag)
{
    const ColorLab blanco = LabDeSrgb({255, 255, 255});
    EXPECT_NEAR(blanco.L, 100, 1e-3);
    EXPECT_NEAR(blanco.a, 0, 1e-2);
    EXPECT_NEAR(blanco.b, 0, 1e-2);
    EXPECT_NEAR(Contraste({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    // The WCAG example: #777777 on white is just under 4.5:1.
    EXPECT_NEAR(Contraste({0x77, 0x77, 0x77}, {255, 255, 255}), 4.48, 0.01);
}

// A dichromat still sees greys as greys: each simulated primary keeps its luminance axis.
TEST(Daltonismo, GreysLookTheSameInEveryVisionAndRedMeetsGreenForProtanopes)
{
    for (Vision v : kVisiones)
        for (double g : {0.0, 64.0, 128.0, 200.0, 255.0}) {
            const ColorSrgb s = Simular(v, {g, g, g});
            EXPECT_LT(DeltaE00(s, {g, g, g}), 0.5) << NombreVision(v) << " grey " << g;
        }
    // Red against green: far apart for everyone else, much closer for a protanope.
    const ColorSrgb rojo{200, 60, 0}, verde{110, 110, 0};
    EXPECT_GT(DeltaE00(rojo, verde),
        3 * DeltaE00(Simular(Vision::Protanopia, rojo), Simular(Vision::Protanopia, verde)));
}

TEST(Tintas, SafeInksKeepEveryPairOnABoardTenApartUnderEveryVision)
{
    double minimo = 0;
    const auto cerca = ParesCercanos(Tintas::Seguras, 10.0, minimo);
    EXPECT_TRUE(cerca.empty()) << "pairs closer than dE00 10:\n" << Describir(cerca);
    std::printf("colour-blind-safe inks: closest pair dE00 %.1f\n", minimo);
}

TEST(Tintas, StandardInksAreReportedWithTheirNearPairs)
{
    double minimo = 0;
    const auto cerca = ParesCercanos(Tintas::Estandar, 10.0, minimo);
    std::printf("standard inks, pairs closer than dE00 10 (not a failure):\n%s", Describir(cerca).c_str());
    // The reason the safe set exists: some standard pair is all but one colour to somebody.
    EXPECT_LT(minimo, 2.0);
}

// An ink still reads as its name: its hue stays within 25 degrees of the standard ink's.
TEST(Tintas, EverySafeInkKeepsTheHueOfItsName)
{
    for (int i = 0; i < kNumColores; ++i) {
        const double seguro = Tono(LabDeSrgb(Srgb(Tintas::Seguras, i)));
        const double estandar = Tono(LabDeSrgb(Srgb(Tintas::Estandar, i)));
        const double diferencia = std::abs(std::remainder(seguro - estandar, 360.0));
        EXPECT_LT(diferencia, 25.0) << kPaleta[i].nombre;
    }
}
