// The two arrow cursors: one shape, blue for the whole window, pink-red over anything
// that can be clicked, so the colour alone tells the player what reacts.
#include "Arte.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QPainterPath FormaFlecha()
{
    // Tip at PuntaCursor, left edge straight down, tail leaning right.
    QPainterPath f;
    f.moveTo(PuntaCursor);
    f.lineTo(1, 25);
    f.lineTo(7, 19.5);
    f.lineTo(11.2, 29);
    f.lineTo(15.4, 27.2);
    f.lineTo(11.3, 18);
    f.lineTo(19, 18);
    f.closeSubpath();
    return f;
}
}  // namespace

void DibujarCursor(QPainter &p, TipoCursor tipo)
{
    const bool mano = tipo == TipoCursor::Mano;
    const QColor borde = mano ? QColor(255, 0, 85) : QColor(37, 37, 255);
    const QColor relleno = mano ? QColor(255, 170, 205) : QColor(170, 200, 255);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A bevelled join keeps the sharp tip from growing past the hot spot.
    p.setPen(QPen(borde, 2, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    p.setBrush(relleno);
    p.drawPath(FormaFlecha());
    p.restore();
}

QImage ImagenCursor(TipoCursor tipo, qreal escala)
{
    QImage img(QSize(LadoCursor, LadoCursor) * escala, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(escala);
    img.fill(Qt::transparent);
    QPainter p(&img);
    DibujarCursor(p, tipo);
    return img;
}
