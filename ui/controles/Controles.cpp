#include "Controles.h"

#include "Apariencia.h"
#include "MarcaFoco.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <cmath>

namespace {
void Colocar(QWidget *w, const QString &nombre, QRect lugar)
{
    w->setObjectName(nombre);
    w->setGeometry(lugar);
}

// Press and release both over the control make a click, as with any button.
bool EsClic(QWidget *w, QMouseEvent *ev, bool &pulsada)
{
    const bool clic
        = pulsada && ev->button() == Qt::LeftButton && w->rect().contains(ev->position().toPoint());
    pulsada = false;
    return clic;
}
}  // namespace

Etiqueta::Etiqueta(QWidget *padre, const QString &nombre, QRect lugar, const QString &texto)
    : QLabel(texto, padre)
{
    Colocar(this, nombre, lugar);
    // A label never changes size; saying so spares a layout request to the window at every
    // new text.
    setFixedSize(lugar.size());
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setFont(FuenteVentana(8.25));
    FondoTransparente();
    PonerColorTexto(Qt::black);
}

void Etiqueta::PonerFondo(const QColor &c) { PonerFondoOpaco(this, c); }

void Etiqueta::FondoTransparente() { setAutoFillBackground(false); }

QColor Etiqueta::Fondo() const
{
    return autoFillBackground() ? palette().color(QPalette::Window) : QColor(Qt::transparent);
}

void Etiqueta::PonerColorTexto(const QColor &c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

QColor Etiqueta::ColorTexto() const { return palette().color(QPalette::WindowText); }

void Etiqueta::PonerBorde(bool borde)
{
    // Drawn by hand: a plain QFrame would take the text colour, the border is always black.
    borde_ = borde;
    setContentsMargins(borde ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void Etiqueta::paintEvent(QPaintEvent *ev)
{
    if (contorno_ && !text().isEmpty()) {
        QPainter p(this);
        if (testAttribute(Qt::WA_OpaquePaintEvent))
            p.fillRect(ev->rect(), palette().brush(backgroundRole()));
        PintarConContorno(p);
        PintarBorde(p);
        return;
    }
    QLabel::paintEvent(ev);
    if (borde_) {
        QPainter p(this);
        PintarBorde(p);
    }
}

void Etiqueta::PonerContorno(bool contorno)
{
    contorno_ = contorno;
    update();
}

void Etiqueta::PintarConContorno(QPainter &p)
{
    const QFontMetricsF fm(font());
    const QString t = text();
    const QRectF caja = QStyle::alignedRect(
        layoutDirection(), alignment(), QSizeF(fm.horizontalAdvance(t), fm.height()).toSize(), rect());
    QPainterPath camino;
    camino.addText(caja.left(), caja.top() + fm.ascent(), font(), t);
    const QColor fondo = palette().color(backgroundRole());
    const QColor contorno = fondo.lightnessF() < 0.5 ? Qt::white : Qt::black;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Twice the outline's width: the inner half is covered by the letters themselves.
    p.strokePath(camino, QPen(contorno, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(camino, palette().brush(foregroundRole()));
    p.restore();
}

void Etiqueta::PintarBorde(QPainter &p)
{
    if (!borde_)
        return;
    // The line's middle half a pixel inside the edge: one pixel on every side at 1x, and at
    // any scale a line as thick on every side, on the label's outermost pixels, corners square.
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void Etiqueta::mousePressEvent(QMouseEvent *ev)
{
    pulsada_ = ev->button() == Qt::LeftButton;
    ev->accept();
}

void Etiqueta::mouseReleaseEvent(QMouseEvent *ev)
{
    if (EsClic(this, ev, pulsada_))
        emit clicked();
}

Forma::Forma(QWidget *padre, const QString &nombre, QRect lugar, const QColor &relleno)
    : QWidget(padre), relleno_(relleno), altura_(static_cast<float>(lugar.height()))
{
    Colocar(this, nombre, lugar);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::PonerRelleno(const QColor &c)
{
    relleno_ = c;
    update();
}

void Forma::PonerAltura(float altura)
{
    altura_ = altura < 0 ? 0 : altura;
    const int px = static_cast<int>(std::lround(altura_));
    if (px != height())
        resize(width(), px);
}

void Forma::PonerBorde(bool encendido)
{
    if (borde_ == encendido)
        return;
    borde_ = encendido;
    update();
}

void Forma::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!borde_) {
        p.fillRect(rect(), relleno_);
        return;
    }
    // The border lies wholly inside, on whole pixels: a white square with the fill inside
    // it is the same picture as a stroked outline, at a fraction of a stroke's cost.
    p.fillRect(rect(), Qt::white);
    p.fillRect(rect().adjusted(kAnchoBorde, kAnchoBorde, -kAnchoBorde, -kAnchoBorde), relleno_);
}

ZonaActiva::ZonaActiva(QWidget *padre, const QString &nombre, QRect lugar, bool cursorMano) : QWidget(padre)
{
    Colocar(this, nombre, lugar);
    setAttribute(Qt::WA_NoSystemBackground);
    if (cursorMano)
        setCursor(CursorMano());
}

void ZonaActiva::PonerImagen(const QPixmap &imagen)
{
    imagen_ = imagen;
    update();
}

void ZonaActiva::PermitirTeclado() { setFocusPolicy(Qt::TabFocus); }

void ZonaActiva::keyPressEvent(QKeyEvent *ev)
{
    switch (ev->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QWidget::keyPressEvent(ev);
    }
}

void ZonaActiva::focusInEvent(QFocusEvent *ev)
{
    QWidget::focusInEvent(ev);
    update();
}

void ZonaActiva::focusOutEvent(QFocusEvent *ev)
{
    QWidget::focusOutEvent(ev);
    update();
}

void ZonaActiva::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!imagen_.isNull())
        p.drawPixmap(0, 0, imagen_);
    if (hasFocus())
        MarcaFoco::Pintar(p, rect());  // the board's ring, inside the choice's own area
}

void ZonaActiva::mousePressEvent(QMouseEvent *ev)
{
    pulsada_ = ev->button() == Qt::LeftButton;
    ev->accept();
}

void ZonaActiva::mouseReleaseEvent(QMouseEvent *ev)
{
    if (EsClic(this, ev, pulsada_))
        emit clicked();
}

Panel::Panel(QWidget *padre, const QString &nombre, QRect lugar, const QColor &fondo) : QFrame(padre)
{
    Colocar(this, nombre, lugar);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    PonerFondoOpaco(this, fondo);
}
