#include "frmChequeo.h"

#include "Ajustes.h"
#include "Apariencia.h"
#include "Colores.h"
#include "Controles.h"
#include "Estilo.h"
#include "Historial.h"
#include "MarcaFoco.h"
#include "Paleta.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
// Black on a light ink, white on a dark one, so every button's word reads.
QColor TextoSobre(const QColor &fondo)
{
    return 0.299 * fondo.red() + 0.587 * fondo.green() + 0.114 * fondo.blue() > 140 ? Qt::black : Qt::white;
}

// How late a platform's stamp may be and still be taken for one of the monotonic clock.
constexpr qint64 kRetrasoCreibleMs = 1000;
}  // namespace

frmChequeo::frmChequeo(Contexto &ctx, QWidget *padre, int porCondicion, Reloj reloj)
    : QDialog(padre), ctx_(ctx), reloj_(std::move(reloj)), relojPropio_(!reloj_), sesion_(ctx.azar, porCondicion)
{
    cronometro_.start();
    if (relojPropio_)
        reloj_ = [this] { return cronometro_.nsecsElapsed(); };
    setObjectName(QStringLiteral("frmChequeo"));
    AplicarApariencia(this, 752, 480, BotonesVentana::SoloCerrar);
    setWindowFlag(Qt::Dialog);
    PonerFondoOpaco(this, AzulClaro);
    tmrBlanco_.setSingleShot(true);
    tmrBlanco_.setTimerType(Qt::PreciseTimer);
    tmrLimite_.setSingleShot(true);
    tmrLimite_.setTimerType(Qt::PreciseTimer);
    connect(&tmrBlanco_, &QTimer::timeout, this, &frmChequeo::PedirPalabra);
    connect(&tmrLimite_, &QTimer::timeout, this, &frmChequeo::SinRespuesta);
    Construir();
}

void frmChequeo::Construir()
{
    //: The check-up window's title (552 x 41 px, 24 pt bold).
    lblTitulo_ = new Etiqueta(this, QStringLiteral("lblTitulo"), QRect(16, 8, 552, 41), tr("CHECK-UP"));
    lblTitulo_->setFont(FuenteVentana(24, true));
    lblTitulo_->PonerColorTexto(AzulTexto);
    lblProgreso_ = new Etiqueta(this, QStringLiteral("lblProgreso"), QRect(576, 18, 161, 25));
    lblProgreso_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblProgreso_->setFont(FuenteVentana(9.75, true));
    lblProgreso_->PonerColorTexto(AzulTexto);

    lblInstrucciones_ = new Etiqueta(this, QStringLiteral("lblInstrucciones"), QRect(16, 64, 720, 296),
        tr("NAME THE INK, NOT THE WORD\n\n"
           "One word at a time appears in the middle. Answer the colour it is printed in:\n"
           "press its key, 1 to 4, or click its button.\n"
           "Be quick, and right. Three practice words come first.\n\n"
           "About two minutes. Escape pauses."));
    lblInstrucciones_->PonerFondo(Qt::white);
    lblInstrucciones_->PonerBorde(true);
    lblInstrucciones_->PonerColorTexto(AzulTexto);
    lblInstrucciones_->setFont(FuenteVentana(13.5));
    lblInstrucciones_->setWordWrap(true);
    cmdEmpezar_ = new QPushButton(tr("START"), this);
    cmdEmpezar_->setObjectName(QStringLiteral("cmdEmpezar"));
    cmdEmpezar_->setGeometry(316, 376, 121, 25);
    cmdEmpezar_->setDefault(true);
    cmdEmpezar_->setAccessibleName(tr("Start the check-up"));
    connect(cmdEmpezar_, &QPushButton::clicked, this, &frmChequeo::cmdEmpezar_Click);

    picPrueba_ = new QWidget(this);
    picPrueba_->setObjectName(QStringLiteral("picPrueba"));
    picPrueba_->setGeometry(0, 56, 752, 424);
    lblPalabra_ = new Etiqueta(picPrueba_, QStringLiteral("lblPalabra"), QRect(176, 56, 400, 144));
    lblPalabra_->PonerFondo(Qt::white);
    lblPalabra_->PonerBorde(true);
    lblPalabra_->setFont(FuenteVentana(36, true));
    lblPalabra_->setAlignment(Qt::AlignCenter);
    if (ctx_.ajustes)
        lblPalabra_->PonerContorno(ctx_.ajustes->Valor(Ajustes::Clave::ContornoPalabras));
    lblPalabra_->installEventFilter(this);
    for (size_t i = 0; i < lblTintas_.size(); ++i) {
        const int tinta = TintaBoton(static_cast<int>(i));
        auto *l = new Etiqueta(picPrueba_, QStringLiteral("lblTinta_%1").arg(i),
            QRect(16 + 184 * static_cast<int>(i), 248, 168, 56),
            QStringLiteral("%1  %2").arg(i + 1).arg(NombrePaleta(tinta)));
        l->PonerFondo(Tinta(tinta));
        l->PonerColorTexto(TextoSobre(Tinta(tinta)));
        l->PonerBorde(true);
        l->setFont(FuenteVentana(13.5, true));
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(CursorMano());
        //: An ink button's name for screen readers: the colour word, then its key.
        l->setAccessibleName(tr("%1, key %2").arg(NombrePaleta(tinta)).arg(i + 1));
        l->installEventFilter(this);
        lblTintas_[i] = l;
    }
    lblAyuda_ = new Etiqueta(picPrueba_, QStringLiteral("lblAyuda"), QRect(16, 320, 720, 25),
        tr("Answer the ink, not the word: keys 1 to 4, or click. Escape pauses."));
    lblAyuda_->setAlignment(Qt::AlignCenter);
    lblAyuda_->setFont(FuenteVentana(9.75));
    lblAyuda_->PonerColorTexto(AzulTexto);
    picPrueba_->hide();

    // The paused panel over the word: its words, and two buttons side by side.
    picPausa_ = new Panel(picPrueba_, QStringLiteral("picPausa"), QRect(136, 40, 480, 176), AzulClaro);
    lblPausa_ = new Etiqueta(picPausa_, QStringLiteral("lblPausa"), QRect(8, 8, 464, 112),
        tr("CHECK-UP PAUSED\n\nTHE WORD YOU MISSED COMES AGAIN\n\nPRESS ENTER TO GO ON"));
    lblPausa_->PonerColorTexto(AzulTexto);
    lblPausa_->setFont(FuenteVentana(13.5));
    lblPausa_->setAlignment(Qt::AlignCenter);
    cmdSeguir_ = new QPushButton(tr("GO ON"), picPausa_);
    cmdSeguir_->setObjectName(QStringLiteral("cmdSeguir"));
    cmdSeguir_->setGeometry(88, 136, 121, 25);
    //: The paused check-up's button that closes it; nothing of it is kept (161 x 25 px).
    cmdSalir_ = new QPushButton(tr("LEAVE IT"), picPausa_);
    cmdSalir_->setObjectName(QStringLiteral("cmdSalir"));
    cmdSalir_->setGeometry(232, 136, 161, 25);
    for (QPushButton *b : {cmdSeguir_, cmdSalir_})
        b->setFocusPolicy(Qt::TabFocus);
    cmdSalir_->setAccessibleName(tr("Leave the check-up; nothing of it is kept"));
    connect(cmdSeguir_, &QPushButton::clicked, this, &frmChequeo::cmdSeguir_Click);
    connect(cmdSalir_, &QPushButton::clicked, this, &QDialog::reject);
    marcaPausa_ = new MarcaFoco(picPausa_);
    picPausa_->hide();
    cmdEmpezar_->setFocus();
}

