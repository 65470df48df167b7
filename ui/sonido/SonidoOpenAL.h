// Plays the game's sound cues: each MP3 file is decoded once (DecodificarMp3) and kept,
// then played by OpenAL, which loads its output back-end (PulseAudio, ALSA, ...) only when
// a device opens. The device opens with the first cue; when it cannot be opened the game stays
// silent until the device is closed on purpose. A file that cannot be read or decoded is
// remembered as missing and never tried again. Cues play on any free source, so they may
// overlap, and every call returns at once.
#pragma once

#include "Reproductor.h"

#include <array>
#include <string>
#include <unordered_map>

struct ALCdevice_struct;   // OpenAL's ALCdevice
struct ALCcontext_struct;  // OpenAL's ALCcontext

class SonidoOpenAL : public Reproductor {
public:
    static constexpr int Canales = 16;  // cues that can sound at the same time

    // `dispositivo` names an OpenAL output device; empty, the system's default one.
    explicit SonidoOpenAL(std::string dispositivo = {});
    ~SonidoOpenAL() override;
    SonidoOpenAL(const SonidoOpenAL &) = delete;
    SonidoOpenAL &operator=(const SonidoOpenAL &) = delete;

    void Reproducir(const std::string &ruta) override;

    // Stops every cue, forgets the decoded ones and closes the device, which the next cue
    // opens again (trying once more if it could not be opened before).
    void Cerrar();

    // State the player never sees, for tests.
    bool AudioAbierto() const { return estado_ == Estado::Abierto; }
    bool Mudo() const { return estado_ == Estado::Mudo; }
    bool Cargado(const std::string &ruta) const;  // decoded and kept
    int CuesSonando() const;
    int CopiasDecodificadas() const;  // cues held in memory, each once

private:
    enum class Estado { SinAbrir, Abierto, Mudo };

    bool AbrirAudio();
    unsigned Cargar(const std::string &ruta);

    std::string nombreDispositivo_;
    Estado estado_ = Estado::SinAbrir;
    ALCdevice_struct *dispositivo_ = nullptr;
    ALCcontext_struct *contexto_ = nullptr;
    std::array<unsigned, Canales> fuentes_{};
    std::unordered_map<std::string, unsigned> cues_;  // OpenAL buffers; 0: missing or undecodable
};
