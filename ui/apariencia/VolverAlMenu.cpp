// The game screen's way back to the title menu: a raised tile with a left arrow and MENU.
#include "Arte.h"
#include "Estilo.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace {
// A fat arrow pointing left, filling `r`.
QPainterPath FlechaIzquierda(const QRectF &r)
{
    const qreal y = r.center().y(), punta = r.width() * 0.5, medio = r.height() * 0.2;
    QPainterPath f;
    f.moveTo(r.left(), y);
    f.lineTo(r.left() + punta, r.top());
    f.lineTo(r.left() + punta, y - medio);
    f.lineTo(r.right(), y - medio);
    f.lineTo(r.right(), y + medio);
    f.lineTo(r.left() + punta, y + medio);
    f.lineTo(r.left() + punta, r.bottom());
    f.closeSubpath();
    return f;
}
}  // namespace

void DibujarVolverAlMenu(QPainter &p)
{
    const QRectF todo(QPointF(0, 0), QSizeF(TamanoVolverAlMenu));
    p.fillRect(todo, Qt::white);  // the game screen's own background
    const QRectF t = todo.adjusted(1, 1, -4, -4);
    DibujarBoton(p, t);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(TintaOscura, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(ColorPaleta(0));
    p.drawPath(FlechaIzquierda(QRectF(t.left() + 7, t.top() + 9, 26, t.height() - 18)));
    p.restore();

    const QRectF arriba(t.left() + 38, t.top() + 4, t.width() - 44, 11);
    const QRectF abajo(t.left() + 38, t.top() + 15, t.width() - 44, t.height() - 19);
    //: The back-to-menu tile on the game screen: two lines, a small one over a big one
    //: (about 60 px wide; the letters shrink to fit).
    const QStringList lineas = QCoreApplication::translate("VolverAlMenu", "BACK TO\nMENU").split(u'\n');
    const QString linea1 = lineas.value(0), linea2 = lineas.value(1);
    DibujarTextoContorno(p, arriba, linea1, FuenteQueCabe(linea1, arriba.size(), 10), TintaOscura);
    DibujarTextoContorno(
        p, abajo, linea2, FuenteQueCabe(linea2, abajo.size(), 24), AzulTexto, TintaOscura, 0.8);
}

QImage ImagenVolverAlMenu(qreal escala)
{
    QImage img = ImagenVacia(TamanoVolverAlMenu, escala, Qt::white);
    QPainter p(&img);
    DibujarVolverAlMenu(p);
    return img;
}
