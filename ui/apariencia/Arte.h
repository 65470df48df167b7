// The game's own pictures. Each Dibujar* paints in logical pixels on any painter, so the
// same drawing serves a plain image and a high-density one; each Imagen* returns the
// picture rasterised at a device pixel ratio (1 for the classic size, 2 for @2x).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QSize>
#include <vector>

class QPainter;

inline constexpr QSize TamanoTitulo{752, 480};       // the title menu's client area
inline constexpr QSize TamanoVolverAlMenu{105, 49};  // imgVolverAlMenu on the game screen
inline constexpr int LadoCursor = 32;
inline constexpr QPoint PuntaCursor{1, 1};  // hot spot: the arrow's tip

enum class TipoCursor {
    Flecha,  // the common blue arrow, over every window
    Mano     // the pink-red arrow, over everything clickable
};

void DibujarTitulo(QPainter &p);
void DibujarVolverAlMenu(QPainter &p);
void DibujarCursor(QPainter &p, TipoCursor tipo);
void DibujarIcono(QPainter &p, int lado);

QImage ImagenTitulo(qreal escala = 1);
QImage ImagenVolverAlMenu(qreal escala = 1);
QImage ImagenCursor(TipoCursor tipo, qreal escala = 1);
QImage ImagenIcono(int lado);

// The icon as plain vector layers on a 256 x 256 square, so that a scalable copy can be
// written from exactly the same shapes that DibujarIcono paints.
inline constexpr int LadoIconoVectorial = 256;
struct CapaIcono {
    QPainterPath forma;
    QColor relleno;  // invalid: not filled
    QColor trazo;    // invalid: not stroked
    qreal grosor = 0;
};
std::vector<CapaIcono> CapasIcono();
