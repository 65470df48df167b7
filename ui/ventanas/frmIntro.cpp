#include "frmIntro.h"

#include "Apariencia.h"
#include "Colores.h"
#include "Arte.h"
#include "Controles.h"
#include "Estilo.h"
#include "Idioma.h"
#include "ImagenesDatos.h"
#include "Mensajes.h"
#include "Web.h"
#include "frmAjustes.h"
#include "frmAyuda.h"
#include "frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {
struct Dificultad {
    const char *texto;
    int top;
};
// cmdDificultad(0) to (3), inside the panel; the index is the difficulty value.
const std::array<Dificultad, 4> kDificultades{{
    //: Difficulty button (153 x 33 px).
    {QT_TRANSLATE_NOOP("frmIntro", "VERY EASY (TRAINING)"), 56},
    //: Difficulty button (153 x 33 px).
    {QT_TRANSLATE_NOOP("frmIntro", "EASY"), 104},
    //: Difficulty button (153 x 33 px).
    {QT_TRANSLATE_NOOP("frmIntro", "NORMAL"), 152},
    //: Difficulty button (153 x 33 px).
    {QT_TRANSLATE_NOOP("frmIntro", "HARD"), 200},
}};
}  // namespace

frmIntro::frmIntro(Contexto &ctx) : QWidget(nullptr), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmIntro"));
    AplicarApariencia(this, 752, 480);
    Construir();
    // The window holds the focus itself, so no choice is ringed until a key is used.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    Form_Load();
    ctx_.mostrarMenu = [this] { MostrarMenu(); };
    ctx_.traerMenu = [this] { TraerMenu(); };
}

frmIntro::~frmIntro()
{
    ctx_.mostrarMenu = nullptr;
    ctx_.traerMenu = nullptr;
    delete juego_.data();
}

frmMain *frmIntro::JuegoAbierto() const { return juego_.data(); }

void frmIntro::Construir()
{
    // Created bottom to top: later siblings lie above earlier ones.
    imgTitulo_ = new QLabel(this);
    imgTitulo_->setObjectName(QStringLiteral("imgTitulo"));
    imgTitulo_->move(0, 0);

    // The choices are painted on the title picture; the name is what a screen reader says.
    auto hotspot
        = [this](const char *nombre, QRect lugar, void (frmIntro::*manejador)(), const QString &dicho) {
              auto *z = new ZonaActiva(this, QString::fromLatin1(nombre), lugar);
              z->setAccessibleName(dicho);
              z->PermitirTeclado();
              connect(z, &ZonaActiva::clicked, this, manejador);
          };
    hotspot("imgJugar", QRect(544, 104, 185, 97), &frmIntro::imgJugar_Click, tr("Play"));
    hotspot("imgHOF", QRect(568, 232, 177, 81), &frmIntro::imgHOF_Click, tr("High scores"));
    hotspot("imgAyuda", QRect(480, 336, 153, 65), &frmIntro::imgAyuda_Click, tr("How to play"));
    hotspot("imgSalir2", QRect(592, 408, 153, 65), &frmIntro::imgSalir2_Click, tr("Quit"));
    hotspot("imgSalir1", QRect(648, 368, 97, 41), &frmIntro::imgSalir1_Click, tr("Quit"));
    setTabOrder(
        findChild<QWidget *>(QStringLiteral("imgSalir1")), findChild<QWidget *>(QStringLiteral("imgSalir2")));

    auto *version = new Etiqueta(
        this, QStringLiteral("Label2"), QRect(552, 8, 185, 17), QStringLiteral("Velunda v1.0"));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version->setFont(FuenteVentana(9.75));

    hotspot("imgWeb", QRect(224, 440, 297, 33), &frmIntro::imgWeb_Click, NombreEnlaceWeb());

    // The difficulty panel in the desktop's window colours, hidden until Play.
    const QPalette sistema = QApplication::palette();
    picDificultad_ = new Panel(
        this, QStringLiteral("picDificultad"), QRect(256, 112, 297, 257), sistema.color(QPalette::Base));
    QPalette pal = picDificultad_->palette();
    pal.setColor(QPalette::WindowText, sistema.color(QPalette::Text));
    picDificultad_->setPalette(pal);

    //: Heading of the difficulty panel (265 x 33 px, 24 pt, bold, underlined).
    auto *rotulo
        = new Etiqueta(picDificultad_, QStringLiteral("Label1"), QRect(16, 8, 265, 33), tr("DIFFICULTY"));
    rotulo->PonerColorTexto(AzulTexto);
    rotulo->setFont(FuenteVentana(24, true, true));

    for (std::size_t i = 0; i < kDificultades.size(); ++i) {
        auto *b = new QPushButton(tr(kDificultades[i].texto), picDificultad_);
        b->setObjectName(QStringLiteral("cmdDificultad_%1").arg(i));
        b->setGeometry(72, kDificultades[i].top, 153, 33);
        const int index = static_cast<int>(i);
        connect(b, &QPushButton::clicked, this, [this, index] { cmdDificultad_Click(index); });
        cmdDificultad_[i] = b;
    }
    for (std::size_t i = 1; i < cmdDificultad_.size(); ++i)
        setTabOrder(cmdDificultad_[i - 1], cmdDificultad_[i]);
    picDificultad_->hide();
}

