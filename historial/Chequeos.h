// A check-up as the history keeps it: when it ended, with which inks, and its result, for
// the chart of check-ups over time.
#pragma once

#include <QDateTime>
#include <optional>

struct tChequeoGuardado {
    qint64 id = 0;
    QDateTime fin;  // UTC
    bool tintasSeguras = false;
    std::optional<double> interferencia;  // ms; none when a median was missing
    // Medians of the right answers, ms; none for a condition without one.
    std::optional<double> medianaCongruente, medianaIncongruente, medianaNeutra;
    // Share of each condition's kept trials answered wrong or not in time, 0 to 1.
    double errorCongruente = 0, errorIncongruente = 0, errorNeutra = 0;
    int conservados = 0;     // trials the result counted
    int anticipaciones = 0;  // answers too soon, dropped
    int sinRespuesta = 0;    // trials with no answer in time
};
