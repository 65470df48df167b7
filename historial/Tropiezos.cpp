#include "Tropiezos.h"

#include <algorithm>

int CuboMs(int64_t ms) { return static_cast<int>(std::clamp<int64_t>(ms / kAnchoCuboMs, 0, kUltimoCubo)); }

double MedianaCubos(const std::map<int, int64_t> &cubos)
{
    int64_t total = 0;
    for (const auto &[cubo, veces] : cubos)
        total += veces;
    if (total == 0)
        return 0;
    const double mitad = static_cast<double>(total) / 2;
    int64_t antes = 0;
    for (const auto &[cubo, veces] : cubos) {
        if (static_cast<double>(antes + veces) >= mitad && veces > 0)
            return (cubo + (mitad - static_cast<double>(antes)) / static_cast<double>(veces)) * kAnchoCuboMs;
        antes += veces;
    }
    return static_cast<double>(cubos.rbegin()->first + 1) * kAnchoCuboMs;
}

std::vector<tFallo> PeoresFallos(const tTablaFallos &fallos, int cuantos)
{
    std::vector<tFallo> v;
    for (int p = 0; p < kNumColores; ++p)
        for (int t = 0; t < kNumColores; ++t)
            if (fallos[p][t] > 0)
                v.push_back({p, t, fallos[p][t]});
    std::stable_sort(v.begin(), v.end(), [](const tFallo &a, const tFallo &b) { return a.Veces > b.Veces; });
    if (static_cast<int>(v.size()) > cuantos)
        v.resize(static_cast<std::size_t>(std::max(cuantos, 0)));
    return v;
}

bool HayDatosTropiezos(const tResumenHistorial &r)
{
    return r.FallosAnotados >= kFallosSuficientes || r.PartidasJugadas >= kPartidasSuficientes;
}
