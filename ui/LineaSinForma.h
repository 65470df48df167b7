// A one-line text in a font that asks for no shaping (QFont::PreferNoShaping), such as the
// seconds counter's: Qt lays it out glyph by glyph, each at the sum of the advances before
// it. Its glyphs and advances are kept per character, so it is drawn where
// QPainter::drawText(box, alignment, text) would draw it without laying it out again.
#pragma once

#include <QFont>
#include <QHash>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QVarLengthArray>

class QPainter;
class QRect;

class LineaSinForma {
public:
    // The text's width in `fuente`, or -1 when the font shapes its texts or a character is
    // not one this helper draws (a space, a line break, a surrogate, one the font lacks, a
    // character of a right-to-left or always-shaped script, a pair the font kerns).
    qreal Ancho(const QFont &fuente, const QString &texto);
    // Draws the text in the painter's font and pen as drawText would; draws nothing and
    // answers false when Ancho() is -1.
    bool Dibujar(QPainter &p, const QRect &caja, Qt::Alignment alineacion, const QString &texto);

private:
    struct Glifo {
        quint32 indice;
        qreal avance;
    };
    struct Glifos {  // a line's glyphs and their places, from its start
        QVarLengthArray<quint32, 16> indices;
        QVarLengthArray<QPointF, 16> lugares;
    };
    // The width, as Ancho(); with `glifos`, their glyphs too, in the same pass.
    qreal Medir(const QFont &fuente, const QString &texto, Glifos *glifos);
    const Glifo *Buscar(QChar c);
    bool SinAjuste(QChar a, QChar b);
    QFont fuente_;
    QRawFont crudo_;  // the font's own engine, so its glyphs come from Qt's one cache
    QHash<QChar, Glifo> glifos_;
    QHash<quint32, bool> pares_;  // a pair of characters: false when the font kerns it
};
