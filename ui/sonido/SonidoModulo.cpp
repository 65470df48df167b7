#include "SonidoModulo.h"

#include <QLibrary>
#include <QtGlobal>

SonidoModulo::SonidoModulo(QString carpeta) : carpeta_(std::move(carpeta)) {}

SonidoModulo::~SonidoModulo() = default;

void SonidoModulo::Cargar()
{
    if (intentado_)
        return;
    intentado_ = true;
    modulo_ = std::make_unique<QLibrary>(carpeta_ + QStringLiteral("/velunda_sonido"));
    // Every symbol bound at load: a broken module fails here, not in the middle of a game.
    modulo_->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const auto crear = reinterpret_cast<decltype(&velunda_crear_sonido)>(modulo_->resolve("velunda_crear_sonido"));
    cerrar_ = reinterpret_cast<decltype(&velunda_cerrar_sonido)>(modulo_->resolve("velunda_cerrar_sonido"));
    if (crear && cerrar_)
        real_.reset(crear());
    else
        qWarning("velunda: no sound: %s", qPrintable(modulo_->errorString()));
}

void SonidoModulo::Reproducir(const std::string &ruta)
{
    Cargar();
    if (real_)
        real_->Reproducir(ruta);
}

void SonidoModulo::Cerrar()
{
    if (real_)
        cerrar_(real_.get());
}
