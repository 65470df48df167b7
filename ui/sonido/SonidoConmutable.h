// Sound on/off in front of the cue player: a cue reaches the player only while the player's
// "sound" setting is on, so with sound off no audio device is ever opened; turning sound off
// closes one that is open.
#pragma once

#include "Ajustes.h"
#include "Sonido.h"

#include <QMetaObject>
#include <functional>

class SonidoConmutable : public Sonido {
public:
    // `cerrar` closes the player's audio device (it reopens on the next cue).
    SonidoConmutable(Sonido &real, Ajustes &ajustes, std::function<void()> cerrar);
    ~SonidoConmutable() override;
    SonidoConmutable(const SonidoConmutable &) = delete;
    SonidoConmutable &operator=(const SonidoConmutable &) = delete;

    void ReproducirSonido(const std::string &ruta) override;

private:
    Sonido &real_;
    Ajustes &ajustes_;
    QMetaObject::Connection conexion_;
};
