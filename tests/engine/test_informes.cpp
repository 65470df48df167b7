// What the rules report to whoever keeps the history: one record for each level that was
// started, with how it ended, and one for the game.
#include "Falsos.h"

#include <gtest/gtest.h>

namespace {
struct ObservadorFalso : ObservadorPartida {
    int empezadas = 0;
    std::vector<tResultadoNivel> niveles;
    std::vector<tResultadoPartida> partidas;
    std::vector<tClic> clics;
    std::vector<bool> pausas;
    int starts = 0;
    void PartidaEmpezada() override { ++empezadas; }
    void NivelEmpezado() override { ++starts; }
    void PausaCambiada(bool enPausa) override { pausas.push_back(enPausa); }
    void ClicJuzgado(const tClic &c) override { clics.push_back(c); }
    void NivelTerminado(const tResultadoNivel &r) override { niveles.push_back(r); }
    void PartidaTerminada(const tResultadoPartida &r) override { partidas.push_back(r); }
};

struct MesaObservada : Mesa {
    ObservadorFalso obs;
    explicit MesaObservada(float dificultad = Normal) : Mesa(3, dificultad) { juego.Observar(&obs); }
};
}  // namespace

TEST(Informes, EachWayALevelEndsIsReportedOnceWithItsValues)
{
    struct Caso {
        FinNivel fin;
        std::function<void(MesaObservada &)> terminar;
        int encontrados;  // -1: all the level needs
    };
    const Caso casos[] = {
        {FinNivel::Terminado,
            [](MesaObservada &m) {
                for (int i : m.Aciertos())
                    m.juego.ClicEtiqueta(i);
            },
            -1},
        {FinNivel::ClicErroneo,
            [](MesaObservada &m) {
                m.juego.ClicEtiqueta(m.Aciertos()[0]);
                m.juego.ClicEtiqueta(m.UnFallo());
            },
            1},
        {FinNivel::TiempoAgotado, [](MesaObservada &m) { m.Ticks(100000); }, 0},
        {FinNivel::SaltoNivel, [](MesaObservada &m) { m.juego.SaltarNivel("12"); }, 0},
        {FinNivel::Abandono, [](MesaObservada &m) { m.juego.Abandonar(); }, 0},
    };
    for (const Caso &c : casos) {
        MesaObservada m(Facil);
        m.juego.PrepararNivel(6);
        const int necesarios = m.estado.NivelEnJuego.Aciertos;
        const float permitidos = m.estado.TiempoNivel;
        m.juego.Empezar();
        m.Ticks(150);  // 3 seconds
        c.terminar(m);
        ASSERT_EQ(m.obs.niveles.size(), 1u) << int(c.fin);
        const tResultadoNivel &r = m.obs.niveles[0];
        EXPECT_EQ(r.Fin, c.fin);
        EXPECT_EQ(r.Nivel, 7);  // as shown
        EXPECT_EQ(r.Dificultad, Facil);
        EXPECT_FLOAT_EQ(r.SegundosPermitidos, permitidos);
        EXPECT_NEAR(r.SegundosUsados, c.fin == FinNivel::TiempoAgotado ? permitidos : 3.f, 0.01f)
            << int(c.fin);
        EXPECT_EQ(r.Necesarios, necesarios);
        EXPECT_EQ(r.Encontrados, c.encontrados < 0 ? necesarios : c.encontrados);
        if (c.fin == FinNivel::Terminado)
            EXPECT_EQ(r.Puntos, m.estado.PuntosNivel[6]);
        else
            EXPECT_EQ(r.Puntos, 0);
    }
}

TEST(Informes, ALevelNeverStartedIsNotAPlayedLevel)
{
    MesaObservada m;
    m.juego.PrepararNivel(4);
    m.juego.SaltarNivel("9");  // jumped while the goal was shown
    m.juego.Abandonar();       // left before START
    EXPECT_TRUE(m.obs.niveles.empty());
    ASSERT_EQ(m.obs.partidas.size(), 1u);
    EXPECT_EQ(m.obs.partidas[0].NivelMaximo, 10);
}

TEST(Informes, ALeftGameReportsTheScoreOnScreenAndItsHighestLevel)
{
    MesaObservada m(Dificil);
    m.juego.PrepararNivel(0);
    for (int n = 0; n < 3; ++n) {
        m.juego.Empezar();
        for (int i : m.Aciertos())
            m.juego.ClicEtiqueta(i);
    }
    m.juego.Empezar();
    m.juego.ClicEtiqueta(m.UnFallo());  // level 4 failed: back to level 2
    const int32_t enPantalla = m.estado.PuntosTotales;
    m.juego.Abandonar();
    m.juego.Abandonar();  // the screen's close after its own way out: still one report
    ASSERT_EQ(m.obs.partidas.size(), 1u);
    const tResultadoPartida &p = m.obs.partidas[0];
    EXPECT_FALSE(p.Ganada);
    EXPECT_EQ(p.NivelMaximo, 4);
    EXPECT_EQ(p.Total, enPantalla);
    EXPECT_EQ(p.Dificultad, Dificil);
    EXPECT_EQ(m.obs.niveles.size(), 4u);
}

TEST(Informes, AWonGameIsReportedOnceWithTheWinningTotal)
{
    MesaObservada m(MuyFacil);
    m.juego.PrepararNivel(kUltimoNivel);
    m.juego.Empezar();
    for (int i : m.Aciertos())
        m.juego.ClicEtiqueta(i);
    m.juego.Abandonar();  // the game screen closing after the win
    ASSERT_EQ(m.obs.partidas.size(), 1u);
    EXPECT_TRUE(m.obs.partidas[0].Ganada);
    EXPECT_EQ(m.obs.partidas[0].Total, m.estado.PuntosTotales);
    EXPECT_EQ(m.obs.partidas[0].NivelMaximo, 50);
    ASSERT_EQ(m.obs.niveles.size(), 1u);
    EXPECT_EQ(m.obs.niveles[0].Fin, FinNivel::Terminado);
}

// (Word, ink and the keyboard mark of each click are read back from a played game in test_tropiezos.)
TEST(Informes, ClicksArePausesAndTheBoardAreReportedOnlyWhileTheLevelIsInPlay)
{
    MesaObservada m;
    m.juego.PrepararNivel(20);
    m.juego.Empezar();
    const int primera = m.Aciertos()[0];
    m.juego.ClicEtiqueta(primera);
    m.juego.ClicEtiqueta(primera);  // already found: not judged
    m.juego.Pausar();
    m.juego.Reanudar();
    m.juego.ClicEtiqueta(m.UnFallo(), true);
    m.juego.ClicEtiqueta(m.Aciertos()[0]);  // the level set up after the failure, before its START
    EXPECT_EQ(m.obs.starts, 1);
    ASSERT_EQ(m.obs.clics.size(), 2u);
    EXPECT_TRUE(m.obs.clics[0].Acierto && !m.obs.clics[1].Acierto && m.obs.clics[1].Teclado);
    EXPECT_EQ(m.obs.pausas, (std::vector<bool>{true, false}));
    ASSERT_EQ(m.obs.niveles.size(), 1u);
    EXPECT_EQ(m.obs.niveles[0].Colores, m.estado.Niveles[20].Colores);
    EXPECT_EQ(m.obs.niveles[0].Palabras, m.estado.Niveles[20].Etiquetas);
}
