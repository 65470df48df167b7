// The look shared by the game's pictures: its palette and background colours, the font,
// text that shrinks to fit its box, the word tile of the game screen and the raised
// button tile of the title menu.
#pragma once

#include "Paleta.h"
#include "Colores.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class QImage;

// The eight colours of the game, in palette order (RED, GREEN, BLUE, BROWN, PINK,
// YELLOW, CYAN, ORANGE), taken from the rules' own table. The name is the colour word of
// the labels in the player's language.
QColor ColorPaleta(int indice);
QString NombrePaleta(int indice);
inline constexpr int ColoresPaleta = kNumColores;


// "Liberation Sans" when installed, otherwise the system's sans serif; sizes in pixels.
QFont FuenteArte(qreal pixeles, bool negrita = true);

// The largest font, up to pixelesMax, in which `texto` fits inside `caja`.
QFont FuenteQueCabe(const QString &texto, const QSizeF &caja, qreal pixelesMax, bool negrita = true);

// Text centred in `caja`, filled with `relleno` and outlined with `contorno` (no outline
// when grosor is 0); the outline keeps light palette colours readable on white.
void DibujarTextoContorno(QPainter &p, const QRectF &caja, const QString &texto, const QFont &fuente,
    const QColor &relleno, const QColor &contorno = TintaOscura, qreal grosor = 0);

// Word labels as the game draws them: white (black once found) with a thin dark border, the
// word bold and centred in its ink. One size for all, the one the widest word allows, and
// every word on the same line within its label, so a long word is not set apart.
struct Tesela {
    QRectF r;
    QString palabra;
    QColor tinta;
    bool encontrada = false;
};
void DibujarTeselas(QPainter &p, const QList<Tesela> &teselas);

// A raised tile for a clickable choice: shadow, white face, dark border.
void DibujarBoton(QPainter &p, const QRectF &r);

// A blank image of `tamano` logical pixels at the given pixel ratio, transparent or filled.
QImage ImagenVacia(const QSize &tamano, qreal escala, const QColor &fondo = Qt::transparent);
