#include "frmMain.h"
#include "Colores.h"

#include "Ajustes.h"
#include "Apariencia.h"
#include "Arte.h"
#include "ContadorSegundos.h"
#include "Controles.h"
#include "Estilo.h"
#include "Historial.h"
#include "Idioma.h"
#include "ImagenesDatos.h"
#include "MarcaFoco.h"
#include "Mensajes.h"
#include "NavegacionTeclado.h"
#include "TextosJuego.h"
#include "Web.h"

#include <QCloseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// A label in the "panel colours": blue on light blue.
template <class Clase = Etiqueta> Clase *Contador(QWidget *p, const char *nombre, QRect r, double puntos)
{
    auto *l = new Clase(p, QString::fromLatin1(nombre), r);
    l->PonerFondo(AzulClaro);
    l->PonerColorTexto(AzulTexto);
    l->setFont(FuenteVentana(puntos));
    return l;
}

// A caption on a peach strip.
Etiqueta *Titulo(QWidget *p, const char *nombre, QRect r, const QString &texto)
{
    auto *l = new Etiqueta(p, QString::fromLatin1(nombre), r, texto);
    l->PonerFondo(Melocoton);
    l->setFont(FuenteVentana(9.75));
    return l;
}
}  // namespace

frmMain::frmMain(Contexto &ctx) : QWidget(nullptr), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    AplicarApariencia(this, 752, 480);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    // The window paints its back colour itself (paintEvent), so that a flash repaints only
    // the background that shows, never every control on it.
    setAttribute(Qt::WA_OpaquePaintEvent);

    Construir();

    tmrJuego.setInterval(kIntervaloReloj);
    tmrJuego.setTimerType(Qt::PreciseTimer);
    connect(&tmrJuego, &QTimer::timeout, this, &frmMain::tmrJuego_Timer);
    tmrAnim.setInterval(100);
    connect(&tmrAnim, &QTimer::timeout, this, &frmMain::tmrAnim_Timer);
    tmrFlash.setInterval(200);
    connect(&tmrFlash, &QTimer::timeout, this, &frmMain::tmrFlash_Timer);

    // Load: the back-to-menu picture first, then the rules set up palette, levels and board.
    CargarImagenMenu();
    juego_ = std::make_unique<Juego>(ctx_.estado, *this, ctx_.sonido, ctx_.azar);
    juego_->Observar(ctx_.historial);
    if (Ajustes *a = ctx_.ajustes) {
        juego_->PonerTintas(a->Valor(Ajustes::Clave::TintasSeguras) ? Tintas::Seguras : Tintas::Estandar);
        for (Etiqueta *l : lblTextos_)
            l->PonerContorno(a->Valor(Ajustes::Clave::ContornoPalabras));
        juego_->PonerRitmoRelajado(a->Valor(Ajustes::Clave::RitmoRelajado));
    }
    juego_->CargaInicial();
    if (Ajustes *a = ctx_.ajustes) {
        juego_->PonerDestelloTranquilo(a->Valor(Ajustes::Clave::DestelloTranquilo));
        connect(a, &Ajustes::Cambiado, this,
            [this, a] { juego_->PonerDestelloTranquilo(a->Valor(Ajustes::Clave::DestelloTranquilo)); });
    }
    tmrAnim.start();
    tmrFlash.start();
}

frmMain::~frmMain() = default;

