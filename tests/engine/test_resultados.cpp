// Level outcomes: falling back, advancing, winning; and the hidden level jump.
#include "Falsos.h"
#include "Paleta.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {
// Finds every match of the current level after `ticks` ticks of the clock.
void Completar(Mesa &m, int ticks)
{
    m.juego.Empezar();
    m.Ticks(ticks);
    for (int i : m.Aciertos())
        m.juego.ClicEtiqueta(i);
}
}  // namespace

TEST(Retroceder, MessagesAndTargetLevels)
{
    struct Caso {
        int nivel;
        Aviso causa;
        const char *mensaje;
        int destino;
    } casos[] = {
        {0, Aviso::Fallo, "Failed.\nBack to Level 1", 0},
        {1, Aviso::TiempoAgotado, "Time over.\nBack to Level 1", 0},
        {2, Aviso::Fallo, "Failed.\nYou go back 2 levels till level 1", 0},
        {7, Aviso::Fallo, "Failed.\nYou go back 2 levels till level 6", 5},
        {7, Aviso::TiempoAgotado, "Time over.\nYou go back 2 levels till level 6", 5},
    };
    for (const Caso &c : casos) {
        Mesa m;
        m.juego.PrepararNivel(c.nivel);
        m.juego.Empezar();
        bool relojParado = false;
        m.pantalla.alMostrarMensaje = [&](const std::string &) { relojParado = !m.pantalla.reloj; };
        m.juego.Retroceder(c.causa);
        EXPECT_TRUE(relojParado);
        ASSERT_EQ(m.pantalla.mensajes.size(), 1u);
        EXPECT_EQ(m.pantalla.mensajes[0], c.mensaje);
        EXPECT_EQ(m.estado.NivelActual, c.destino);
        EXPECT_TRUE(m.pantalla.panelVisible);
        ASSERT_EQ(m.sonido.pedidos.size(), 1u);
        const Senal cue = m.sonido.pedidos[0];
        EXPECT_TRUE(cue == Senal::No || cue == Senal::Uy || cue == Senal::Vaya) << int(cue);
    }
}

TEST(Retroceder, ClearsTheScoresOfTheLevelsGivenUp)
{
    Mesa m;
    for (int j = 0; j < 7; ++j)
        m.estado.PuntosNivel[j] = 1000 + j;
    m.juego.PrepararNivel(7);
    m.juego.Retroceder(Aviso::Fallo);
    EXPECT_EQ(m.estado.NivelActual, 5);
    for (int j = 5; j < 50; ++j)
        EXPECT_EQ(m.estado.PuntosNivel[j], 0);
    EXPECT_EQ(m.estado.PuntosTotales, 1000 + 1001 + 1002 + 1003 + 1004);
}

TEST(AvanzarNivel, LevelFortyEightLeadsToFortyNineAndFortyNineWins)
{
    Mesa m;
    m.juego.PrepararNivel(48);
    Completar(m, 10);
    EXPECT_EQ(m.estado.NivelActual, 49);
    EXPECT_EQ(m.pantalla.victorias, 0);
    Completar(m, 10);
    EXPECT_EQ(m.estado.NivelActual, 49);
    EXPECT_EQ(m.pantalla.victorias, 1);
    EXPECT_TRUE(m.estado.PartidaGanada);
    EXPECT_EQ(m.sonido.pedidos.back(), Senal::Victoria);
}

TEST(GanarPartida, TotalCountsEachLevelsLatestCompletionOnce)
{
    Mesa m(9, MuyFacil);
    m.juego.PrepararNivel(0);
    // Play up to level 7, fall back to 5, then play on to the end.
    while (m.estado.NivelActual < 7)
        Completar(m, 50);
    m.juego.Empezar();
    m.juego.ClicEtiqueta(m.UnFallo());
    ASSERT_EQ(m.estado.NivelActual, 5);
    while (m.pantalla.victorias == 0)
        Completar(m, 100 + m.estado.NivelActual);
    const int32_t suma = std::accumulate(m.estado.PuntosNivel.begin(), m.estado.PuntosNivel.end(), 0);
    EXPECT_EQ(m.estado.PuntosTotales, suma);
    // Each stored score equals what its report said.
    int32_t reportado = 0;
    std::vector<int32_t> porNivel(50, 0);
    int nivel = 0;
    for (const std::string &msg : m.pantalla.mensajes) {
        if (msg.rfind("Level Finished !", 0) == 0) {
            porNivel[nivel] = std::stoi(msg.substr(msg.find("got ") + 4));
            ++nivel;
        } else if (msg.rfind("Failed.", 0) == 0) {
            nivel -= 2;
        }
    }
    for (int32_t p : porNivel)
        reportado += p;
    EXPECT_EQ(suma, reportado);
    EXPECT_EQ(m.pantalla.mensajes.back(), "CONGRATS! YOU WIN!\nYOU GOT " + std::to_string(suma) + " POINTS!");
}

