// Where the game's Data folder is. In the build tree, and in any copy of it, Data/ lies
// beside the program. An installed game keeps Data/ in the system's shared data folder,
// reached from the program's own folder by the path its install layout fixed; that copy
// belongs to every player and to the package manager, so nothing is ever written there.
#pragma once

#include <QString>

struct UbicacionDatos {
    QString dir;              // the folder that holds Data/
    bool compartida = false;  // found through the install layout: read-only for the game
};

// `dirPrograma`: the folder of the running program. `desdePrograma`: the folder that holds
// Data/ in the install layout, relative to `dirPrograma` (or absolute). A Data/ beside the
// program wins; without one the install layout's folder is taken, whether it exists or not
// (a missing picture is drawn by the game itself).
UbicacionDatos BuscarDatos(const QString &dirPrograma, const QString &desdePrograma);

// The running program's folder before the application object exists, which Qt needs to
// tell it: read from /proc/self/exe, as Qt reads it on Linux. Empty where that is missing.
QString CarpetaDelPrograma();
