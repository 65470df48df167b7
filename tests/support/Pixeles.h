// What a widget shows, read at the widget's own coordinates at any screen scale: a grab holds
// devicePixelRatio image pixels per coordinate, so every pixel read in the tests goes through here.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

class QWidget;

class Pixeles {
public:
    explicit Pixeles(QWidget *w);                  // the widget as it paints itself now
    Pixeles(QWidget *ventana, const QRect &zona);  // what the window shows there on screen
    // The colour of the image pixel where the point (x, y) lands, as a painter maps it.
    QColor operator()(int x, int y) const;
    QColor operator()(QPoint p) const { return (*this)(p.x(), p.y()); }
    const QImage &Imagen() const { return imagen_; }

private:
    QImage imagen_;
};
