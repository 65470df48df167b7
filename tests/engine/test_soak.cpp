// A long random session through the rules: 100 000 levels of random clicks, wrong clicks,
// time-outs and level jumps, with the board and score invariants checked after every step.
#include "Falsos.h"
#include "Niveles.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

// Everything that must hold between any two steps of a game; returns what broke.
std::string Invariantes(const Mesa &m, bool recienGanada)
{
    const EstadoJuego &e = m.estado;
    if (recienGanada) {  // the screen closes on the finished last level
        if (!e.PartidaGanada || e.NivelActual != kUltimoNivel)
            return "win without the last level";
        if (e.PuntosTotales != std::accumulate(e.PuntosNivel.begin(), e.PuntosNivel.end(), 0))
            return "winning total is not the sum of all levels";
        return {};
    }
    const tNivel &n = e.NivelEnJuego;
    if (e.NivelActual < 0 || e.NivelActual > kUltimoNivel)
        return "level out of range";
    if (!(n == e.Niveles[e.NivelActual]))
        return "level record is not the current row";
    int mostradas = 0, aciertos = 0, encontradas = 0;
    for (const tCasilla &c : e.Casillas) {
        if (c.Color < 0 || c.Color >= n.Colores || c.Texto < 0 || c.Texto >= n.Colores)
            return "colour index out of play";
        mostradas += c.Visible;
        if (c.EsAcierto() && !c.Visible)
            return "hidden match";
        aciertos += c.EsAcierto();
        if (c.Encontrada && !(c.Visible && c.EsAcierto()))
            return "found cell that is no match";
        encontradas += c.Encontrada;
    }
    if (mostradas != n.Etiquetas || aciertos != n.Aciertos)
        return "board does not hold the level's labels and matches";
    if (encontradas != m.juego.Encontrados() || encontradas >= n.Aciertos)
        return "found counter disagrees with the board";
    if (e.TiempoRestante < 0 || e.TiempoRestante > e.TiempoNivel)
        return "time left out of range";
    for (int j = e.NivelActual; j < kNumNiveles; ++j)
        if (e.PuntosNivel[j] != 0)
            return "score kept above the current level";
    for (int j = 0; j < e.NivelActual; ++j)
        if (e.PuntosNivel[j] < 0
            || e.PuntosNivel[j] > 100 * TiempoPermitido(e.Niveles[j], e.DificultadActual))
            return "level score beyond its allowance";
    if (e.PuntosTotales != std::accumulate(e.PuntosNivel.begin(), e.PuntosNivel.begin() + e.NivelActual, 0))
        return "total is not the sum of the levels below";
    return {};
}

}  // namespace

TEST(Resistencia, HundredThousandRandomLevelsKeepEveryInvariant)
{
    Mesa m(20261207);
    std::mt19937 dado(99);
    auto tirar = [&](int n) { return static_cast<int>(dado() % n); };
    int niveles = 0, victorias = 0, pasos = 0;
    m.juego.PrepararNivel(0);
    while (niveles < 100000) {
        ++pasos;
        if (m.pantalla.victorias > victorias) {  // a won game: a new one on a fresh screen
            victorias = m.pantalla.victorias;
            m.estado.PartidaGanada = false;
            m.estado.DificultadActual = static_cast<float>(tirar(4));
            m.juego.CargaInicial();
            m.juego.PrepararNivel(0);
            ++niveles;
        } else if (m.juego.EsperandoEmpezar()) {
            if (tirar(50) == 0) {
                m.juego.SaltarNivel(std::to_string(tirar(60) - 5));
                ++niveles;
            } else {
                m.juego.Empezar();
            }
        } else {
            const int nivelAntes = m.estado.NivelActual;
            const size_t mensajesAntes = m.pantalla.mensajes.size();
            const int accion = tirar(100);
            if (accion < 80) {
                const auto a = m.Aciertos();
                m.juego.ClicEtiqueta(a[tirar(static_cast<int>(a.size()))]);
            } else if (accion < 84) {
                m.juego.ClicEtiqueta(m.UnFallo());
            } else if (accion < 90) {
                m.juego.ClicEtiqueta(tirar(32));
            } else if (accion < 99) {
                m.Ticks(1 + tirar(tirar(10) == 0 ? 6000 : 200));
            } else {
                m.juego.SaltarNivel(std::to_string(tirar(50)));
            }
            if (m.pantalla.mensajes.size() != mensajesAntes || m.estado.NivelActual != nivelAntes
                || m.juego.EsperandoEmpezar())
                niveles += m.juego.EsperandoEmpezar();
        }
        const std::string roto = Invariantes(m, m.pantalla.victorias > victorias);
        ASSERT_EQ(roto, "") << "after step " << pasos << " at level " << m.estado.NivelActual;
    }
    EXPECT_GT(victorias, 0);  // the session did reach the end of the game
}
