// The random source of the game, injectable so tests can replay a game exactly.
#pragma once

#include <cstdint>
#include <random>

class GeneradorUniforme {
public:
    virtual ~GeneradorUniforme() = default;
    virtual void Sembrar(float segundosDesdeMedianoche) = 0;
    virtual double Siguiente() = 0;  // uniform in [0, 1)
};

// The generator the game plays with.
class GeneradorMersenne : public GeneradorUniforme {
public:
    void Sembrar(float segundosDesdeMedianoche) override;
    double Siguiente() override;

private:
    std::mt19937_64 motor_{0};
};

// Seconds since local midnight, the seed of every game screen load.
float SegundosDesdeMedianoche();

// A whole number from bajo to alto, both included, every value equally likely.
int Aleatorio(GeneradorUniforme &g, int bajo, int alto);
