// The check-up's trials: one word at a time, printed in one of four inks, answered by the ink.
// A trial is congruent (the word names its ink), incongruent (another colour word) or neutral
// (a row of X's).
#pragma once

#include "Aleatorio.h"

#include <array>
#include <cstdint>
#include <vector>

enum class Condicion { Congruente = 0, Incongruente = 1, Neutra = 2 };
constexpr int kNumCondiciones = 3;

// The four inks of the check-up, as palette indices: RED, GREEN, BLUE, YELLOW.
inline constexpr std::array<int, 4> kTintasChequeo{0, 1, 2, 5};
constexpr int kEnsayosPorCondicion = 36;
constexpr int kEnsayosPractica = 3;
constexpr int kPalabraNeutra = -1;  // the word of a neutral trial: a row of X's

// Answers sooner than this after the word are anticipations, dropped and counted; a trial
// with no answer by the limit is an error.
constexpr int kMsAnticipacion = 200;
constexpr int kMsLimite = 3000;
constexpr int kMsBlancoMinimo = 400, kMsBlancoMaximo = 700;

struct tEnsayo {
    Condicion condicion = Condicion::Neutra;
    int palabra = kPalabraNeutra;  // palette index, or kPalabraNeutra
    int tinta = 0;                 // palette index
    bool practica = false;
    int respuesta = -1;  // the ink answered (palette index); -1: none in time
    int ms = 0;          // from the word on screen to the answer

    bool Contestado() const { return respuesta >= 0; }
    bool Anticipado() const { return Contestado() && ms < kMsAnticipacion; }
    // Counted in the result: not practice, not an anticipation.
    bool Conservado() const { return !practica && !Anticipado(); }
    bool Acertado() const { return Contestado() && respuesta == tinta; }
};

// The practice trials (one of each condition) and then `porCondicion` of each condition, in a
// random order; no ink follows itself, practice included.
std::vector<tEnsayo> GenerarEnsayos(GeneradorUniforme &g, int porCondicion = kEnsayosPorCondicion);

// The blank before a trial, drawn anew each time.
int BlancoMs(GeneradorUniforme &g);

// Stable English names for files (the history, CSV): congruent, incongruent, neutral.
const char *NombreCondicion(Condicion c);
