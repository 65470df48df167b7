// Loading the game screen and setting up a level: the board dealt, the counters, the goal.
#include "Falsos.h"
#include "Niveles.h"
#include "Paleta.h"

#include <gtest/gtest.h>
#include <numeric>

TEST(CargaInicial, HidesAllLabelsAsRedOnWhiteAndPlacesTheSquares)
{
    Mesa m;
    EXPECT_EQ(m.estado.NivelActual, 0);
    EXPECT_EQ(m.estado.PuntosTotales, 0);
    EXPECT_EQ(m.estado.PasoAnimacion, 7);
    EXPECT_EQ(m.pantalla.panelAncho, 625);
    EXPECT_EQ(m.pantalla.panelAlto, 249);
    for (const EtiquetaFalsa &l : m.pantalla.etiquetas) {
        EXPECT_FALSE(l.visible);
        EXPECT_EQ(l.palabra, 0);  // RED
        EXPECT_EQ(l.colorTexto, RGB(255, 0, 0));
        EXPECT_EQ(l.colorFondo, kBlanco);
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(m.pantalla.topCuadro[i], 20 + 60 * i);
        EXPECT_EQ(m.pantalla.colorCuadro[i], m.estado.ColorRGB[i]);
    }
}

TEST(CargaInicial, ReloadingClearsScoresButKeepsDifficultyAndWonFlag)
{
    Mesa m(3, Dificil);
    m.estado.PuntosNivel.fill(123);
    m.estado.PuntosTotales = 999;
    m.estado.PartidaGanada = true;
    m.estado.NivelActual = 17;
    m.juego.CargaInicial();
    EXPECT_EQ(std::accumulate(m.estado.PuntosNivel.begin(), m.estado.PuntosNivel.end(), 0), 0);
    EXPECT_EQ(m.estado.PuntosTotales, 0);
    EXPECT_EQ(m.estado.NivelActual, 0);
    EXPECT_EQ(m.estado.DificultadActual, Dificil);
    EXPECT_TRUE(m.estado.PartidaGanada);
    EXPECT_EQ(m.estado.Niveles, CalcularNiveles());
}

TEST(PrepararNivel, EveryLevelDealsExactlyItsLabelsAndMatchesOverManySeeds)
{
    for (uint64_t semilla = 1; semilla <= 40; ++semilla) {
        Mesa m(semilla);
        for (int nivel = 0; nivel < 50; ++nivel) {
            m.juego.PrepararNivel(nivel);
            const tNivel &n = m.estado.Niveles[nivel];
            int mostradas = 0, aciertos = 0;
            for (int i = 0; i < 32; ++i) {
                const tCasilla &c = m.estado.Casillas[i];
                ASSERT_GE(c.Color, 0);
                ASSERT_LT(c.Color, n.Colores);
                ASSERT_GE(c.Texto, 0);
                ASSERT_LT(c.Texto, n.Colores);
                ASSERT_FALSE(c.Encontrada);
                mostradas += c.Visible;
                if (c.EsAcierto()) {
                    ASSERT_TRUE(c.Visible) << "hidden match at level " << nivel;
                    ++aciertos;
                }
                // The screen shows exactly the cell.
                const EtiquetaFalsa &l = m.pantalla.etiquetas[i];
                ASSERT_EQ(l.visible, c.Visible);
                ASSERT_EQ(l.palabra, c.Texto);
                ASSERT_EQ(l.colorTexto, m.estado.ColorRGB[c.Color]);
                ASSERT_EQ(l.colorFondo, kBlanco);
            }
            ASSERT_EQ(mostradas, n.Etiquetas) << "level " << nivel << " seed " << semilla;
            ASSERT_EQ(aciertos, n.Aciertos) << "level " << nivel << " seed " << semilla;
            ASSERT_EQ(m.estado.NivelEnJuego, n);
        }
    }
}

