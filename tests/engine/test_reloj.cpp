// START, the game clock and the time-out.
#include "Falsos.h"
#include "Paleta.h"

#include <gtest/gtest.h>

namespace {
// The level whose allowance at the difficulty equals `segundos`.
void PrepararConTiempo(Mesa &m, int nivel, float segundos)
{
    m.juego.PrepararNivel(nivel);
    ASSERT_EQ(m.estado.TiempoNivel, segundos);
    m.juego.Empezar();
}
}  // namespace

TEST(Reloj, StartHidesThePanelAndRunsTheClock)
{
    Mesa m;
    m.juego.PrepararNivel(0);
    m.juego.Empezar();
    EXPECT_FALSE(m.pantalla.panelVisible);
    EXPECT_TRUE(m.pantalla.reloj);
    EXPECT_EQ(m.estado.TiempoRestante, 15.f);  // nothing else reset
}

TEST(Reloj, TwentySecondsRunOutOnTick1000AndSevenOnTick351)
{
    for (auto [dif, nivel, segundos, ticks] : {std::tuple{Normal, 14, 20.f, 1000}, {Dificil, 0, 7.f, 351}}) {
        Mesa m(1, static_cast<float>(dif));
        PrepararConTiempo(m, nivel, segundos);
        m.pantalla.alMostrarMensaje = [&](const std::string &) {
            // While the time-over message is open the board still shows the last tick.
            EXPECT_EQ(m.pantalla.rotulos[Rotulo::Segundos], "0.00");
            EXPECT_EQ(m.pantalla.barraTiempo, 0.f);
        };
        const int corridos = m.Ticks(5000);
        EXPECT_EQ(corridos, ticks);
        ASSERT_EQ(m.pantalla.mensajes.size(), 1u);
        EXPECT_EQ(m.pantalla.mensajes[0].rfind("Time over.\n", 0), 0u);
    }
}

TEST(Reloj, SevenSecondsShowZeroOneTickBeforeRunningOut)
{
    Mesa m(1, Dificil);
    PrepararConTiempo(m, 0, 7.f);
    m.Ticks(350);
    EXPECT_TRUE(m.juego.RelojActivo());
    EXPECT_GT(m.estado.TiempoRestante, 0.f);
    EXPECT_EQ(m.pantalla.rotulos[Rotulo::Segundos], "0.00");
}

TEST(Reloj, FirstTickSetsTheBarToTheShareLeft)
{
    Mesa m;
    PrepararConTiempo(m, 0, 15.f);
    m.juego.TickReloj();
    EXPECT_FLOAT_EQ(m.pantalla.barraTiempo, (15.f - 0.02f) / 15.f * 73.f);
    EXPECT_EQ(m.pantalla.rotulos[Rotulo::Segundos], "14.98");
}

TEST(Reloj, TimeOutPaintsOnlyMissedMatchesPinkThenFallsBack)
{
    Mesa m;
    m.juego.PrepararNivel(1);
    const auto aciertos = m.Aciertos();
    m.juego.Empezar();
    m.juego.ClicEtiqueta(aciertos[0]);
    std::array<int32_t, 32> fondos{};
    m.pantalla.alMostrarMensaje = [&](const std::string &) {
        for (int i = 0; i < 32; ++i)
            fondos[i] = m.pantalla.etiquetas[i].colorFondo;
    };
    m.Ticks(5000);
    EXPECT_EQ(fondos[aciertos[0]], kNegro);
    for (size_t k = 1; k < aciertos.size(); ++k)
        EXPECT_EQ(fondos[aciertos[k]], RGB(255, 200, 200));
    for (int i = 0; i < 32; ++i) {
        const bool esAcierto = std::find(aciertos.begin(), aciertos.end(), i) != aciertos.end();
        EXPECT_TRUE(esAcierto || fondos[i] == kBlanco) << i;
    }
    EXPECT_EQ(m.pantalla.mensajes.back(), "Time over.\nBack to Level 1");
    EXPECT_EQ(m.estado.NivelActual, 0);
    EXPECT_FALSE(m.juego.RelojActivo());
}

TEST(Reloj, StoppedClockIgnoresAStrayTick)
{
    Mesa m;
    m.juego.PrepararNivel(0);
    m.juego.TickReloj();
    EXPECT_EQ(m.estado.TiempoRestante, 15.f);
}