TEST(SaltoDeNivel, AnswersSelectLevelsLeniently)
{
    // Numbers past what a double holds: huge only when they are big, 0 when tiny.
    const std::string diminuto = "0." + std::string(330, '0') + "1";
    const std::string enorme = "1" + std::string(400, '0') + "e-10";
    struct Caso {
        std::string respuesta;
        int nivel;
    } casos[] = {
        {"1e-400", 0},
        {diminuto, 0},
        {diminuto + "e5", 0},
        {enorme, 49},
        {"2\r5", 2},
        {"12", 12},
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"100", 49},
        {"-3", 0},
        {"3.7", 3},
        {"12abc", 12},
        {"-0.5", 0},
        {"&H1F", 31},
        {" 1 2", 12},
        {"&o17", 15},
        {"4e1", 40},
        {"1e400", 49},
        {"+7", 7},
        {".9", 0},
        {"\t2\n5", 25},
        {"--4", 0},
        {"&HFFFF", 0},
        {"7.9", 7},
    };
    for (const Caso &c : casos) {
        Mesa m;
        m.juego.PrepararNivel(20);
        m.juego.SaltarNivel(c.respuesta);
        EXPECT_EQ(m.estado.NivelActual, c.nivel) << '"' << c.respuesta << '"';
        EXPECT_TRUE(m.pantalla.panelVisible);
        EXPECT_FALSE(m.juego.RelojActivo());
    }
}

TEST(SaltoDeNivel, DownKeepsLowerScoresAndUpLeavesSkippedLevelsAtZero)
{
    Mesa m;
    for (int j = 0; j < 20; ++j)
        m.estado.PuntosNivel[j] = 10;
    m.juego.PrepararNivel(20);
    m.juego.SaltarNivel("5");
    EXPECT_EQ(m.estado.PuntosTotales, 50);
    for (int j = 5; j < 50; ++j)
        EXPECT_EQ(m.estado.PuntosNivel[j], 0);
    m.juego.SaltarNivel("20");
    EXPECT_EQ(m.estado.PuntosTotales, 50);
    EXPECT_EQ(m.pantalla.objetivo.substr(0, 8), "LEVEL 21");
}

TEST(Animacion, TheLitRowClimbsOneRowPerTickAndWraps)
{
    Mesa m;
    // Expected lit row after each of nine ticks: 7, 6, ..., 0, then 7 again.
    const int encendida[] = {7, 6, 5, 4, 3, 2, 1, 0, 7};
    for (int t = 0; t < 9; ++t) {
        m.juego.TickAnimacion();
        for (int f = 0; f < 8; ++f)
            EXPECT_EQ(m.pantalla.cuadroEncendido[f], f == encendida[t]) << "tick " << t + 1 << " row " << f;
    }
}

TEST(Destello, BlinksLightRedBelowFiveAndRedBelowTwo)
{
    struct Caso {
        float restante;
        int32_t color;
    } casos[] = {{5.f, kBlanco}, {4.99f, RGB(255, 150, 150)}, {2.f, RGB(255, 150, 150)},
        {1.99f, RGB(255, 0, 0)}, {0.f, RGB(255, 0, 0)}};
    for (const Caso &c : casos) {
        Mesa m;
        m.juego.PrepararNivel(0);
        m.estado.TiempoRestante = c.restante;
        m.juego.TickDestello();
        EXPECT_EQ(m.pantalla.fondo, c.color) << c.restante;
        m.juego.TickDestello();
        EXPECT_EQ(m.pantalla.fondo, kBlanco) << c.restante;  // and back
    }
}

TEST(Destello, KeepsBlinkingAfterATimeOutUntilTheNextLevelIsSetUp)
{
    Mesa m;
    m.juego.PrepararNivel(0);
    m.juego.Empezar();
    int destellos = 0;
    m.pantalla.alMostrarMensaje = [&](const std::string &) {
        m.juego.TickDestello();  // the flash keeps ticking behind the box
        destellos += m.pantalla.fondo == RGB(255, 0, 0);
    };
    m.Ticks(5000);
    EXPECT_EQ(destellos, 1);
    EXPECT_EQ(m.pantalla.fondo, kBlanco);  // the fall-back's level setup whitened it
    m.juego.TickDestello();
    EXPECT_EQ(m.pantalla.fondo, kBlanco);  // a full allowance does not blink
}
