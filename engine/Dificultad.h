// The names of the four difficulties, as the rules keep them (codes 0..3, see EstadoJuego.h).
#pragma once

// "VERY EASY", "EASY", "NORMAL", "HARD" for codes 0..3, in English; the screen shows them
// translated (context "Dificultad"). Null for any other code.
const char *NombreDificultad(int codigo);
