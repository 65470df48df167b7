#include "frmAjustes.h"
#include "Colores.h"

#include "Apariencia.h"
#include "Controles.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>

frmAjustes::frmAjustes(Ajustes &ajustes, QWidget *padre, Contexto *ctx) : QDialog(padre), ajustes_(ajustes)
{
    setObjectName(QStringLiteral("frmAjustes"));
    AplicarApariencia(this, 440, 417, BotonesVentana::SoloCerrar);
    setWindowFlag(Qt::Dialog);
    PonerFondoOpaco(this, Qt::white);

    // Laid out like the help screen: a light blue heading, then the choices.
    auto *titulo = new Etiqueta(this, QStringLiteral("lblTitulo"), QRect(24, 8, 393, 25), tr("SETTINGS"));
    titulo->PonerFondo(AzulClaro);
    titulo->setFont(FuenteVentana(13.5, true));

    auto casilla = [this](const char *nombre, QRect lugar, const QString &texto, Ajustes::Clave c) {
        auto *b = new QCheckBox(texto, this);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setGeometry(lugar);
        b->setFont(FuenteVentana(9.75));
        connect(b, &QCheckBox::toggled, this, [this, c](bool v) { ajustes_.Poner(c, v); });
        casillas_[static_cast<std::size_t>(c)] = b;
    };
    casilla("chkSonido", QRect(24, 48, 393, 25), tr("Sound cues (the M key turns them on or off)"),
        Ajustes::Clave::Sonido);
    casilla("chkDestelloTranquilo", QRect(24, 80, 393, 41),
        tr("Calm warning: when time runs low, a steady red\ninstead of a flashing window"),
        Ajustes::Clave::DestelloTranquilo);
    casilla("chkTintasSeguras", QRect(24, 124, 393, 41),
        tr("Colour-blind-safe inks: colours that stay apart for\nevery kind of colour vision (from the next "
           "game)"),
        Ajustes::Clave::TintasSeguras);
    casilla("chkContornoPalabras", QRect(24, 168, 393, 25),
        tr("Outline the words, so that pale inks read on white"), Ajustes::Clave::ContornoPalabras);
    casilla("chkRitmoRelajado", QRect(24, 196, 393, 41),
        tr("Relaxed pace: ten times the time on every level\n(such a game does not enter the high scores)"),
        Ajustes::Clave::RitmoRelajado);

    // The windows' size: Qt takes its scale as it starts, so a new one waits for the next start.
    //: Settings, beside the list of sizes (250 x 25 px, 9.75 pt).
    auto *tamano = new Etiqueta(
        this, QStringLiteral("lblTamano"), QRect(24, 244, 250, 25), tr("Size (from the next start):"));
    tamano->setFont(FuenteVentana(9.75));
    tamano->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cboTamano_ = new QComboBox(this);
    cboTamano_->setObjectName(QStringLiteral("cboTamano"));
    cboTamano_->setGeometry(280, 244, 137, 25);
    cboTamano_->setFont(FuenteVentana(9.75));
    cboTamano_->setAccessibleName(tr("Size"));
    cboTamano_->view()->setAccessibleName(cboTamano_->accessibleName());  // its open list
    tamano->setBuddy(cboTamano_);
    //: Settings, the size that follows the desktop's scale, as large as the screen allows.
    cboTamano_->addItem(tr("Automatic"), int(Ajustes::Tamano::Automatico));
    for (const Ajustes::Tamano t :
        {Ajustes::Tamano::Cien, Ajustes::Tamano::CientoCincuenta, Ajustes::Tamano::Doscientos})
        //: Settings, a size of the windows; %1 is 100, 150 or 200.
        cboTamano_->addItem(tr("%1 %").arg(int(t)), int(t));
    cboTamano_->setCurrentIndex(cboTamano_->findData(int(ajustes_.TamanoVentanas())));
    connect(cboTamano_, &QComboBox::currentIndexChanged, this, [this] {
        ajustes_.PonerTamanoVentanas(Ajustes::Tamano(cboTamano_->currentData().toInt()));
        MostrarAviso();
    });

    auto *teclas = new Etiqueta(this, QStringLiteral("lblTeclas"), QRect(24, 276, 393, 49),
        tr("During a level, Escape or P pauses the game and hides the board; Enter or Space "
           "goes on. The arrow keys move a ring over the words; Space or Enter chooses."));
    teclas->setFont(FuenteVentana(8.25));
    teclas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    teclas->setWordWrap(true);

    // For a shared computer: what the game keeps of its players, cleared after a question.
    auto borrar = [this, ctx](const char *nombre, int left, const QString &texto,
                      bool (*accion)(Contexto &, QWidget *)) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setGeometry(left, 336, 193, 25);
        b->setAutoDefault(false);
        b->setEnabled(ctx != nullptr);
        connect(b, &QPushButton::clicked, this, [this, ctx, accion] { accion(*ctx, this); });
        return b;
    };
    //: Settings button (193 x 25 px); asks before it clears.
    borrar("cmdBorrarRecords", 24, tr("Clear high scores…"), &BorrarRecords);
    //: Settings button (193 x 25 px); asks before it clears.
    auto *historial = borrar("cmdBorrarHistorial", 224, tr("Clear my history…"), &BorrarHistorial);
    historial->setEnabled(ctx && ctx->historial);

    // Shown only when a choice could not be written: with a working file, nothing changes here.
    lblAviso_ = new Etiqueta(this, QStringLiteral("lblAviso"), QRect(24, 370, 312, 34));
    lblAviso_->setFont(FuenteVentana(8.25));
    lblAviso_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblAviso_->setWordWrap(true);
    lblAviso_->PonerColorTexto(RojoOscuro);
    lblAviso_->hide();

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdAceptar"));
    ok->setGeometry(344, 376, 73, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    for (std::size_t c = 0; c < casillas_.size(); ++c)
        Mostrar(static_cast<Ajustes::Clave>(c));
    // M pressed while the window is open changes the setting under the box.
    connect(&ajustes_, &Ajustes::Cambiado, this, &frmAjustes::Mostrar);
    MostrarAviso();
}

void frmAjustes::MostrarAviso()
{
    QString texto;
    switch (ajustes_.UltimaConservacion()) {
    case Ajustes::Conservacion::Guardada:
        lblAviso_->hide();
        return;
    case Ajustes::Conservacion::SinPermiso:
        texto = tr("This choice lasts only this run: the settings file cannot be written.");
        break;
    case Ajustes::Conservacion::Ilegible:
        texto = tr("This choice lasts only this run: the settings file cannot be read.");
        break;
    }
    lblAviso_->setText(texto);
    lblAviso_->setToolTip(QDir::toNativeSeparators(ajustes_.Archivo()));
    lblAviso_->show();
}

void frmAjustes::Mostrar(Ajustes::Clave c)
{
    QCheckBox *b = casillas_.at(static_cast<std::size_t>(c));
    const QSignalBlocker bloqueo(b);
    b->setChecked(ajustes_.Valor(c));
    MostrarAviso();
}

void AbrirAjustes(Contexto &ctx, QWidget *padre)
{
    if (!ctx.ajustes)
        return;
    frmAjustes ventana(*ctx.ajustes, padre, &ctx);
    ventana.exec();
}
