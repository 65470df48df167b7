// How the rules ask for a sound cue. The game only names the cue file; whatever plays it
// must return at once and never disturb the game when a file or the audio device is missing.
#pragma once

#include <string>

class Sonido {
public:
    virtual ~Sonido() = default;
    virtual void ReproducirSonido(const std::string &ruta) = 0;
};
