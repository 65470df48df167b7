#include "Controles.h"

#include "Apariencia.h"

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
    // new text (the seconds counter changes 50 times a second).
    setFixedSize(lugar.size());
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setFont(FuenteVentana(8.25));
    FondoTransparente();
    PonerColorTexto(Qt::black);
}

void Etiqueta::PonerFondo(const QColor &c)
{
    PonerFondoOpaco(this, c);
    // An opaque label fills its back in its own paint: one painter a repaint, not two.
    setAttribute(Qt::WA_OpaquePaintEvent, c.alpha() == 255);
}

void Etiqueta::FondoTransparente()
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

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

void Etiqueta::PonerTextoAhora(const QString &texto)
{
    if (texto == text())
        return;
    // setText() would queue a repaint, and every queued one wakes the event loop once more.
    // Only the strip the old and the new text cover is painted again (a few pixels wider for
    // the glyphs' edges): the rest of the label is its back colour either way.
    const QString antes = text();
    const QRect vieja = TiraTexto(antes);
    // A text laid out glyph by glyph and as wide as the old one has the old one's strip.
    const qreal ancho = linea_.Ancho(font(), antes);
    const QRect nueva = ancho >= 0 && ancho == linea_.Ancho(font(), texto) ? vieja : TiraTexto(texto);
    QRect zona = vieja | nueva;
    // A text as wide as the old one lies where it did, so the characters both begin with
    // stay as they are: the strip starts at the first that changes (most ticks, the last).
    if (vieja == nueva && layoutDirection() == Qt::LeftToRight) {
        qsizetype comun = 0;
        while (comun < antes.size() && comun < texto.size() && antes[comun] == texto[comun])
            ++comun;
        const QString prefijo = texto.left(comun);
        const qreal avance
            = ancho >= 0 ? linea_.Ancho(font(), prefijo) : fontMetrics().horizontalAdvance(prefijo);
        zona.setLeft(zona.left() + int(avance));
    }
    tira_ = {texto, nueva, font(), contentsRect(), alignment()};
    const bool sinPintar = testAttribute(Qt::WA_UpdatesDisabled);
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setText(texto);
    setAttribute(Qt::WA_UpdatesDisabled, sinPintar);
    if (!sinPintar)
        repaint(zona.adjusted(-kHolguraGlifos, 0, kHolguraGlifos, 0) & rect());
}

QRect Etiqueta::TiraTexto(const QString &texto) const
{
    const QRect caja = contentsRect();
    // The strip of the text now shown was measured when it was set (laying out a text is
    // a good part of a tick's work), unless the label has changed since.
    if (texto == tira_.texto && caja == tira_.caja && alignment() == tira_.alineacion
        && font() == tira_.fuente)
        return tira_.tira;
    const QRect t
        = style()->itemTextRect(fontMetrics(), caja, static_cast<int>(alignment()), isEnabled(), texto);
    return QRect(t.left(), caja.top(), t.width(), caja.height());
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
    if (testAttribute(Qt::WA_OpaquePaintEvent) || (font().styleStrategy() & QFont::PreferNoShaping)) {
        QPainter p(this);
        if (testAttribute(Qt::WA_OpaquePaintEvent))
            p.fillRect(ev->rect(), palette().brush(backgroundRole()));
        if (PintarSinForma(p)) {
            PintarBorde(p);
            return;
        }
    }
    QLabel::paintEvent(ev);
    if (borde_) {
        QPainter p(this);
        PintarBorde(p);
    }
}

bool Etiqueta::PintarSinForma(QPainter &p)
{
    // What QLabel draws for a line of plain text in an enabled label without frame or
    // margins, in the colour it takes (the palette's group follows the window's state), clipped
    // as QLabel clips it, by the label's own edges; anything else (a picture among them, which
    // leaves the text empty) is left to QLabel.
    if (text().isEmpty() || contentsRect() != rect() || margin() != 0 || indent() > 0 || wordWrap()
        || !isEnabled() || textFormat() != Qt::PlainText || layoutDirection() != Qt::LeftToRight)
        return false;
    p.setPen(QPen(palette().brush(foregroundRole()), p.pen().widthF()));
    return linea_.Dibujar(p, rect(), alignment(), text());
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
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
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
    if (hasFocus()) {
        // Navy outside, white inside: visible on any picture under it.
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(QColor(0, 0, 128), 2));
        p.drawRect(r);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
    }
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
