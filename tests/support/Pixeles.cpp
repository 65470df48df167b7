#include "Pixeles.h"

#include <QBackingStore>
#include <QWidget>
#include <cmath>

Pixeles::Pixeles(QWidget *w) : imagen_(w->grab().toImage().convertToFormat(QImage::Format_RGB32)) { }

Pixeles::Pixeles(QWidget *ventana, const QRect &zona)
{
    // Read from the window's backing store, which is what the screen shows: the offscreen
    // screen's own grab clips a scaled window to its unscaled size.
    QPaintDevice *pantalla = ventana->backingStore()->paintDevice();
    if (pantalla->devType() != QInternal::Image)
        return;
    const QImage &todo = *static_cast<QImage *>(pantalla);
    const qreal r = todo.devicePixelRatio();
    imagen_ = todo.copy(QRectF(zona.topLeft() * r, zona.size() * r).toRect())
                  .convertToFormat(QImage::Format_RGB32);
    imagen_.setDevicePixelRatio(r);
}

QColor Pixeles::operator()(int x, int y) const
{
    const qreal r = imagen_.devicePixelRatio();
    return imagen_.pixelColor(int(std::floor(x * r)), int(std::floor(y * r)));
}
