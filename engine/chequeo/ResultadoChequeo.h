// What a check-up measured, from its trials: per condition, the median time of the right
// answers and the share of errors; the interference is the incongruent median less the
// congruent one. Practice trials and anticipations are left out; a trial with no answer in
// time is an error.
#pragma once

#include "Ensayos.h"

#include <array>
#include <optional>
#include <vector>

struct tCondicionChequeo {
    std::optional<double> mediana;  // ms, right answers only; none without one
    int conservados = 0;            // trials counted
    int errores = 0;                // wrong answers and no answer in time
    double TasaError() const { return conservados ? static_cast<double>(errores) / conservados : 0.0; }
    // The median divided by the share right: slowness and errors in one figure.
    std::optional<double> EficienciaInversa() const;
};

struct tResultadoChequeo {
    std::array<tCondicionChequeo, kNumCondiciones> condiciones{};
    std::optional<double> interferencia;  // ms; none unless both medians exist
    int conservados = 0;                  // trials counted, every condition
    int anticipaciones = 0;               // answers sooner than kMsAnticipacion, dropped
    int sinRespuesta = 0;                 // trials with no answer in time

    const tCondicionChequeo &De(Condicion c) const { return condiciones[static_cast<int>(c)]; }
};

tResultadoChequeo CalcularResultado(const std::vector<tEnsayo> &ensayos);

// The middle value (the mean of the middle two for an even count); none for no values.
std::optional<double> Mediana(std::vector<int> valores);