void frmIntro::Form_Load()
{
    // Without a readable picture the menu paints the same drawing itself, so the choices
    // under the hotspots are always there. Each language has its own picture (the English
    // one a JPEG; a translated one a PNG, drawn with its words and kept pixel for pixel).
    const qreal densidad = devicePixelRatioF();
    const bool traducido = TraduccionActiva();
    QPixmap titulo = CargarImagenDatos(ctx_.dirApp,
        traducido ? QStringLiteral("Titulo_") + IdiomaInstalado() : QStringLiteral("Titulo"), densidad,
        traducido ? FormatoDatos::Png : FormatoDatos::Jpeg);
    if (titulo.isNull()) {
        // Painting it takes longer than the rest of the start-up: painted once for each
        // language, density and font, then kept. Its words come with the program, to which
        // the kept copy is tied.
        const QString contenido
            = QStringLiteral("Titulo %1 @%2 %3 %4")
                  .arg(IdiomaInstalado(), QString::number(densidad), QFontInfo(FuenteArte(54)).family(),
                      QFontInfo(FuenteArte(54)).styleName());
        titulo = CargarImagenPintada(
            contenido.toUtf8(), densidad, [densidad] { return ImagenTitulo(densidad); });
    }
    imgTitulo_->setPixmap(titulo);
    imgTitulo_->resize(titulo.deviceIndependentSize().toSize());  // its own size, unstretched
}

void frmIntro::MostrarMenu()
{
    picDificultad_->hide();
    setFocus();
    TraerMenu();
}

void frmIntro::TraerMenu()
{
    show();
    raise();
    activateWindow();
}

void frmIntro::imgJugar_Click()
{
    picDificultad_->show();
    // A keyboard player goes on from the first difficulty; for the mouse nothing shows.
    if (QWidget *f = focusWidget(); f && f->objectName() == QLatin1String("imgJugar"))
        cmdDificultad_[0]->setFocus(Qt::TabFocusReason);
}

void frmIntro::cmdDificultad_Click(int index)
{
    // In this order: the value, the panel, the menu, the game screen, then level 0.
    ctx_.estado.DificultadActual = static_cast<float>(index);
    picDificultad_->hide();
    hide();
    if (!juego_)
        juego_ = new frmMain(ctx_);  // its load sets up palette, levels and board
    juego_->show();
    juego_->juego().PrepararNivel(0);
}

void frmIntro::imgAyuda_Click()
{
    frmAyuda ayuda(ctx_, this);
    ayuda.exec();
}

void frmIntro::imgHOF_Click()
{
    if (ctx_.abrirRecords)
        ctx_.abrirRecords();
}

void frmIntro::imgWeb_Click() { AbrirWeb(ctx_); }

void frmIntro::imgSalir1_Click() { ConfirmarSalida(ctx_, this); }

void frmIntro::imgSalir2_Click() { ConfirmarSalida(ctx_, this); }

void frmIntro::keyPressEvent(QKeyEvent *ev)
{
    // Arrows walk the choices like Tab; Enter chooses a focused difficulty button too.
    switch (ev->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextChild();
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusPreviousChild();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *b = qobject_cast<QPushButton *>(focusWidget()); b && b->isVisible()) {
            b->click();
            return;
        }
        break;
    case Qt::Key_Escape:
        // The panel has no cancel button: Escape takes it away, back to Play.
        if (picDificultad_->isVisible()) {
            const bool enPanel = picDificultad_->isAncestorOf(focusWidget());
            picDificultad_->hide();
            if (enPanel)
                findChild<QWidget *>(QStringLiteral("imgJugar"))->setFocus(Qt::TabFocusReason);
            return;
        }
        break;
    case Qt::Key_S:
        AbrirAjustes(ctx_, this);
        return;
    case Qt::Key_P:
        if (ctx_.abrirProgreso)
            ctx_.abrirProgreso(this);
        return;
    case Qt::Key_C:
        if (ctx_.abrirChequeo)
            ctx_.abrirChequeo(this);
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(ev);
}

void frmIntro::closeEvent(QCloseEvent *ev)
{
    // The menu never closes: its close box only asks whether to quit the whole program.
    ev->ignore();
    ConfirmarSalida(ctx_, this);
}
