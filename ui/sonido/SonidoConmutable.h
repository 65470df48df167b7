// The cues the rules name, played from the Data folder's files while the player's "sound"
// setting is on: with sound off no audio device is ever opened, and turning sound off closes
// one that is open.
#pragma once

#include "Ajustes.h"
#include "Reproductor.h"
#include "Sonido.h"

#include <QMetaObject>
#include <QString>
#include <functional>

// The file of each cue in the Data folder.
const char *ArchivoSenal(Senal senal);

class SonidoConmutable : public Sonido {
public:
    // `dirApp`: the folder that holds Data/. `cerrar` closes the player's audio device (it
    // reopens on the next cue).
    SonidoConmutable(Reproductor &real, Ajustes &ajustes, QString dirApp, std::function<void()> cerrar);
    ~SonidoConmutable() override;
    SonidoConmutable(const SonidoConmutable &) = delete;
    SonidoConmutable &operator=(const SonidoConmutable &) = delete;

    void ReproducirSonido(Senal senal) override;

private:
    Reproductor &real_;
    QString dirApp_;
    Ajustes &ajustes_;
    QMetaObject::Connection conexion_;
};
