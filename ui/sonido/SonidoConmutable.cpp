#include "SonidoConmutable.h"

SonidoConmutable::SonidoConmutable(Sonido &real, Ajustes &ajustes, std::function<void()> cerrar)
    : real_(real), ajustes_(ajustes)
{
    conexion_ = QObject::connect(
        &ajustes, &Ajustes::Cambiado, [this, cerrar = std::move(cerrar)](Ajustes::Clave c) {
            if (c == Ajustes::Clave::Sonido && !ajustes_.Valor(c) && cerrar)
                cerrar();
        });
}

SonidoConmutable::~SonidoConmutable() { QObject::disconnect(conexion_); }

void SonidoConmutable::ReproducirSonido(const std::string &ruta)
{
    if (ajustes_.Valor(Ajustes::Clave::Sonido))
        real_.ReproducirSonido(ruta);
}
