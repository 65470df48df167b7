// What plays a cue file: the OpenAL player, or its module's loader in front of it. Returns at
// once, and a file or device that is missing only leaves the game silent.
#pragma once

#include <string>

class Reproductor {
public:
    virtual ~Reproductor() = default;
    virtual void Reproducir(const std::string &ruta) = 0;
};
