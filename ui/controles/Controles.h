// The few kinds of control the windows are made of: labels that can be clicked, filled
// rectangle shapes, transparent hotspots and plain panels.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

// A label with its own back and text colour, an optional flat single-line border, an optional
// outline round its letters, and a click signal (emitted when the button is released over it).
class Etiqueta : public QLabel {
    Q_OBJECT
public:
    explicit Etiqueta(QWidget *padre, const QString &nombre, QRect lugar, const QString &texto = QString());
    void PonerFondo(const QColor &c);  // opaque back colour
    void FondoTransparente();
    QColor Fondo() const;
    void PonerColorTexto(const QColor &c);
    QColor ColorTexto() const;
    void PonerBorde(bool borde);
    // A thin outline round the letters, dark on a light back and light on a dark one, so
    // that even a pale ink reads.
    void PonerContorno(bool contorno);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *ev) override;
    void mouseReleaseEvent(QMouseEvent *ev) override;
    void paintEvent(QPaintEvent *ev) override;

private:
    void PintarBorde(QPainter &p);
    bool pulsada_ = false;
    bool borde_ = false;
    bool contorno_ = false;
    void PintarConContorno(QPainter &p);
};

// An opaque filled rectangle. Its height may be a fraction (the bars), kept exactly while
// the widget shows it rounded; its top edge never moves. An optional white border is drawn
// inside it (the animation's lit squares).
class Forma : public QWidget {
    Q_OBJECT
public:
    Forma(QWidget *padre, const QString &nombre, QRect lugar, const QColor &relleno);
    void PonerRelleno(const QColor &c);
    QColor Relleno() const { return relleno_; }
    void PonerAltura(float altura);
    float Altura() const { return altura_; }
    void PonerBorde(bool encendido);
    static constexpr int kAnchoBorde = 5;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor relleno_;
    float altura_;
    bool borde_ = false;
};

// A transparent click area (an image without a picture). Shows the hotspot cursor unless
// it is meant to stay unnoticed.
class ZonaActiva : public QWidget {
    Q_OBJECT
public:
    ZonaActiva(QWidget *padre, const QString &nombre, QRect lugar, bool cursorMano = true);
    // An image control that shows a picture; a null picture leaves the area empty.
    void PonerImagen(const QPixmap &imagen);
    // Lets Tab reach it and Enter or Space choose it; a ring shows while it has the focus.
    // A mouse click never gives it the focus, so the mouse player sees nothing new.
    void PermitirTeclado();
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *ev) override;
    void mouseReleaseEvent(QMouseEvent *ev) override;
    void keyPressEvent(QKeyEvent *ev) override;
    void focusInEvent(QFocusEvent *ev) override;
    void focusOutEvent(QFocusEvent *ev) override;
    void paintEvent(QPaintEvent *) override;

private:
    bool pulsada_ = false;
    QPixmap imagen_;
};

// A panel (picture box): a flat bordered frame with a back colour, holding child controls.
class Panel : public QFrame {
    Q_OBJECT
public:
    Panel(QWidget *padre, const QString &nombre, QRect lugar, const QColor &fondo);
};
