// What the rules report about a game as it is played: each START, pause and judged click,
// how each level ended and how the game ended, as plain records. Whoever keeps a history
// implements it; the rules only call. Moments are not part of the records: the rules count
// ticks and never read a clock, so the listener stamps the time it is told.
#pragma once

#include <cstdint>

// The ways a level in play can end.
enum class FinNivel { Terminado, ClicErroneo, TiempoAgotado, SaltoNivel, Abandono };

struct tResultadoNivel {
    int Dificultad = 0;              // 0 VERY EASY .. 3 HARD
    int Nivel = 1;                   // as the player sees it, 1..50
    float SegundosPermitidos = 0.f;  // the level's allowance
    float SegundosUsados = 0.f;      // allowance minus what was left on the clock
    int Encontrados = 0;             // matches found ...
    int Necesarios = 0;              // ... of the matches needed
    int32_t Puntos = 0;              // the points the level scored (0 unless finished)
    FinNivel Fin = FinNivel::Terminado;
    int Colores = 0;   // colours in play
    int Palabras = 0;  // word labels on the board
};

// A click on a live word label, as judged.
struct tClic {
    int Casilla = 0;  // 0..31
    int Palabra = 0;  // palette index of the word ...
    int Tinta = 0;    // ... and of the colour it is printed in
    bool Acierto = false;
    bool Teclado = false;  // chosen with Space or Enter on the focus ring
};

struct tResultadoPartida {
    int Dificultad = 0;
    int NivelMaximo = 1;  // the highest level set up in the game, 1..50
    int32_t Total = 0;    // the winning total, or the score shown when the game was left
    bool Ganada = false;
    bool Relajada = false;  // played at ten times the time
};

class ObservadorPartida {
public:
    virtual ~ObservadorPartida() = default;
    // A new game screen has been loaded: a game begins.
    virtual void PartidaEmpezada() = 0;
    virtual void NivelTerminado(const tResultadoNivel &r) = 0;
    // START, a pause and its end, and each judged click of the level in play, reported as
    // they happen, so the listener can time them.
    virtual void NivelEmpezado() { }
    virtual void PausaCambiada(bool /*enPausa*/) { }
    virtual void ClicJuzgado(const tClic & /*c*/) { }
    virtual void PartidaTerminada(const tResultadoPartida &r) = 0;
};