QColor frmChequeo::Tinta(int indice) const
{
    if (ctx_.ajustes && ctx_.ajustes->Valor(Ajustes::Clave::TintasSeguras)) {
        const ::Tinta t = TintaDe(Tintas::Seguras, indice);
        return QColor(t.r, t.g, t.b);
    }
    return ColorPaleta(indice);
}

void frmChequeo::cmdEmpezar_Click()
{
    lblInstrucciones_->hide();
    cmdEmpezar_->hide();
    picPrueba_->show();
    setFocus();
    SiguienteEnsayo();
}

void frmChequeo::SiguienteEnsayo()
{
    MostrarPalabra(false);
    if (sesion_.Terminada()) {
        Terminar();
        return;
    }
    const tEnsayo &e = sesion_.Actual();
    lblProgreso_->setText(e.practica
            ? tr("PRACTICE %1 OF %2").arg(sesion_.Numero() + 1).arg(kEnsayosPractica)
            : tr("%1 OF %2").arg(sesion_.Numero() + 1 - kEnsayosPractica).arg(sesion_.Total() - kEnsayosPractica));
    ultimoBlanco_ = sesion_.Blanco();
    tmrBlanco_.start(ultimoBlanco_);
}

void frmChequeo::PedirPalabra()
{
    sesion_.PedirPalabra();
    MostrarPalabra(true);
}

void frmChequeo::MostrarPalabra(bool visible)
{
    pintada_ = false;
    if (!visible) {
        lblPalabra_->clear();
        return;
    }
    const tEnsayo &e = sesion_.Actual();
    lblPalabra_->PonerColorTexto(Tinta(e.tinta));
    //: A neutral word of the check-up: a row of X's, in one of the inks.
    lblPalabra_->setText(e.palabra == kPalabraNeutra ? tr("XXXXX") : NombrePaleta(e.palabra));
    lblPalabra_->setAccessibleName(lblPalabra_->text());
}

bool frmChequeo::eventFilter(QObject *objeto, QEvent *ev)
{
    if (objeto == lblPalabra_ && ev->type() == QEvent::Paint
        && sesion_.Estado() == SesionChequeo::Fase::Pintando)
        pintada_ = true;
    if (ev->type() == QEvent::MouseButtonPress && !EnPausa()) {
        const auto *raton = static_cast<QMouseEvent *>(ev);
        for (size_t i = 0; i < lblTintas_.size(); ++i)
            if (objeto == lblTintas_[i] && raton->button() == Qt::LeftButton) {
                Responder(static_cast<int>(i), Momento(raton));
                return true;
            }
    }
    return QDialog::eventFilter(objeto, ev);
}

