#include "Aleatorio.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <ctime>

void GeneradorMersenne::Sembrar(float segundosDesdeMedianoche)
{
    // Seed from the float's bits: fractions of a second give distinct games too.
    motor_.seed(std::bit_cast<uint32_t>(segundosDesdeMedianoche));
}

double GeneradorMersenne::Siguiente() { return static_cast<double>(motor_() >> 11) * 0x1.0p-53; }

float SegundosDesdeMedianoche()
{
    using namespace std::chrono;
    const auto ahora = system_clock::now();
    const std::time_t t = system_clock::to_time_t(ahora);
    std::tm local{};
    localtime_r(&t, &local);
    const double fraccion = duration<double>(ahora.time_since_epoch()).count()
        - std::floor(duration<double>(ahora.time_since_epoch()).count());
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + fraccion);
}

int Aleatorio(GeneradorUniforme &g, int bajo, int alto)
{
    const double r = g.Siguiente();
    const int n = static_cast<int>(std::floor(static_cast<double>(alto - bajo + 1) * r + bajo));
    // A generator that broke its [0, 1) promise must still not index out of range.
    return n < bajo ? bajo : (n > alto ? alto : n);
}
