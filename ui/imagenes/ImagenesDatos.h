// The pictures the windows load: the Data folder's, and the game's own (icon, cursors).
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// A picture from the Data folder beside the program ("Titulo" reads Data/Titulo.jpg); on
// high-density screens the sharper "@2x" file is taken when it is there. Null if missing.
// A large one is decoded once and then taken from the player's cache (CacheImagenes.h).
QPixmap CargarImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad);

// One of the game's own PNG pictures (a file or resource path); null if it cannot be read.
QImage LeerImagenPropia(const QString &archivo);
