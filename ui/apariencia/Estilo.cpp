// The shared look of the game's pictures (see Estilo.h).
#include "Estilo.h"

#include "Paleta.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

QColor ColorPaleta(int indice)
{
    const auto &e = kPaleta.at(static_cast<std::size_t>(indice));
    return QColor(e.r, e.g, e.b);
}

QString NombrePaleta(int indice)
{
    return QCoreApplication::translate("Color", kPaleta.at(static_cast<std::size_t>(indice)).nombre);
}

QFont FuenteArte(qreal pixeles, bool negrita)
{
    static const bool hayLiberation = QFontDatabase::families().contains(QStringLiteral("Liberation Sans"));
    QFont f(hayLiberation ? QStringLiteral("Liberation Sans") : QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qMax(1, qRound(pixeles)));
    f.setBold(negrita);
    return f;
}

QFont FuenteQueCabe(const QString &texto, const QSizeF &caja, qreal pixelesMax, bool negrita)
{
    // Each size tried loads a font of its own, the dearest part of painting the title. Text
    // grows with its size, so the search starts where the largest size's measure scales to
    // and steps from there to the largest size that fits.
    qreal ancho = 0, alto = 0;
    const auto cabe = [&](int px) {
        const QFontMetricsF medida(FuenteArte(px, negrita));
        ancho = medida.tightBoundingRect(texto).width();
        alto = medida.height();
        return ancho <= caja.width() && alto <= caja.height() + 2;
    };
    const int mayor = qRound(pixelesMax);
    if (mayor <= 6 || cabe(mayor))
        return FuenteArte(qMax(mayor, 6), negrita);
    const qreal escala = qMin(ancho > 0 ? caja.width() / ancho : 1.0, (caja.height() + 2) / alto);
    int px = qBound(7, int(mayor * escala), mayor - 1);
    if (cabe(px)) {
        while (px + 1 < mayor && cabe(px + 1))
            ++px;
        return FuenteArte(px, negrita);
    }
    while (--px > 6)
        if (cabe(px))
            return FuenteArte(px, negrita);
    return FuenteArte(6, negrita);
}

void DibujarTextoContorno(QPainter &p, const QRectF &caja, const QString &texto, const QFont &fuente,
    const QColor &relleno, const QColor &contorno, qreal grosor)
{
    // Centre on the glyphs' own outline rather than on the font's line box, so capitals
    // sit in the visual middle of a tile.
    QPainterPath camino;
    camino.addText(0, 0, fuente, texto);
    const QRectF forma = camino.boundingRect();
    camino.translate(caja.center() - forma.center());

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (grosor > 0) {
        p.setPen(QPen(contorno, grosor * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(camino);  // the inner half is covered by the fill below
    }
    p.setPen(Qt::NoPen);
    p.setBrush(relleno);
    p.drawPath(camino);
    p.restore();
}

void DibujarTeselas(QPainter &p, const QList<Tesela> &teselas)
{
    if (teselas.isEmpty())
        return;
    // The labels share a size; the text box is the label less a small margin.
    const QRectF muestra = teselas.first().r;
    const QSizeF caja = muestra.adjusted(4, 2, -4, -2).size();
    QFont fuente = FuenteQueCabe(teselas.first().palabra, caja, muestra.height() * 0.62);
    for (const Tesela &t : teselas) {
        const QFont f = FuenteQueCabe(t.palabra, caja, muestra.height() * 0.62);
        if (f.pixelSize() < fuente.pixelSize())
            fuente = f;
    }
    // The capitals' band centred in the label: accents above and tails below stay out of
    // the reckoning, so every word sits on the same line.
    const qreal capitales = QFontMetricsF(fuente).capHeight();
    for (const Tesela &t : teselas) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(t.encontrada ? Qt::black : Qt::white);
        p.drawRect(t.r.adjusted(0, 0, -1, -1));
        p.restore();
        QPainterPath camino;
        camino.addText(0, 0, fuente, t.palabra);
        const QRectF forma = camino.boundingRect();
        camino.translate(t.r.center().x() - forma.center().x(), t.r.center().y() + capitales / 2);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(t.tinta);
        p.drawPath(camino);
        p.restore();
    }
}

void DibujarBoton(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radio = qMin<qreal>(8, r.height() / 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 64, 160, 150));
    p.drawRoundedRect(r.translated(2.5, 3), radio, radio);

    QLinearGradient cara(r.topLeft(), r.bottomLeft());
    cara.setColorAt(0, Qt::white);
    cara.setColorAt(1, QColor(232, 232, 255));
    p.setBrush(cara);
    p.setPen(QPen(TintaOscura, 2));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radio, radio);
    p.restore();
}

QImage ImagenVacia(const QSize &tamano, qreal escala, const QColor &fondo)
{
    QImage img(tamano * escala, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(escala);
    img.fill(fondo);
    return img;
}
