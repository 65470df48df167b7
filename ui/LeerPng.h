// Reads the game's own PNG pictures (8-bit with alpha, as the cursors and the icon are) with
// libpng itself, for the same reason LeerJpeg exists: no image plugin is looked for, and it may
// run before the application object exists.
#pragma once

#include <QImage>
#include <QString>

// The picture as ARGB32, as Qt's reader gives such a file; null when the file is missing, is
// another kind of PNG (which Qt's reader may still take), or is over Qt's allocation limit.
QImage LeerPng(const QString &archivo);
