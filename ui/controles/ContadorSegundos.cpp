#include "ContadorSegundos.h"

#include <QPainter>
#include <QPaintEvent>
#include <QStyle>

ContadorSegundos::ContadorSegundos(QWidget *padre, const QString &nombre, QRect lugar)
    : Etiqueta(padre, nombre, lugar)
{
    // Its own paint fills the back (PonerFondo sets the colour).
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ContadorSegundos::PonerTexto(const QString &texto)
{
    if (texto == text())
        return;
    setText(texto);
    // A queued repaint would wake the event loop once more, 50 times a second.
    repaint();
}

void ContadorSegundos::paintEvent(QPaintEvent *ev)
{
    // A line of plain text, drawn as QLabel draws it, after the back in the same painter
    // (QLabel and Qt's own back fill would take two).
    QPainter p(this);
    p.fillRect(ev->rect(), palette().brush(backgroundRole()));
    const QString t = text();
    const int alineacion
        = int(QStyle::visualAlignment(t.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment()));
    style()->drawItemText(&p, contentsRect(), alineacion, palette(), isEnabled(), t, foregroundRole());
}
