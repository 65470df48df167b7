// The pictures the windows load: the Data folder's, and the game's own (icon, cursors).
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>

// The kinds of picture in the Data folder: photographic JPEG, or lossless PNG for drawings
// that must keep every painted pixel.
enum class FormatoDatos { Jpeg, Png };

inline constexpr int kEsperaGuardarCacheMs = 500;

// A picture from the Data folder beside the program ("Titulo" reads Data/Titulo.jpg, or
// Data/Titulo.png as PNG); on high-density screens the sharper "@2x" file is taken when it
// is there. Null if missing or unreadable. A large one is decoded once and then taken from
// the player's cache (CacheImagenes.h), where it is written kEsperaGuardarCacheMs later
// (with an application object; at once without one), or at GuardarCachePendiente().
QPixmap CargarImagenDatos(
    const QString &dirApp, const QString &nombre, qreal densidad, FormatoDatos formato = FormatoDatos::Jpeg);

// A picture the program paints itself (opaque), the same on every run of this program with
// the same `contenido` (what it depends on besides the program: its words, its font, its
// density): painted by `pintar` the first time, then taken from the player's cache like a
// large Data picture, at `densidad`.
QPixmap CargarImagenPintada(
    const QByteArray &contenido, qreal densidad, const std::function<QImage()> &pintar);

// Writes into the cache at once the pictures still waiting to be kept.
void GuardarCachePendiente();

// One of the game's own PNG pictures (a file or resource path); null if it cannot be read.
QImage LeerImagenPropia(const QString &archivo);
