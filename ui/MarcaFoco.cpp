#include "MarcaFoco.h"

#include <QPainter>

MarcaFoco::MarcaFoco(QWidget *padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("marcaFoco"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void MarcaFoco::Rodear(QWidget *objetivo)
{
    if (!objetivo) {
        hide();
        return;
    }
    setGeometry(objetivo->geometry().adjusted(-kGrosor, -kGrosor, kGrosor, kGrosor));
    raise();
    show();
    update();
}

void MarcaFoco::paintEvent(QPaintEvent *)
{
    // Navy outside, white inside: it stands out on white, black and the red flash alike.
    QPainter p(this);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawRect(r);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
}
