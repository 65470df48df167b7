// Test doubles for the windows: a web opener and a cue player that only remember what they
// were asked for, and a comparison of cursors by their pictures.
#pragma once

#include "Reproductor.h"
#include "Web.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <string>
#include <vector>

class WebFalsa : public Web {
public:
    QStringList pedidas;
    void Abrir(const QString &d) override { pedidas << d; }
};

// A cue player that only remembers the files it was asked to play.
class ReproductorFalso : public Reproductor {
public:
    std::vector<std::string> pedidos;
    void Reproducir(const std::string &ruta) override { pedidos.push_back(ruta); }
};

inline bool MismoCursor(const QCursor &a, const QCursor &b)
{
    if (a.shape() != b.shape())
        return false;
    if (a.shape() != Qt::BitmapCursor)
        return true;
    return a.hotSpot() == b.hotSpot() && a.pixmap().toImage() == b.pixmap().toImage();
}
