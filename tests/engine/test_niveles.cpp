// The level table, the time each level allows and the colours in play.
#include "Niveles.h"
#include "Paleta.h"

#include <QColor>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

// Expected value of a field by level range, as the game's design lists them.
struct Tramo {
    int desde, hasta, valor;
};

void ComprobarTramos(const std::array<tNivel, 50> &t, int16_t tNivel::*campo,
    std::initializer_list<Tramo> tramos, const char *nombre)
{
    int cubiertos = 0;
    for (const Tramo &tr : tramos)
        for (int j = tr.desde; j <= tr.hasta; ++j, ++cubiertos)
            EXPECT_EQ(t[j].*campo, tr.valor) << nombre << " at level " << j;
    EXPECT_EQ(cubiertos, 50) << nombre;
}

}  // namespace

TEST(TablaDeNiveles, EveryFieldFollowsItsRangesLevelByLevel)
{
    const auto t = CalcularNiveles();
    for (int j = 0; j < 50; ++j)
        EXPECT_EQ(t[j].Numero, j);
    ComprobarTramos(t, &tNivel::Aciertos,
        {{0, 3, 3}, {4, 10, 4}, {11, 17, 5}, {18, 24, 6}, {25, 31, 7}, {32, 38, 8}, {39, 45, 9},
            {46, 49, 10}},
        "Aciertos");
    ComprobarTramos(t, &tNivel::Etiquetas,
        {{0, 1, 12}, {2, 3, 13}, {4, 6, 14}, {7, 8, 15}, {9, 11, 16}, {12, 13, 17}, {14, 15, 18},
            {16, 18, 19}, {19, 20, 20}, {21, 23, 21}, {24, 25, 22}, {26, 28, 23}, {29, 30, 24}, {31, 33, 25},
            {34, 35, 26}, {36, 37, 27}, {38, 40, 28}, {41, 42, 29}, {43, 45, 30}, {46, 47, 31}, {48, 49, 32}},
        "Etiquetas");
    ComprobarTramos(t, &tNivel::Colores,
        {{0, 4, 3}, {5, 14, 4}, {15, 24, 5}, {25, 34, 6}, {35, 44, 7}, {45, 49, 8}}, "Colores");
}

TEST(TablaDeNiveles, TellingRowsRoundToNearestAndKeepTheFloatFactor)
{
    const auto t = CalcularNiveles();
    // Level 4: 3.571 matches rounds to 4 (truncation would give 3); 3.408 colours to 3.
    EXPECT_EQ(t[4].Aciertos, 4);
    EXPECT_EQ(t[4].Colores, 3);
    EXPECT_EQ(t[5].Colores, 4);
    EXPECT_EQ(t[0].FactorTiempo, 1.29f);
    EXPECT_EQ(t[1].FactorTiempo, 1.28f);
    EXPECT_EQ(t[4].FactorTiempo, 1.25f);
    EXPECT_EQ(t[24].FactorTiempo, 1.05f);
    EXPECT_EQ(t[29].FactorTiempo, 1.0f);
    EXPECT_EQ(t[33].FactorTiempo, 0.96f);
    EXPECT_EQ(t[49].FactorTiempo, 0.8f);
    EXPECT_LT(static_cast<double>(t[33].FactorTiempo), 0.96);  // 0.95999998...
    EXPECT_GT(static_cast<double>(t[49].FactorTiempo), 0.8);   // 0.80000001...
    for (const tNivel &n : t)
        EXPECT_LT(n.Aciertos, n.Etiquetas);
}

TEST(TiempoPermitido, AllFourDifficultiesGiveTheirListsForAllFiftyLevels)
{
    const int esperado[4][50] = {
        {61, 61, 66, 65, 70, 69, 68, 73, 72, 76, 76, 75, 79, 78, 82, 82, 85, 85, 84, 88, 87, 90, 89, 89, 92,
            91, 94, 93, 92, 96, 95, 98, 97, 96, 98, 97, 100, 99, 101, 100, 99, 102, 100, 103, 102, 100, 102,
            101, 103, 102},
        {30, 30, 33, 32, 35, 34, 34, 36, 36, 38, 38, 37, 39, 39, 41, 41, 42, 42, 42, 44, 43, 45, 44, 44, 46,
            45, 47, 46, 46, 48, 47, 49, 48, 48, 49, 48, 50, 49, 50, 50, 49, 51, 50, 51, 51, 50, 51, 50, 51,
            51},
        {15, 15, 16, 16, 17, 17, 17, 18, 18, 19, 19, 18, 19, 19, 20, 20, 21, 21, 21, 22, 21, 22, 22, 22, 23,
            22, 23, 23, 23, 24, 23, 24, 24, 24, 24, 24, 25, 24, 25, 25, 24, 25, 25, 25, 25, 25, 25, 25, 25,
            25},
        {7, 7, 8, 8, 8, 8, 8, 9, 9, 9, 9, 9, 9, 9, 10, 10, 10, 10, 10, 11, 10, 11, 11, 11, 11, 11, 11, 11, 11,
            12, 11, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12},
    };
    const auto t = CalcularNiveles();
    for (int d = 0; d < 4; ++d)
        for (int j = 0; j < 50; ++j)
            EXPECT_EQ(TiempoPermitido(t[j], static_cast<float>(d)), esperado[d][j])
                << "difficulty " << d << " level " << j;
}

TEST(Paleta, EightDistinctColoursEachNamedByItsWordAndPackedRedFirst)
{
    EstadoJuego e;
    LlenarPaleta(e);
    // What a player calls each word's ink: a hue range in degrees (red wraps past 360), and
    // for brown a darker shade than the bright inks.
    const std::map<std::string, std::tuple<int, int, bool>> tintas{{"RED", {-15, 15, false}},
        {"ORANGE", {15, 45, false}}, {"BROWN", {15, 45, true}}, {"YELLOW", {50, 70, false}},
        {"GREEN", {90, 150, false}}, {"CYAN", {170, 200, false}}, {"BLUE", {220, 260, false}},
        {"PINK", {300, 345, false}}};
    for (int i = 0; i < kNumColores; ++i) {
        // Unpacked by hand, red in the low byte: packed the other way round, RED would show blue.
        const int32_t c = e.ColorRGB[i];
        const QColor tinta(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        EXPECT_EQ(c >> 24, 0) << i;
        ASSERT_TRUE(tintas.count(e.NombreColor[i])) << e.NombreColor[i];
        const auto [desde, hasta, oscuro] = tintas.at(e.NombreColor[i]);
        const int tono = tinta.hsvHue() > 345 ? tinta.hsvHue() - 360 : tinta.hsvHue();
        EXPECT_TRUE(tinta.hsvSaturation() > 100 && tono >= desde && tono <= hasta)
            << e.NombreColor[i] << " " << tono;
        EXPECT_EQ(tinta.value() < 204, oscuro) << e.NombreColor[i];
        for (int j = 0; j < i; ++j)
            EXPECT_TRUE(c != e.ColorRGB[j] && e.NombreColor[i] != e.NombreColor[j]) << i << " " << j;
    }
}
