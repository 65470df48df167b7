#include "SonidoConmutable.h"

const char *ArchivoSenal(Senal senal)
{
    switch (senal) {
    case Senal::Bien:
        return "bien.mp3";
    case Senal::Genial:
        return "genial.mp3";
    case Senal::SigueAsi:
        return "sigue_asi.mp3";
    case Senal::UnoMenos:
        return "uno_menos.mp3";
    case Senal::Vale:
        return "vale.mp3";
    case Senal::No:
        return "no.mp3";
    case Senal::Uy:
        return "uy.mp3";
    case Senal::Vaya:
        return "vaya.mp3";
    case Senal::Victoria:
        return "que_bueno_eres_tio.mp3";
    }
    return "";
}

SonidoConmutable::SonidoConmutable(Reproductor &real, Ajustes &ajustes, QString dirApp, std::function<void()> cerrar)
    : real_(real), dirApp_(std::move(dirApp)), ajustes_(ajustes)
{
    conexion_ = QObject::connect(
        &ajustes, &Ajustes::Cambiado, [this, cerrar = std::move(cerrar)](Ajustes::Clave c) {
            if (c == Ajustes::Clave::Sonido && !ajustes_.Valor(c) && cerrar)
                cerrar();
        });
}

SonidoConmutable::~SonidoConmutable() { QObject::disconnect(conexion_); }

void SonidoConmutable::ReproducirSonido(Senal senal)
{
    if (ajustes_.Valor(Ajustes::Clave::Sonido))
        real_.Reproducir((dirApp_ + QStringLiteral("/Data/") + QLatin1String(ArchivoSenal(senal))).toStdString());
}
