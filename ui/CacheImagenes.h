// Decoded pictures kept in the player's cache folder between runs, so that the next start maps
// the pixels in instead of decoding the file again: on this machine, decoding the title took
// about a tenth of the start-up. Each copy names its source file, with that file's size and
// modification time; a copy that no longer matches, or is not whole, is not used and is made
// anew. Usable before the application object exists, and from any thread.
#pragma once

#include <QImage>
#include <QString>

// $XDG_CACHE_HOME/Quorlan/Velunda (by default ~/.cache/Quorlan/Velunda).
QString CarpetaCacheImagenes();

// The cached copy of `fuente`'s picture (RGB32, mapped from the file), or null when there is
// none that matches the file as it is now. With `contenido`, the copy is found by it instead
// of by the file's path: a picture the program `fuente` made from that content (its words,
// its font), so that one copy serves wherever the program runs from.
QImage LeerCacheImagen(const QString &fuente, const QByteArray &contenido = {});

// Keeps `imagen` as the copy of `fuente` (RGB32 only). Quietly does nothing where the cache
// folder cannot be written.
void GuardarCacheImagen(const QString &fuente, const QImage &imagen, const QByteArray &contenido = {});
