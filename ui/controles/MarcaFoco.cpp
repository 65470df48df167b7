#include "MarcaFoco.h"

#include <QPainter>
#include <QRegion>

namespace {
constexpr int kNegro = 3;  // the black band; the rest of kGrosor is white
}

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
    // Filled bands rather than pens, so the ring keeps its widths at every screen scale; the
    // label inside stays uncovered.
    QPainter p(this);
    const QRect dentro = rect().adjusted(kGrosor, kGrosor, -kGrosor, -kGrosor);
    p.setClipRegion(QRegion(rect()).subtracted(QRegion(dentro)));
    p.fillRect(rect(), Qt::black);
    p.fillRect(rect().adjusted(kNegro, kNegro, -kNegro, -kNegro), Qt::white);
}
