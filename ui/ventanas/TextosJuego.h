// The game screen's messages: turns what the rules report (a level goal, a level's end, a
// fall-back, the win) into text in the player's language. English is the source text;
// with no translation loaded these are the game's English texts exactly. The colour words
// come from NombrePaleta (Estilo.h).
#pragma once

#include "PantallaJuego.h"

#include <QString>

// The goal on the message panel: level as shown (1..50), matches to find, whole seconds.
QString TextoObjetivo(int nivel, int aciertos, int segundos);

// A difficulty's name (codes 0..3) in the player's language; empty for any other code. The
// high-score file keeps the code, so a table reads the same whatever language wrote it.
QString TextoDificultad(int codigo);

// The text of a report's message box, its lines joined by "\n".
QString TextoInforme(const Informe &informe);
