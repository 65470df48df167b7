#include "LineaSinForma.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRect>
#include <cmath>

namespace {
// Qt keeps text positions in 1/64ths of a pixel, cut towards zero; a position taken through
// the same cut lands on the pixel (or sub-pixel) Qt's own layout would choose.
qreal EnSesentaycuatroavos(qreal v) { return std::trunc(v * 64.0) / 64.0; }

// A character Qt lays out on its own, in the order it comes: no space (which lines break
// at), no mark that joins the one before, no letter of a script that is always shaped or
// written right to left.
bool SinFormaNiOrden(QChar c)
{
    switch (c.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
        break;
    default:
        return false;
    }
    switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS:
    case QChar::DirON:
        return !c.isSpace() && !c.isSurrogate() && c.category() != QChar::Other_Control;
    default:
        return false;
    }
}
}  // namespace

const LineaSinForma::Glifo *LineaSinForma::Buscar(QChar c)
{
    auto it = glifos_.constFind(c);
    if (it == glifos_.cend()) {
        if (!SinFormaNiOrden(c))
            return nullptr;
        const QList<quint32> indices = crudo_.glyphIndexesForString(QString(c));
        if (indices.size() != 1 || indices[0] == 0)
            return nullptr;  // not in the font itself: Qt would fall back to another font
        it = glifos_.insert(c, {indices[0], crudo_.advancesForGlyphIndexes(indices).value(0).x()});
    }
    return &*it;
}

bool LineaSinForma::SinAjuste(QChar a, QChar b)
{
    // Kerning would move the second: Qt's own width of the pair tells, once a pair.
    const quint32 clave = (quint32(a.unicode()) << 16) | b.unicode();
    auto it = pares_.constFind(clave);
    if (it == pares_.cend()) {
        const qreal par = QFontMetricsF(fuente_).horizontalAdvance(QString(a) + b);
        it = pares_.insert(clave, par == glifos_.value(a).avance + glifos_.value(b).avance);
    }
    return *it;
}

qreal LineaSinForma::Ancho(const QFont &fuente, const QString &texto)
{
    return Medir(fuente, texto, nullptr);
}

qreal LineaSinForma::Medir(const QFont &fuente, const QString &texto, Glifos *glifos)
{
    if (!(fuente.styleStrategy() & QFont::PreferNoShaping))
        return -1;
    if (fuente != fuente_ || !crudo_.isValid()) {
        fuente_ = fuente;
        crudo_ = QRawFont::fromFont(fuente);
        glifos_.clear();
        pares_.clear();
    }
    qreal ancho = 0;
    QChar antes;
    for (const QChar c : texto) {
        const Glifo *g = Buscar(c);
        if (!g || (!antes.isNull() && !SinAjuste(antes, c)))
            return -1;
        if (glifos) {
            glifos->indices.append(g->indice);
            glifos->lugares.append(QPointF(ancho, 0));
        }
        ancho += g->avance;
        antes = c;
    }
    return ancho;
}

bool LineaSinForma::Dibujar(QPainter &p, const QRect &caja, Qt::Alignment alineacion, const QString &texto)
{
    Glifos glifos;
    const qreal ancho = Medir(p.font(), texto, &glifos);
    if (ancho < 0 || texto.isEmpty())
        return ancho >= 0;
    // The line's box is placed in the caller's box as drawText places it; the glyphs sit on
    // its baseline, one after another.
    const qreal alto = crudo_.ascent() + crudo_.descent();
    qreal dx = 0;
    if (alineacion & Qt::AlignRight)
        dx = caja.width() - ancho;
    else if (alineacion & Qt::AlignHCenter)
        dx = (caja.width() - ancho) / 2;
    qreal dy = 0;
    if (alineacion & Qt::AlignBottom)
        dy = caja.height() - alto;
    else if (alineacion & Qt::AlignVCenter)
        dy = (caja.height() - alto) / 2;
    const QPointF origen(
        EnSesentaycuatroavos(caja.x() + dx), EnSesentaycuatroavos(caja.y() + dy) + crudo_.ascent());
    QGlyphRun linea;
    linea.setRawFont(crudo_);
    linea.setRawData(
        glifos.indices.constData(), glifos.lugares.constData(), static_cast<int>(glifos.indices.size()));
    p.drawGlyphRun(origen, linea);
    return true;
}