bool frmChequeo::event(QEvent *ev)
{
    const bool hecho = QDialog::event(ev);
    // A repaint paints the dirty widgets and then flushes them to the screen, both inside
    // this event: once it returns with the word painted, the word is on screen.
    if (ev->type() == QEvent::UpdateRequest && pintada_) {
        pintada_ = false;
        const qint64 ns = reloj_();
        sesion_.Mostrada(ns);
        tmrLimite_.start(kMsLimite);
        emit PalabraMostrada(ns);
    }
    return hecho;
}

qint64 frmChequeo::Momento(const QInputEvent *ev) const
{
    const qint64 ahora = reloj_();
    // X11's and Wayland's stamps are milliseconds of the monotonic clock, as QElapsedTimer's
    // reference is here, cut to 32 bits. A stamp that does not fit (a synthesised event, another
    // clock) is not used.
    if (!relojPropio_ || ev->timestamp() == 0 || QElapsedTimer::clockType() != QElapsedTimer::MonotonicClock)
        return ahora;
    QElapsedTimer reloj;
    reloj.start();
    const quint32 referencia = static_cast<quint32>(reloj.msecsSinceReference());
    const qint64 retraso = static_cast<quint32>(referencia - static_cast<quint32>(ev->timestamp()));
    return retraso < kRetrasoCreibleMs ? ahora - retraso * 1'000'000 : ahora;
}

void frmChequeo::Responder(int boton, qint64 ns)
{
    if (boton < 0 || boton >= static_cast<int>(lblTintas_.size()) || EnPausa())
        return;
    if (!sesion_.Responder(TintaBoton(boton), ns))
        return;  // no word on screen: nothing to answer
    tmrLimite_.stop();
    SiguienteEnsayo();
}

void frmChequeo::SinRespuesta()
{
    sesion_.SinRespuesta();
    SiguienteEnsayo();
}

bool frmChequeo::EnPausa() const { return picPausa_ && !picPausa_->isHidden(); }

void frmChequeo::Pausar()
{
    if (picPrueba_->isHidden() || EnPausa() || sesion_.Terminada())
        return;
    tmrBlanco_.stop();
    tmrLimite_.stop();
    sesion_.Pausar();
    MostrarPalabra(false);
    picPausa_->show();
    picPausa_->raise();
    cmdSeguir_->setFocus(Qt::TabFocusReason);
    marcaPausa_->Rodear(cmdSeguir_);
}

void frmChequeo::cmdSeguir_Click()
{
    if (!EnPausa())
        return;
    picPausa_->hide();
    setFocus();
    SiguienteEnsayo();
}

bool frmChequeo::focusNextPrevChild(bool siguiente)
{
    // While paused, Tab goes between the panel's two buttons and never leaves them.
    if (!EnPausa())
        return QDialog::focusNextPrevChild(siguiente);
    QPushButton *b = focusWidget() == cmdSeguir_ ? cmdSalir_ : cmdSeguir_;
    b->setFocus(Qt::TabFocusReason);
    marcaPausa_->Rodear(b);
    return true;
}

void frmChequeo::keyPressEvent(QKeyEvent *ev)
{
    const bool enPrueba = !picPrueba_->isHidden() && !sesion_.Terminada();
    const int tecla = ev->key();
    if (enPrueba && !EnPausa() && tecla >= Qt::Key_1 && tecla < Qt::Key_1 + static_cast<int>(lblTintas_.size())) {
        if (!ev->isAutoRepeat())
            Responder(tecla - Qt::Key_1, Momento(ev));
        return;
    }
    switch (tecla) {
    case Qt::Key_Escape:
    case Qt::Key_P:
        if (!enPrueba)
            break;  // Escape closes the window before the first word and after the last
        if (EnPausa())
            cmdSeguir_Click();
        else
            Pausar();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (EnPausa()) {
            focusNextPrevChild(true);
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (EnPausa()) {
            (focusWidget() == cmdSalir_ ? cmdSalir_ : cmdSeguir_)->click();
            return;
        }
        if (!cmdEmpezar_->isHidden()) {
            cmdEmpezar_->click();
            return;
        }
        if (cmdAceptar_ && !picResultado_->isHidden()) {
            cmdAceptar_->click();
            return;
        }
        if (enPrueba)
            return;  // Enter is not an answer
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(ev);
}

void frmChequeo::Terminar()
{
    tmrBlanco_.stop();
    tmrLimite_.stop();
    resultado_ = CalcularResultado(sesion_.Ensayos());
    if (ctx_.historial)
        ctx_.historial->GuardarChequeo(ctx_.ajustes && ctx_.ajustes->Valor(Ajustes::Clave::TintasSeguras),
            sesion_.Ensayos());
    picPrueba_->hide();
    lblProgreso_->clear();
    MostrarResultado();
}

void AbrirChequeo(Contexto &ctx, QWidget *padre)
{
    frmChequeo chequeo(ctx, padre);
    chequeo.exec();
}
