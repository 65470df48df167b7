// The cue player lives in a module beside the program (velunda_sonido.so) with OpenAL and the
// MP3 decoder, whose libraries (ALSA's among them) are a good part of a program's start-up.
// It is loaded a moment after the title menu is up, or by the first cue if that comes first.
// Without the module the game is silent, as it is without an audio device, and playable.
#pragma once

#include "EntradaSonido.h"
#include "Reproductor.h"

#include <QString>
#include <memory>

class QLibrary;

class SonidoModulo : public Reproductor {
public:
    // `carpeta`: the folder that holds the module.
    explicit SonidoModulo(QString carpeta);
    ~SonidoModulo() override;
    SonidoModulo(const SonidoModulo &) = delete;
    SonidoModulo &operator=(const SonidoModulo &) = delete;

    void Reproducir(const std::string &ruta) override;
    // Loads the module now; only the first call tries.
    void Cargar();
    // Closes the audio device, as the player's own Cerrar; nothing before the module is loaded.
    void Cerrar();
    bool Cargado() const { return real_ != nullptr; }

private:
    QString carpeta_;
    bool intentado_ = false;
    std::unique_ptr<QLibrary> modulo_;  // never unloaded: the player's code must outlive it
    std::unique_ptr<Reproductor> real_;
    decltype(&velunda_cerrar_sonido) cerrar_ = nullptr;
};
