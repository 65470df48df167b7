// Pause and calm flashing in the rules: a pause freezes the clock with the board covered
// and costs no play time; calm flashing holds the low-time colour instead of blinking.
#include "Falsos.h"
#include "Paleta.h"

#include <gtest/gtest.h>

TEST(Pausa, FreezesTheClockCoversTheBoardAndAPausedLevelStillLasts1000Ticks)
{
    Mesa m;
    m.juego.PrepararNivel(14);  // 20 seconds at NORMAL
    m.juego.Pausar();
    EXPECT_FALSE(m.juego.EnPausa());  // waiting for START is no level in play
    m.juego.Empezar();
    int jugados = m.Ticks(400);
    const float restante = m.estado.TiempoRestante;
    m.juego.Pausar();
    EXPECT_TRUE(m.juego.EnPausa());
    EXPECT_TRUE(m.pantalla.pausa && !m.pantalla.reloj);
    for (int i = 0; i < 50; ++i)
        m.juego.TickReloj();  // ticks already queued, or a stuck timer
    EXPECT_EQ(m.estado.TiempoRestante, restante);
    EXPECT_EQ(m.pantalla.rotulos[Rotulo::Segundos], "12.00");
    m.juego.Reanudar();
    EXPECT_TRUE(!m.pantalla.pausa && !m.pantalla.panelVisible && m.pantalla.reloj);
    jugados += m.Ticks(5000);
    EXPECT_EQ(jugados, 1000);
    EXPECT_EQ(m.pantalla.mensajes.at(0).rfind("Time over.", 0), 0u);
}

TEST(Destello, CalmFlashingHoldsLightRedThenRedWithoutBlinking)
{
    Mesa m;
    m.juego.PonerDestelloTranquilo(true);
    m.juego.PrepararNivel(0);
    for (auto [restante, color] :
        {std::pair{5.f, kBlanco}, {4.f, RGB(255, 150, 150)}, {1.f, RGB(255, 0, 0)}}) {
        m.estado.TiempoRestante = restante;
        for (int tick = 0; tick < 3; ++tick) {
            m.juego.TickDestello();
            EXPECT_EQ(m.pantalla.fondo, color) << restante << " tick " << tick;
        }
    }
}
