// The entry points of the cue player's module (velunda_sonido.so).
#pragma once

class Reproductor;

// A new cue player; the caller owns it (deleted while the module is loaded).
extern "C" Reproductor *velunda_crear_sonido();
// Closes the audio device of a player made above (the next cue opens it again).
extern "C" void velunda_cerrar_sonido(Reproductor *s);
