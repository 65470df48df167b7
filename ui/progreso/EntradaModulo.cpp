// The progress window's module. The game loads it the first time the player opens the window,
// so Qt Charts, and the OpenGL libraries that come with it, cost nothing at start-up.
#include "ModuloProgreso.h"
#include "frmChequeo.h"
#include "frmProgreso.h"

extern "C" Q_DECL_EXPORT const char *velunda_progreso_version() { return VELUNDA_VERSION_MODULO; }

extern "C" Q_DECL_EXPORT void velunda_abrir_progreso(Contexto &ctx, QWidget *padre)
{
    AbrirProgreso(ctx, padre);
}

extern "C" Q_DECL_EXPORT void velunda_abrir_chequeo(Contexto &ctx, QWidget *padre) { AbrirChequeo(ctx, padre); }
