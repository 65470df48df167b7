// What the game asks of Qt before the application object exists.
#pragma once

// Call first in main(), before QApplication: Qt reads these settings as it starts.
void PrepararEntornoQt();

// The program's and its maker's names, which place the player's settings file; with the
// application object up, before the first Ajustes.
void NombrarPrograma();
