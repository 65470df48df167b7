// Where the high-score table is kept. The file ships as Data/HOF.rec beside the program;
// when that folder cannot be written (an installed game), or the file in it can be read
// but not written (read-only, or another user's), the table lives in the player's own
// application-data folder instead, seeded from the shipped file.
#pragma once

#include <QString>

// True when a new file can be created in `directorio` (tried, not guessed from modes).
bool DirectorioEscribible(const QString &directorio);

using PruebaEscritura = bool (*)(const QString &directorio);

// The file to read and write, given the folder that holds the program. `dirUsuario`
// defaults to the application-data location; `escribible` is the test of the Data folder.
// On first use of the per-user file it is created as a copy of the shipped one.
QString RutaHOF(const QString &dirApp, const QString &dirUsuario = QString(),
    PruebaEscritura escribible = &DirectorioEscribible);
