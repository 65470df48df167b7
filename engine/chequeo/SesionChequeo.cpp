#include "SesionChequeo.h"

SesionChequeo::SesionChequeo(GeneradorUniforme &g, int porCondicion)
    : azar_(g), ensayos_(GenerarEnsayos(g, porCondicion))
{
    if (ensayos_.empty())
        fase_ = Fase::Terminada;
}

int SesionChequeo::Blanco() { return BlancoMs(azar_); }

void SesionChequeo::PedirPalabra()
{
    if (fase_ == Fase::Blanco)
        fase_ = Fase::Pintando;
}

void SesionChequeo::Mostrada(int64_t ns)
{
    if (fase_ != Fase::Pintando)
        return;
    mostrada_ = ns;
    fase_ = Fase::Palabra;
}

bool SesionChequeo::Responder(int tinta, int64_t ns)
{
    if (fase_ != Fase::Palabra)
        return false;
    const int64_t ms = (ns - mostrada_ + 500'000) / 1'000'000;
    if (ms >= kMsLimite) {
        // Came after the limit (a busy event loop held the time-out back): no answer in time.
        SinRespuesta();
        return true;
    }
    tEnsayo &e = ensayos_[actual_];
    e.respuesta = tinta;
    e.ms = static_cast<int>(ms < 0 ? 0 : ms);
    Siguiente();
    return true;
}

void SesionChequeo::SinRespuesta()
{
    if (fase_ != Fase::Palabra)
        return;
    tEnsayo &e = ensayos_[actual_];
    e.respuesta = -1;
    e.ms = kMsLimite;
    Siguiente();
}

void SesionChequeo::Pausar()
{
    if (fase_ != Fase::Terminada)
        fase_ = Fase::Blanco;
}

void SesionChequeo::Siguiente()
{
    ++actual_;
    fase_ = actual_ < Total() ? Fase::Blanco : Fase::Terminada;
}