void frmMain::Construir()
{
    // Created bottom to top: later siblings lie above earlier ones.
    const int rayas[] = {8, 48, 696, 736};
    const char *nombresRayas[] = {"Shape2", "Shape4", "Shape5", "Shape6"};
    for (int k = 0; k < 4; ++k)
        new Forma(this, QString::fromLatin1(nombresRayas[k]), QRect(rayas[k], 0, 9, 481), Melocoton);
    for (int i = 0; i < 8; ++i) {
        shpIzq_[i]
            = new Forma(this, QStringLiteral("shpIzq_%1").arg(i), QRect(24, 8 + 48 * i, 17, 17), Qt::white);
        shpDch_[i]
            = new Forma(this, QStringLiteral("shpDch_%1").arg(i), QRect(712, 8 + 48 * i, 17, 17), Qt::white);
    }

    // Head row.
    new Forma(this, QStringLiteral("Shape8"), QRect(64, 16, 137, 17), Melocoton);
    new Forma(this, QStringLiteral("Shape9"), QRect(552, 16, 137, 17), Melocoton);
    new Forma(this, QStringLiteral("Shape10"), QRect(208, 80, 337, 17), Melocoton);
    //: Caption over the level number (161 x 17 px, 9.75 pt).
    Titulo(this, "Label10", QRect(208, 16, 161, 17), tr("LEVEL", "caption"));
    lblNivel_ = Contador(this, "lblNivel", QRect(208, 40, 57, 33), 24);
    //: Between the level number and 50, as in "12 OF 50" (33 x 25 px, 12 pt).
    Contador(this, "Label7", QRect(272, 48, 33, 25), 12)->setText(tr("OF", "level"));
    lblNivelMax_ = Contador(this, "lblNivelMax", QRect(312, 40, 57, 33), 24);
    //: Caption over the game's score so far (161 x 17 px, 9.75 pt).
    Titulo(this, "Label5", QRect(384, 16, 161, 17), tr("SCORE", "caption"));
    lblPuntos_ = Contador(this, "lblPuntos", QRect(384, 40, 161, 33), 24);

    // Word grid: 8 rows of 4.
    for (int i = 0; i < 32; ++i) {
        auto *l = new Etiqueta(this, QStringLiteral("lblTextos_%1").arg(i),
            QRect(64 + 160 * (i % 4), 112 + 32 * (i / 4), 145, 25));
        l->setFont(FuenteVentana(13.5, true));
        l->PonerBorde(true);
        l->PonerFondo(Qt::white);
        connect(l, &Etiqueta::clicked, this, [this, i] {
            if (tecladoUsado_ && !lblTextos_[i]->isHidden()) {
                foco_ = i;  // before the click, which may set up another level
                MostrarMarca();
            }
            lblTextos_Click(i);
        });
        lblTextos_[i] = l;
    }

    // Message panel over the grid (widened at load to cover it exactly).
    picMensaje_ = new Panel(this, QStringLiteral("picMensaje"), QRect(64, 112, 577, 249), AzulClaro);
    lblMensaje_ = new Etiqueta(picMensaje_, QStringLiteral("lblMensaje"), QRect(152, 16, 329, 177));
    lblMensaje_->PonerColorTexto(AzulTexto);
    lblMensaje_->setFont(FuenteVentana(13.5));
    //: The button that starts the level's clock (121 x 25 px).
    cmdEmpezar_ = new QPushButton(tr("START"), picMensaje_);
    cmdEmpezar_->setObjectName(QStringLiteral("cmdEmpezar"));
    cmdEmpezar_->setGeometry(256, 216, 121, 25);
    connect(cmdEmpezar_, &QPushButton::clicked, this, &frmMain::cmdEmpezar_Click);
    // The window itself takes the keys (Enter/Space start, arrows move over the labels).
    cmdEmpezar_->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    ConstruirPausa();

    // Foot row.
    //: Caption over the seconds left, read with the caption under them: "SECONDS ... REMAINING"
    //: (145 x 17 px, 9.75 pt).
    Titulo(this, "Label1", QRect(64, 384, 145, 17), tr("SECONDS", "caption above the seconds left"));
    lblSegundos_ = Contador<ContadorSegundos>(this, "lblSegundos", QRect(64, 408, 145, 33), 24);
    //: Caption under the seconds left (145 x 17 px, 9.75 pt).
    Titulo(this, "Label3", QRect(64, 448, 145, 17), tr("REMAINING", "caption below the seconds left"));
    shpBarraTiempo_ = new Forma(this, QStringLiteral("shpBarraTiempo"), QRect(216, 384, 17, 73), Rojo);
    new Forma(this, QStringLiteral("Shape1"), QRect(216, 456, 17, 9), RojoOscuro);
    auto *l8
        = new Etiqueta(this, QStringLiteral("Label8"), QRect(240, 392, 161, 25), QStringLiteral("VELUNDA"));
    l8->PonerFondo(AzulMedio);
    l8->PonerColorTexto(Qt::white);
    l8->setFont(FuenteVentana(13.5, true));
    auto *l9 = new Etiqueta(this, QStringLiteral("Label9"), QRect(240, 416, 161, 25), HostWeb());
    l9->PonerFondo(AzulMedio);
    l9->PonerColorTexto(Qt::white);
    l9->setFont(FuenteVentana(9.75, true));
    auto *image1 = new ZonaActiva(this, QStringLiteral("Image1"), QRect(248, 392, 145, 49));
    image1->setAccessibleName(NombreEnlaceWeb());
    connect(image1, &ZonaActiva::clicked, this, [this] { AbrirWeb(ctx_); });
    auto *volver = new ZonaActiva(this, QStringLiteral("imgVolverAlMenu"), QRect(408, 392, 105, 49));
    volver->setAccessibleName(tr("Back to the menu"));
    connect(volver, &ZonaActiva::clicked, this, &frmMain::imgVolverAlMenu_Click);
    new Forma(this, QStringLiteral("Shape7"), QRect(240, 448, 273, 17), Melocoton);
    new Etiqueta(this, QStringLiteral("Label11"), QRect(248, 448, 257, 17), LineaWebJuego());
    auto *image2 = new ZonaActiva(this, QStringLiteral("Image2"), QRect(232, 448, 289, 17));
    image2->setAccessibleName(NombreEnlaceWeb());
    connect(image2, &ZonaActiva::clicked, this, [this] { AbrirWeb(ctx_); });
    shpBarraEncontrados_
        = new Forma(this, QStringLiteral("shpBarraEncontrados"), QRect(520, 384, 17, 73), Rojo);
    new Forma(this, QStringLiteral("Shape3"), QRect(520, 456, 17, 9), RojoOscuro);
    //: Caption over the matches found, read on with the caption under them:
    //: "YOU'VE FOUND 2 OF 5 MATCHES" (145 x 17 px, 9.75 pt).
    Titulo(this, "Label2", QRect(544, 384, 145, 17), tr("YOU'VE FOUND"));
    lblEncontrados_ = Contador(this, "lblEncontrados", QRect(544, 408, 49, 33), 24);
    //: Between the matches found and the matches to find, as in "2 OF 5" (33 x 25 px, 12 pt).
    Contador(this, "Label6", QRect(600, 416, 33, 25), 12)->setText(tr("OF", "matches"));
    lblEncontradosTotal_ = Contador(this, "lblEncontradosTotal", QRect(640, 408, 49, 33), 24);
    //: Caption under the matches found (145 x 17 px, 9.75 pt).
    Titulo(this, "Label4", QRect(544, 448, 145, 17), tr("MATCHES", "caption below the matches found"));

    marca_ = new MarcaFoco(this);

    auto *cheat = new ZonaActiva(this, QStringLiteral("imgCHEAT"), QRect(704, 0, 33, 33), false);
    cheat->setAccessibleName(tr("Jump to a level"));
    connect(cheat, &ZonaActiva::clicked, this, &frmMain::imgCHEAT_Click);
}