TEST(PrepararNivel, LevelZeroAtNormalShowsTheFiveLineGoalAndFreshCounters)
{
    Mesa m;
    m.juego.PrepararNivel(0);
    auto &r = m.pantalla.rotulos;
    EXPECT_EQ(m.pantalla.objetivo, "LEVEL 1\n\nFIND 3 CORRECT MATCHES\n\nIN 15 SECONDS");
    EXPECT_EQ(r[Rotulo::Segundos], "15.00");
    EXPECT_EQ(r[Rotulo::Nivel], "1");
    EXPECT_EQ(r[Rotulo::NivelMax], "50");
    EXPECT_EQ(r[Rotulo::Puntos], "0");
    EXPECT_EQ(r[Rotulo::Encontrados], "0");
    EXPECT_EQ(r[Rotulo::EncontradosTotal], "3");
    EXPECT_FLOAT_EQ(m.pantalla.barraEncontrados, 2.f);
    EXPECT_TRUE(m.pantalla.panelVisible);
    EXPECT_FALSE(m.pantalla.reloj);
    // Only RED, GREEN and BLUE are in play.
    for (const tCasilla &c : m.estado.Casillas)
        EXPECT_LT(std::max(c.Color, c.Texto), 3);
}

TEST(PrepararNivel, LastLevelShowsAllLabelsWithTheRightTimes)
{
    for (auto [dif, segundos] : {std::pair{Normal, 25}, {Dificil, 12}, {MuyFacil, 102}}) {
        Mesa m(5, static_cast<float>(dif));
        m.juego.PrepararNivel(49);
        EXPECT_EQ(m.estado.TiempoNivel, segundos);
        EXPECT_EQ(m.pantalla.objetivo,
            "LEVEL 50\n\nFIND 10 CORRECT MATCHES\n\nIN " + std::to_string(segundos) + " SECONDS");
        for (const tCasilla &c : m.estado.Casillas)
            EXPECT_TRUE(c.Visible);
    }
}

TEST(PrepararNivel, KeepsScoresBelowTheLevelAndClearsTheRest)
{
    Mesa m;
    for (int j = 0; j < 50; ++j)
        m.estado.PuntosNivel[j] = 100 + j;
    m.juego.PrepararNivel(5);
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(m.estado.PuntosNivel[j], 100 + j);
    for (int j = 5; j < 50; ++j)
        EXPECT_EQ(m.estado.PuntosNivel[j], 0);
    EXPECT_EQ(m.estado.PuntosTotales, 100 + 101 + 102 + 103 + 104);
    EXPECT_EQ(m.pantalla.rotulos[Rotulo::Puntos], "510");
    m.juego.PrepararNivel(0);
    EXPECT_EQ(m.estado.PuntosTotales, 0);
}

TEST(PrepararNivel, StopsARunningClockAndWhitensTheBackground)
{
    Mesa m;
    m.juego.PrepararNivel(3);
    m.juego.Empezar();
    ASSERT_TRUE(m.pantalla.reloj);
    m.pantalla.fondo = RGB(255, 0, 0);
    m.juego.PrepararNivel(3);
    EXPECT_FALSE(m.pantalla.reloj);
    EXPECT_FALSE(m.juego.RelojActivo());
    EXPECT_TRUE(m.pantalla.panelVisible);
    EXPECT_EQ(m.pantalla.fondo, kBlanco);
}

TEST(PrepararNivel, LeavesTheTimeBarWhereTheLastLevelLeftIt)
{
    Mesa m;
    m.juego.PrepararNivel(0);
    m.juego.Empezar();
    m.Ticks(100);
    const float antes = m.pantalla.barraTiempo;
    m.juego.PrepararNivel(1);
    EXPECT_EQ(m.pantalla.barraTiempo, antes);
}

TEST(Aleatorio, NeverLeavesItsRangeEvenAtTheEdgesOfTheGenerator)
{
    GeneradorGuionado g;
    g.guion = {0.0, 0.999999999999, std::nextafter(1.0, 0.0), 0.5};
    EXPECT_EQ(Aleatorio(g, 0, 31), 0);
    EXPECT_EQ(Aleatorio(g, 0, 31), 31);
    EXPECT_EQ(Aleatorio(g, 0, 2), 2);
    EXPECT_EQ(Aleatorio(g, 0, 4), 2);
    GeneradorFijo f(11);
    std::array<int, 5> vistos{};
    for (int k = 0; k < 20000; ++k) {
        const int v = Aleatorio(f, 0, 4);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 4);
        ++vistos[v];
    }
    for (int n : vistos)
        EXPECT_GT(n, 3500);  // each of five values near 4000
}
