// Judging clicks on the word labels, and the finished level's report and points.
#include "Falsos.h"
#include "Paleta.h"

#include <gtest/gtest.h>

TEST(Juicio, HiddenAndFoundLabelsIgnoreClicks)
{
    Mesa m;
    m.juego.PrepararNivel(0);
    m.juego.Empezar();
    m.juego.ClicEtiqueta(m.UnaOculta());
    EXPECT_TRUE(m.pantalla.mensajes.empty());
    const int a = m.Aciertos()[0];
    m.juego.ClicEtiqueta(a);
    const auto sonidos = m.sonido.pedidos.size();
    m.juego.ClicEtiqueta(a);
    EXPECT_EQ(m.sonido.pedidos.size(), sonidos);
    EXPECT_EQ(m.juego.Encontrados(), 1);
    EXPECT_EQ(m.pantalla.rotulos[Rotulo::Encontrados], "1");
    EXPECT_TRUE(m.juego.RelojActivo());
}

TEST(Juicio, EachMatchBlackensItsLabelSoundsACueAndGrowsTheBar)
{
    GeneradorGuionado g;
    EstadoJuego e;
    PantallaFalsa p;
    SonidoFalso s;
    Juego j(e, p, s, g);
    j.CargaInicial();
    j.PrepararNivel(0);
    j.Empezar();
    std::vector<int> aciertos;
    for (int i = 0; i < 32; ++i)
        if (e.Casillas[i].Visible && e.Casillas[i].EsAcierto())
            aciertos.push_back(i);
    const float alturas[] = {73.f / 3, 2 * 73.f / 3, 73.f};
    const Senal cues[] = {Senal::Bien, Senal::Vale, Senal::SigueAsi};
    g.guion = {0.0, 0.99, 0.5};
    float barraDuranteInforme = 0;
    p.alMostrarMensaje = [&](const std::string &) {
        barraDuranteInforme = p.barraEncontrados;
        EXPECT_TRUE(e.Casillas[aciertos[2]].Encontrada);
        EXPECT_EQ(p.etiquetas[aciertos[2]].colorFondo, kNegro);
    };
    for (int k = 0; k < 3; ++k) {
        j.ClicEtiqueta(aciertos[k]);
        EXPECT_EQ(s.pedidos[k], cues[k]);
        if (k < 2) {
            EXPECT_TRUE(e.Casillas[aciertos[k]].Encontrada);
            EXPECT_EQ(p.etiquetas[aciertos[k]].colorFondo, kNegro);
            EXPECT_FLOAT_EQ(p.barraEncontrados, alturas[k]);
        }
    }
    EXPECT_FLOAT_EQ(barraDuranteInforme, alturas[2]);
    EXPECT_EQ(p.mensajes.size(), 1u);  // the level report
}

TEST(Juicio, AWrongClickFallsBackWhateverWasFound)
{
    Mesa m;
    m.juego.PrepararNivel(9);
    m.juego.Empezar();
    const auto aciertos = m.Aciertos();
    m.juego.ClicEtiqueta(aciertos[0]);
    m.juego.ClicEtiqueta(aciertos[1]);
    const int fallo = m.UnFallo();
    m.juego.ClicEtiqueta(fallo);
    ASSERT_EQ(m.pantalla.mensajes.size(), 1u);
    EXPECT_EQ(m.pantalla.mensajes[0], "Failed.\nYou go back 2 levels till level 8");
    EXPECT_EQ(m.estado.NivelActual, 7);
    EXPECT_EQ(m.estado.PuntosNivel[9], 0);
    EXPECT_EQ(m.juego.Encontrados(), 0);
    EXPECT_FLOAT_EQ(m.pantalla.barraEncontrados, 2.f);
}

TEST(Juicio, TheReportGivesTheHundredthsShownAndStoresThem)
{
    Mesa m;
    m.juego.PrepararNivel(0);  // 15 s, 3 matches
    m.juego.Empezar();
    m.Ticks(376);  // 15 - 7.52 = 7.48 s left
    ASSERT_EQ(m.pantalla.rotulos[Rotulo::Segundos], "7.48");
    for (int i : m.Aciertos())
        m.juego.ClicEtiqueta(i);
    ASSERT_EQ(m.pantalla.mensajes.size(), 1u);
    EXPECT_EQ(m.pantalla.mensajes[0],
        "Level Finished !\nYou got 748 points.\nYou took 7.52 seconds to find 3 correct "
        "matches.\n( 2.51 seconds per match )");
    EXPECT_EQ(m.estado.PuntosNivel[0], 748);
    EXPECT_EQ(m.estado.NivelActual, 1);  // next level set up
    EXPECT_EQ(m.estado.PuntosTotales, 748);
    EXPECT_EQ(m.pantalla.rotulos[Rotulo::Puntos], "748");
}

TEST(Juicio, TheClockIsStoppedWhileTheReportIsOpen)
{
    Mesa m;
    m.juego.PrepararNivel(0);
    m.juego.Empezar();
    bool relojDuranteMensaje = true;
    m.pantalla.alMostrarMensaje = [&](const std::string &) { relojDuranteMensaje = m.pantalla.reloj; };
    for (int i : m.Aciertos())
        m.juego.ClicEtiqueta(i);
    EXPECT_FALSE(relojDuranteMensaje);
}

TEST(Juicio, FinishingOnZeroPointZeroZeroScoresNothing)
{
    Mesa m(2, Dificil);
    m.juego.PrepararNivel(0);  // 7 s: shows 0.00 a tick before it runs out
    m.juego.Empezar();
    m.Ticks(350);
    ASSERT_EQ(m.pantalla.rotulos[Rotulo::Segundos], "0.00");
    for (int i : m.Aciertos())
        m.juego.ClicEtiqueta(i);
    EXPECT_EQ(m.pantalla.mensajes[0].substr(0, 35), "Level Finished !\nYou got 0 points.\n");
    EXPECT_EQ(m.pantalla.informes[0].puntos, 0);
    EXPECT_EQ(m.estado.PuntosNivel[0], 0);
    EXPECT_EQ(m.estado.NivelActual, 1);
}

TEST(Juicio, FiveMatchesWithSevenAndAHalfSecondsLeft)
{
    Mesa m;
    m.juego.PrepararNivel(14);  // 20 s at NORMAL, 5 matches
    ASSERT_EQ(m.estado.NivelEnJuego.Aciertos, 5);
    m.juego.Empezar();
    m.Ticks(625);
    for (int i : m.Aciertos())
        m.juego.ClicEtiqueta(i);
    EXPECT_EQ(m.pantalla.mensajes[0],
        "Level Finished !\nYou got 750 points.\nYou took 12.50 seconds to find 5 correct "
        "matches.\n( 2.50 seconds per match )");
    EXPECT_EQ(m.estado.PuntosNivel[14], 750);
}