void frmMain::CargarImagenMenu()
{
    // A missing picture leaves the area empty; the hotspot still works.
    // The picture's words are English: in another language the screen paints the same tile
    // with the translated words.
    auto *volver = findChild<ZonaActiva *>(QStringLiteral("imgVolverAlMenu"));
    const qreal densidad = devicePixelRatioF();
    if (TraduccionActiva())
        volver->PonerImagen(QPixmap::fromImage(ImagenVolverAlMenu(densidad)));
    else
        volver->PonerImagen(CargarImagenDatos(ctx_.dirApp, QStringLiteral("VolverAlMenu"), densidad));
}

void frmMain::ConstruirPausa()
{
    // The paused panel: its own text where the level goal lies, and two buttons side by side
    // where START lies, the keyboard's choice ringed as on the board.
    lblPausa_ = new Etiqueta(picMensaje_, QStringLiteral("lblPausa"), lblMensaje_->geometry(),
        tr("GAME PAUSED\n\nTHE CLOCK IS STOPPED\n\nPRESS ENTER TO GO ON"));
    lblPausa_->PonerColorTexto(AzulTexto);
    lblPausa_->setFont(FuenteVentana(13.5));
    lblPausa_->hide();
    const QRect empezar = cmdEmpezar_->geometry();
    auto boton = [this, &empezar](const QString &texto, const char *nombre, int left, int ancho) {
        auto *b = new QPushButton(texto, picMensaje_);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setGeometry(left, empezar.top(), ancho, empezar.height());
        b->setFocusPolicy(Qt::TabFocus);  // only the keys below move between the two
        b->hide();
        return b;
    };
    //: The paused panel's button that goes on with the level (121 x 25 px).
    cmdSeguir_ = boton(tr("GO ON"), "cmdSeguir", 171, empezar.width());
    //: The paused panel's button that leaves the game for the title menu (153 x 25 px).
    cmdMenuPausa_ = boton(tr("BACK TO MENU"), "cmdMenuPausa", 308, 153);
    connect(cmdSeguir_, &QPushButton::clicked, this, [this] { juego_->Reanudar(); });
    connect(cmdMenuPausa_, &QPushButton::clicked, this, &frmMain::imgVolverAlMenu_Click);
    marcaPausa_ = new MarcaFoco(picMensaje_);
}

void frmMain::ElegirEnPausa(QPushButton *b)
{
    b->setFocus(Qt::TabFocusReason);
    marcaPausa_->Rodear(b);
}

