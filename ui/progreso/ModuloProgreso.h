// The progress window and the check-up come in a module of their own beside the program
// (velunda_progreso.so), loaded the first time either is opened.
#pragma once

#include <QString>

struct Contexto;
class QWidget;

// The module's entry points. It takes the game's classes from the program that loads it, so
// it is used only when it is of the program's own version (VELUNDA_VERSION_MODULO).
extern "C" const char *velunda_progreso_version();
extern "C" void velunda_abrir_progreso(Contexto &ctx, QWidget *padre);
extern "C" void velunda_abrir_chequeo(Contexto &ctx, QWidget *padre);

// Loads the module from `carpeta` (once) and opens the window modally over `padre`. When the
// module cannot be loaded, a message says so and the game goes on.
void AbrirProgresoDesdeModulo(Contexto &ctx, QWidget *padre, const QString &carpeta);
// The same for the check-up.
void AbrirChequeoDesdeModulo(Contexto &ctx, QWidget *padre, const QString &carpeta);
