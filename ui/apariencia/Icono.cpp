// The window icon: a word tile reading RED printed in blue (the effect the game is built
// on) between two rows of palette squares, on a light blue rounded square.
#include "Arte.h"
#include "Estilo.h"

#include <QPainter>
#include <QTransform>

namespace {
QPainterPath Rectangulo(const QRectF &r, qreal radio = 0)
{
    QPainterPath c;
    if (radio > 0)
        c.addRoundedRect(r, radio, radio);
    else
        c.addRect(r);
    return c;
}

// The word as an outline, scaled to fill `caja` (glyph outlines, not font metrics).
QPainterPath PalabraEn(const QString &palabra, const QRectF &caja)
{
    QPainterPath c;
    c.addText(0, 0, FuenteArte(100), palabra);
    const QRectF b = c.boundingRect();
    const qreal k = qMin(caja.width() / b.width(), caja.height() / b.height());
    QTransform t;
    t.translate(caja.center().x(), caja.center().y());
    t.scale(k, k);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(c);
}
}  // namespace

std::vector<CapaIcono> CapasIcono()
{
    std::vector<CapaIcono> capas;
    capas.push_back({Rectangulo(QRectF(10, 10, 236, 236), 44), AzulClaro, TintaOscura, 10});
    constexpr int arriba[4]{0, 1, 5, 4};
    constexpr int abajo[4]{6, 7, 3, 2};
    for (int i = 0; i < 4; ++i) {
        const qreal x = 34 + 50 * i;
        capas.push_back({Rectangulo(QRectF(x, 34, 38, 38), 4), ColorPaleta(arriba[i]), TintaOscura, 4});
        capas.push_back({Rectangulo(QRectF(x, 184, 38, 38), 4), ColorPaleta(abajo[i]), TintaOscura, 4});
    }
    capas.push_back({Rectangulo(QRectF(24, 88, 208, 80)), Qt::white, Qt::black, 6});
    capas.push_back(
        {PalabraEn(QStringLiteral("RED"), QRectF(44, 100, 168, 56)), ColorPaleta(2), QColor(), 0});
    return capas;
}

void DibujarIcono(QPainter &p, int lado)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(lado) / LadoIconoVectorial, qreal(lado) / LadoIconoVectorial);
    for (const CapaIcono &c : CapasIcono()) {
        p.setPen(c.trazo.isValid() ? QPen(c.trazo, c.grosor) : QPen(Qt::NoPen));
        p.setBrush(c.relleno.isValid() ? QBrush(c.relleno) : QBrush(Qt::NoBrush));
        p.drawPath(c.forma);
    }
    p.restore();
}

QImage ImagenIcono(int lado)
{
    QImage img = ImagenVacia(QSize(lado, lado), 1);
    QPainter p(&img);
    DibujarIcono(p, lado);
    return img;
}