bool frmMain::focusNextPrevChild(bool siguiente)
{
    // While paused, Tab goes between the panel's two buttons and never leaves them.
    if (!juego_ || !juego_->EnPausa())
        return QWidget::focusNextPrevChild(siguiente);
    ElegirEnPausa(focusWidget() == cmdSeguir_ ? cmdMenuPausa_ : cmdSeguir_);
    return true;
}

Etiqueta *frmMain::Rotular(Rotulo r) const
{
    switch (r) {
    case Rotulo::Nivel:
        return lblNivel_;
    case Rotulo::NivelMax:
        return lblNivelMax_;
    case Rotulo::Puntos:
        return lblPuntos_;
    case Rotulo::Segundos:
        return lblSegundos_;
    case Rotulo::Encontrados:
        return lblEncontrados_;
    case Rotulo::EncontradosTotal:
        return lblEncontradosTotal_;
    }
    return lblNivel_;
}

void frmMain::PintarEtiqueta(int i, bool visible, int32_t colorTexto, int palabra, int32_t colorFondo)
{
    Etiqueta *l = lblTextos_[i];
    l->setVisible(visible);
    l->PonerColorTexto(ColorDe(colorTexto));
    l->setText(NombrePaleta(palabra));
    // The word and where it lies, never its ink: that would give the answer away.
    l->setAccessibleName(tr("word %1, row %2, column %3").arg(l->text()).arg(i / 4 + 1).arg(i % 4 + 1));
    l->PonerFondo(ColorDe(colorFondo));
}

void frmMain::FondoEtiqueta(int i, int32_t color) { lblTextos_[i]->PonerFondo(ColorDe(color)); }

void frmMain::PonerRotulo(Rotulo r, const std::string &texto)
{
    const QString t = QString::fromStdString(texto);
    if (r == Rotulo::Segundos)
        lblSegundos_->PonerTexto(ConSeparadorDecimal(t));  // 50 times a second while the clock runs
    else
        Rotular(r)->setText(t);
}

void frmMain::Objetivo(int nivel, int aciertos, int segundos)
{
    lblMensaje_->setText(TextoObjetivo(nivel, aciertos, segundos));
}

void frmMain::AlturaBarra(Barra b, float altura)
{
    (b == Barra::Tiempo ? shpBarraTiempo_ : shpBarraEncontrados_)->PonerAltura(altura);
}

void frmMain::AjustarPanelMensaje(int ancho, int alto) { picMensaje_->resize(ancho, alto); }

void frmMain::MostrarPanelMensaje(bool visible)
{
    if (visible)
        foco_ = -1;  // a new board: the ring starts again from its first label
    picMensaje_->setVisible(visible);
    MostrarMarca();
}

void frmMain::MostrarPausa(bool enPausa)
{
    lblMensaje_->setVisible(!enPausa);
    cmdEmpezar_->setVisible(!enPausa);
    lblPausa_->setVisible(enPausa);
    cmdSeguir_->setVisible(enPausa);
    cmdMenuPausa_->setVisible(enPausa);
    picMensaje_->setVisible(enPausa);
    if (enPausa) {
        ElegirEnPausa(cmdSeguir_);  // Enter goes on, as the panel says
    } else {
        marcaPausa_->Rodear(nullptr);
        setFocus();  // the keys are the board's again
    }
    MostrarMarca();
}

std::array<bool, 32> frmMain::Visibles() const
{
    std::array<bool, kNumCasillas> visibles{};
    for (int i = 0; i < kNumCasillas; ++i)
        visibles[i] = !lblTextos_[i]->isHidden();
    return visibles;
}

void frmMain::MostrarMarca()
{
    // Over the labels only while they can be played, and only once a key has been used.
    const bool visible = foco_ >= 0 && picMensaje_->isHidden() && !lblTextos_[foco_]->isHidden();
    marca_->Rodear(visible ? lblTextos_[foco_] : nullptr);
}

