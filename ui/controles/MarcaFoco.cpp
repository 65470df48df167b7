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

void MarcaFoco::Pintar(QPainter &p, const QRect &fuera)
{
    // Filled bands rather than pens, so the ring keeps its widths at every screen scale; what
    // lies inside stays uncovered.
    p.save();
    const QRect dentro = fuera.adjusted(kGrosor, kGrosor, -kGrosor, -kGrosor);
    p.setClipRegion(QRegion(fuera).subtracted(QRegion(dentro)));
    p.fillRect(fuera, Qt::black);
    p.fillRect(fuera.adjusted(kNegro, kNegro, -kNegro, -kNegro), Qt::white);
    p.restore();
}

void MarcaFoco::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Pintar(p, rect());
}
