// Decoded pictures kept in the player's cache folder between runs, so that the next start
// reads the pixels instead of decoding the file again (the title is most of a start-up's own
// work). Each copy names its source file, with that file's size and modification time; a copy
// that no longer matches, is not whole, or is anything but a plain file is not used, and is
// made anew. The folder keeps the few most recent copies only.
#pragma once

#include <QImage>
#include <QString>

// $XDG_CACHE_HOME/Quorlan/Velunda (by default ~/.cache/Quorlan/Velunda).
QString CarpetaCacheImagenes();

// The cached copy of `fuente`'s picture (RGB32), or null when there is none that matches the
// file as it is now. With `contenido`, the copy is found by it instead of by the file's path:
// a picture the program `fuente` made from that content (its words, its font), so that one
// copy serves wherever the program runs from.
QImage LeerCacheImagen(const QString &fuente, const QByteArray &contenido = {});

// Keeps `imagen` as the copy of `fuente` (RGB32 only). Quietly does nothing where the cache
// folder cannot be written.
void GuardarCacheImagen(const QString &fuente, const QImage &imagen, const QByteArray &contenido = {});

// How many copies the folder keeps at most.
inline constexpr int kCopiasCache = 4;
