// The arithmetic behind "what trips you": the worst slips of the word-by-ink table, medians
// of click times kept in buckets, and when there is enough to show.
#pragma once

#include "ResumenHistorial.h"

#include <cstdint>
#include <map>
#include <vector>

// Right clicks' milliseconds are kept in buckets this wide; the last holds everything slower.
constexpr int kAnchoCuboMs = 20;
constexpr int kUltimoCubo = 999;
int CuboMs(int64_t ms);

// Counts by bucket (bucket -> clicks). The median, placed within its bucket as if the clicks
// there were spread evenly; 0 for no clicks.
double MedianaCubos(const std::map<int, int64_t> &cubos);

struct tFallo {
    int Palabra = 0;
    int Tinta = 0;
    int Veces = 0;
};
// The `cuantos` most frequent slips, most first; a tie goes in palette order of word, then ink.
std::vector<tFallo> PeoresFallos(const tTablaFallos &fallos, int cuantos);

// Enough to show the slips and the pace: this many wrong clicks kept, or this many games.
constexpr int kFallosSuficientes = 20;
constexpr int kPartidasSuficientes = 5;
bool HayDatosTropiezos(const tResumenHistorial &r);
