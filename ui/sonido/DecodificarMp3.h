// Turns an MP3 cue file into 16-bit samples with libmpg123, at the file's own rate and
// channel count (the player resamples), so a cue is decoded once and then only played.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SonidoDecodificado {
    std::vector<int16_t> muestras;  // interleaved when stereo
    long frecuencia = 0;            // samples per second
    int canales = 0;                // 1 or 2
    bool Vacio() const { return muestras.empty(); }
};

// An empty result when the file is missing, unreadable, or holds no MPEG audio.
SonidoDecodificado DecodificarMp3(const std::string &ruta);
