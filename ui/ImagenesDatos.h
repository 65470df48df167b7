// The pictures the windows load: the Data folder's, and the game's own (icon, cursors).
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>

// A picture from the Data folder beside the program ("Titulo" reads Data/Titulo.jpg); on
// high-density screens the sharper "@2x" file is taken when it is there. Null if missing.
QPixmap CargarImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad);

// Starts reading that picture on a worker thread; the next CargarImagenDatos of the same
// picture at the same density takes the result (waiting for it if need be). For the title
// picture, which is most of the title menu's start-up: it is decoded while the program sets
// everything else up.
void AnticiparImagenDatos(const QString &dirApp, const QString &nombre, qreal densidad);

// A picture the program paints itself (opaque), the same on every run of this program with
// the same `contenido` (what it depends on besides the program: its words, its font, its
// density): painted by `pintar` the first time, then taken from the player's cache like a
// large Data picture, at `densidad`.
QPixmap CargarImagenPintada(
    const QByteArray &contenido, qreal densidad, const std::function<QImage()> &pintar);

// A large Data picture, once decoded, is kept in the player's cache (CacheImagenes.h) by a
// worker thread; this waits for those being written.
void EsperarCacheImagenes();

// The same for the game's own PNG pictures (file or resource paths), read in turn on one
// worker thread. Both may be called before the application object exists.
void AnticiparImagenes(const QStringList &archivos);
// The picture read ahead for `archivo` (waiting for it if need be), or read now if it was not.
QImage TomarImagen(const QString &archivo);
