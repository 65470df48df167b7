// One check-up under way: which trial is on, when its word reached the screen, the answers.
// The screen hands it every moment (nanoseconds of one monotonic clock); it reads no clock of
// its own, so a test can play a whole check-up with made-up times.
#pragma once

#include "Ensayos.h"

#include <cstdint>
#include <vector>

class SesionChequeo {
public:
    enum class Fase {
        Blanco,     // between trials: answers are not taken
        Pintando,   // the word is asked for but not yet on screen: answers are not taken
        Palabra,    // the word is on screen and its clock runs
        Terminada,  // every trial answered
    };

    explicit SesionChequeo(GeneradorUniforme &g, int porCondicion = kEnsayosPorCondicion);

    Fase Estado() const { return fase_; }
    bool Terminada() const { return fase_ == Fase::Terminada; }
    // The trial on screen or next; not after the end.
    const tEnsayo &Actual() const { return ensayos_[actual_]; }
    int Numero() const { return actual_; }
    int Total() const { return static_cast<int>(ensayos_.size()); }
    const std::vector<tEnsayo> &Ensayos() const { return ensayos_; }

    // Milliseconds of blank before the next word, drawn anew.
    int Blanco();
    // The blank is over: the word is to be painted.
    void PedirPalabra();
    // The word's first frame reached the screen at `ns`: its clock starts there. Later frames
    // of the same word do not move it.
    void Mostrada(int64_t ns);
    // An answer (a palette index) at `ns`. Taken only while the word is on screen; it ends the
    // trial. False when it was not taken.
    bool Responder(int tinta, int64_t ns);
    // The limit passed with no answer: the trial ends as an error.
    void SinRespuesta();
    // A pause hides the word: the trial on screen is not kept and comes again, from its blank.
    void Pausar();

private:
    void Siguiente();

    GeneradorUniforme &azar_;
    std::vector<tEnsayo> ensayos_;
    int actual_ = 0;
    Fase fase_ = Fase::Blanco;
    int64_t mostrada_ = 0;
};
