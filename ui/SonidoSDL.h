// Plays the game's sound cues through SDL2_mixer. The audio device is opened by the first
// cue; when it cannot be opened the game stays silent for the rest of the run. Each cue
// file is decoded once and kept; a file that cannot be read or decoded is remembered as
// missing and never tried again. Cues play on any free channel, so they may overlap, and
// every call returns at once.
#pragma once

#include "Sonido.h"

#include <memory>
#include <string>
#include <unordered_map>

struct Mix_Chunk;

class SonidoSDL : public Sonido {
public:
    static constexpr int Canales = 16;  // cues that can sound at the same time

    SonidoSDL() = default;
    ~SonidoSDL() override;
    SonidoSDL(const SonidoSDL &) = delete;
    SonidoSDL &operator=(const SonidoSDL &) = delete;

    void ReproducirSonido(const std::string &ruta) override;
    // Stops every cue and closes the audio device; the next cue opens it again.
    void Cerrar();

    // State the player never sees, for tests.
    bool AudioAbierto() const { return estado_ == Estado::Abierto; }
    bool Mudo() const { return estado_ == Estado::Mudo; }
    bool Cargado(const std::string &ruta) const;  // decoded and kept

private:
    enum class Estado { SinAbrir, Abierto, Mudo };
    struct LiberarChunk {
        void operator()(Mix_Chunk *c) const;
    };
    using Chunk = std::unique_ptr<Mix_Chunk, LiberarChunk>;

    bool AbrirAudio();
    Mix_Chunk *Cargar(const std::string &ruta);

    Estado estado_ = Estado::SinAbrir;
    std::unordered_map<std::string, Chunk> cues_;  // a null entry: missing or undecodable
};
