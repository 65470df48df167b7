// The comforts in the rules: stillness of the running lights, the relaxed pace and the
// colour-blind-safe inks reaching the board and the side squares.
#include "Falsos.h"
#include "Niveles.h"
#include "Paleta.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
bool AlgunoEncendido(const PantallaFalsa &p)
{
    return std::any_of(p.cuadroEncendido.begin(), p.cuadroEncendido.end(), [](bool e) { return e; });
}

struct ObservadorPartidas : ObservadorPartida {
    std::vector<tResultadoPartida> partidas;
    void PartidaEmpezada() override { }
    void NivelTerminado(const tResultadoNivel &) override { }
    void PartidaTerminada(const tResultadoPartida &r) override { partidas.push_back(r); }
};
}  // namespace

// A lit square left behind would be a light that never goes out: calm darkens it at once.
TEST(Quietud, CalmHoldsTheRunningLightsSteadyAndUnlitUntilItIsTurnedOff)
{
    Mesa m;
    for (int i = 0; i < 3; ++i)
        m.juego.TickAnimacion();
    ASSERT_TRUE(AlgunoEncendido(m.pantalla));
    m.juego.PonerDestelloTranquilo(true);
    for (int i = 0; i < 20; ++i) {
        m.juego.TickAnimacion();
        EXPECT_FALSE(AlgunoEncendido(m.pantalla));
    }
    m.juego.PonerDestelloTranquilo(false);
    m.juego.TickAnimacion();
    EXPECT_TRUE(AlgunoEncendido(m.pantalla));
}

TEST(Quietud, APausedGameStopsTheRunningLightsAndTheyMoveOnWhenItResumes)
{
    Mesa m;
    m.juego.PrepararNivel(0);
    m.juego.Empezar();
    m.juego.TickAnimacion();
    m.juego.Pausar();
    const int16_t paso = m.estado.PasoAnimacion;
    for (int i = 0; i < 10; ++i)
        m.juego.TickAnimacion();
    EXPECT_FALSE(AlgunoEncendido(m.pantalla));
    EXPECT_EQ(m.estado.PasoAnimacion, paso);
    m.juego.Reanudar();
    m.juego.TickAnimacion();
    EXPECT_TRUE(m.pantalla.cuadroEncendido[paso]);
}

TEST(RitmoRelajado, EveryLevelGetsTenTimesItsTimeAndTheGameSaysItWasRelaxed)
{
    for (float dificultad : {float(MuyFacil), float(Dificil)}) {
        Mesa m(1, dificultad);
        ObservadorPartidas obs;
        m.juego.Observar(&obs);
        m.juego.PonerRitmoRelajado(true);
        m.juego.CargaInicial();
        EXPECT_TRUE(m.estado.PartidaRelajada);
        const auto niveles = CalcularNiveles();
        for (int nivel : {0, 33, 49}) {
            m.juego.PrepararNivel(nivel);
            EXPECT_EQ(m.estado.TiempoNivel, 10 * TiempoPermitido(niveles[nivel], dificultad));
        }
        m.juego.Abandonar();
        ASSERT_EQ(obs.partidas.size(), 1u);
        EXPECT_TRUE(obs.partidas[0].Relajada);
    }
    Mesa usual;  // the next game at the usual pace is not relaxed
    EXPECT_FALSE(usual.estado.PartidaRelajada);
}

TEST(Tintas, TheChosenInksPaintTheSideSquaresAndTheWords)
{
    Mesa m;
    m.juego.PonerTintas(Tintas::Seguras);
    m.juego.CargaInicial();
    m.juego.PrepararNivel(49);  // every ink in play
    for (int i = 0; i < kNumColores; ++i) {
        const Tinta t = TintaDe(Tintas::Seguras, i);
        EXPECT_EQ(m.pantalla.colorCuadro[i], RGB(t.r, t.g, t.b));
    }
    for (int i = 0; i < kNumCasillas; ++i) {
        const Tinta t = TintaDe(Tintas::Seguras, m.estado.Casillas[i].Color);
        EXPECT_EQ(m.pantalla.etiquetas[i].colorTexto, RGB(t.r, t.g, t.b));
    }
}