void frmMain::keyPressEvent(QKeyEvent *ev)
{
    const bool jugando = picMensaje_->isHidden();
    switch (ev->key()) {
    case Qt::Key_Escape:
    case Qt::Key_P:
        juego_->Pausar();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (juego_->EnPausa()) {
            (focusWidget() == cmdMenuPausa_ ? cmdMenuPausa_ : cmdSeguir_)->click();
        } else if (!jugando) {
            cmdEmpezar_Click();
        } else if (foco_ < 0) {
            // The first key of a level shows where the ring is before it chooses anything.
            tecladoUsado_ = true;
            foco_ = MoverFoco(Visibles(), -1, Direccion::Derecha);
            MostrarMarca();
        } else if (!lblTextos_[foco_]->isHidden()) {
            lblTextos_Click(foco_, true);  // exactly what a click does
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (juego_->EnPausa()) {
            focusNextPrevChild(true);  // two buttons: either way is the other one
            return;
        }
        if (!jugando)
            return;
        tecladoUsado_ = true;
        const Direccion d = ev->key() == Qt::Key_Left ? Direccion::Izquierda
            : ev->key() == Qt::Key_Right              ? Direccion::Derecha
            : ev->key() == Qt::Key_Up                 ? Direccion::Arriba
                                                      : Direccion::Abajo;
        foco_ = MoverFoco(Visibles(), foco_, d);
        MostrarMarca();
        return;
    }
    default:
        QWidget::keyPressEvent(ev);
    }
}

void frmMain::changeEvent(QEvent *ev)
{
    // A minimised window hides the board: a level in play pauses.
    if (ev->type() == QEvent::WindowStateChange && isMinimized() && juego_)
        juego_->Pausar();
    QWidget::changeEvent(ev);
}

void frmMain::ActivarReloj(bool activo)
{
    if (activo)
        tmrJuego.start();
    else
        tmrJuego.stop();
}

void frmMain::FondoVentana(int32_t color)
{
    const QColor c = ColorDe(color);
    if (c == fondo_)
        return;
    fondo_ = c;
    update(FondoVisible());
}

QRegion frmMain::FondoVisible() const
{
    // Controls that fill their whole rectangle hide the background under them.
    QRegion r(rect());
    for (QObject *o : children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (w && !w->isWindow() && w->isVisible()
            && (w->testAttribute(Qt::WA_OpaquePaintEvent) || w->autoFillBackground()))
            r -= w->geometry();
    }
    return r;
}

void frmMain::paintEvent(QPaintEvent *ev)
{
    QPainter p(this);
    for (const QRect &r : ev->region())
        p.fillRect(r, fondo_);
}

void frmMain::ColocarCuadros(int fila, int top, int32_t color)
{
    for (Forma *f : {shpIzq_[fila], shpDch_[fila]}) {
        f->move(f->x(), top);
        f->PonerRelleno(ColorDe(color));
    }
}

void frmMain::IluminarCuadros(int fila, bool encendido)
{
    shpIzq_[fila]->PonerBorde(encendido);
    shpDch_[fila]->PonerBorde(encendido);
}

void frmMain::Mensaje(const Informe &informe) { MostrarMensaje(this, TextoInforme(informe)); }

void frmMain::PartidaGanadaCerrar()
{
    close();  // keeps the total: the game was won
    if (ctx_.mostrarMenu)
        ctx_.mostrarMenu();
    if (ctx_.abrirRecords)
        ctx_.abrirRecords();
}

void frmMain::lblTextos_Click(int index, bool teclado) { juego_->ClicEtiqueta(index, teclado); }

void frmMain::cmdEmpezar_Click() { juego_->Empezar(); }

void frmMain::tmrJuego_Timer() { juego_->TickReloj(); }

void frmMain::tmrAnim_Timer() { juego_->TickAnimacion(); }

void frmMain::tmrFlash_Timer() { juego_->TickDestello(); }

void frmMain::imgCHEAT_Click()
{
    // The clock waits while the prompt is open, so no time-out can interleave with the
    // answer; setting up the chosen level stops it for good.
    tmrJuego.stop();
    bool ok = false;
    //: Title of the hidden level jump's prompt.
    const QString titulo = tr("You're a Cheater :)");
    //: The hidden level jump's question; the answer is a level number from 0 to 49.
    const QString pregunta = tr("Go to Level (0 - 49) :");
    const QString respuesta
        = QInputDialog::getText(this, titulo, pregunta, QLineEdit::Normal, QStringLiteral("0"), &ok);
    if (cerrada_)
        return;
    juego_->SaltarNivel(ok ? respuesta.toStdString() : std::string());
}

void frmMain::imgVolverAlMenu_Click()
{
    ctx_.estado.PuntosTotales = 0;
    close();
}

void frmMain::closeEvent(QCloseEvent *ev)
{
    if (cerrada_) {
        ev->accept();
        return;
    }
    cerrada_ = true;
    juego_->Abandonar();  // after a win the game is already reported
    if (!ctx_.estado.PartidaGanada)
        ctx_.estado.PuntosTotales = 0;
    tmrJuego.stop();
    tmrAnim.stop();
    tmrFlash.stop();
    ev->accept();
    if (ctx_.mostrarMenu)
        ctx_.mostrarMenu();
}
