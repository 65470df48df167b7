// The cue player's module: the game loads it once the title menu is up, so OpenAL and the MP3
// decoder cost nothing at start-up.
#include "EntradaSonido.h"
#include "SonidoOpenAL.h"

#define VELUNDA_EXPORTA extern "C" __attribute__((visibility("default")))

VELUNDA_EXPORTA Reproductor *velunda_crear_sonido() { return new SonidoOpenAL(); }

VELUNDA_EXPORTA void velunda_cerrar_sonido(Reproductor *s) { static_cast<SonidoOpenAL *>(s)->Cerrar(); }
