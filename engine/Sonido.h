// How the rules ask for a sound cue: by name. Whatever plays it knows the cue's file, must
// return at once and never disturb the game when a file or the audio device is missing.
#pragma once

// The nine spoken cues: five for a match, three for a failure, one for the win.
enum class Senal { Bien, Genial, SigueAsi, UnoMenos, Vale, No, Uy, Vaya, Victoria };

class Sonido {
public:
    virtual ~Sonido() = default;
    virtual void ReproducirSonido(Senal senal) = 0;
};
