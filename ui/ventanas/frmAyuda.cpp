#include "frmAyuda.h"
#include "Colores.h"

#include "Apariencia.h"
#include "Controles.h"
#include "Estilo.h"
#include "Paleta.h"
#include "TextosJuego.h"
#include "Web.h"
#include "frmAjustes.h"

#include <QPushButton>

namespace {

struct Parrafo {
    QRect lugar;
    double puntos;
    bool negrita;
    Qt::Alignment alineacion;
};

// lblAyuda(0) to (7): place, font and alignment; the texts come with the load.
const std::array<Parrafo, 8> kParrafos{{
    {{24, 8, 601, 25}, 13.5, true, Qt::AlignHCenter},
    {{24, 72, 601, 73}, 9.75, false, Qt::AlignLeft},
    {{24, 152, 601, 49}, 13.5, false, Qt::AlignHCenter},
    {{24, 208, 81, 17}, 9.75, false, Qt::AlignLeft},
    {{136, 240, 161, 17}, 9.75, false, Qt::AlignHCenter},
    {{360, 240, 161, 17}, 9.75, false, Qt::AlignHCenter},
    {{24, 272, 601, 65}, 9.75, false, Qt::AlignLeft},
    {{24, 344, 601, 33}, 9.75, true, Qt::AlignHCenter},
}};

// The texts of lblAyuda(1) to (7), the player's own words to the letter; translated at load.
const std::array<const char *, 7> kTextos{{
    //: Help, under the example label (the word RED printed in blue); 601 x 73 px, 9.75 pt.
    //: Name the two colours as the translated colour words say them.
    QT_TRANSLATE_NOOP("frmAyuda",
        "When you see this image, something strange happens. Your brain gets two contradictory "
        "informations from two valid sources. On the one hand, the label says 'Red'. On the other "
        "hand, the color of the label says 'Blue'. This way, your brain gets confused."),
    //: Help, the rule in one line (601 x 49 px, 13.5 pt).
    QT_TRANSLATE_NOOP("frmAyuda", "Your goal: click on the labels wich TEXT matches its COLOR."),
    //: Help, before two example labels (81 x 17 px, 9.75 pt).
    QT_TRANSLATE_NOOP("frmAyuda", "For example:"),
    //: Help, under the example label that matches (161 x 17 px, 9.75 pt).
    QT_TRANSLATE_NOOP("frmAyuda", "CORRECT"),
    //: Help, under the example label that does not match (161 x 17 px, 9.75 pt).
    QT_TRANSLATE_NOOP("frmAyuda", "INCORRECT"),
    //: Help, the clock and the fall-back (601 x 65 px, 9.75 pt).
    QT_TRANSLATE_NOOP("frmAyuda",
        "Time is limited, so go quickly! :) . The faster you are, the higher your score! But be "
        "carefull, because if you click on an incorrect label you will go back 2 levels."),
    //: Help, the last line (601 x 33 px, 9.75 pt, bold).
    QT_TRANSLATE_NOOP("frmAyuda", "Now it's your time. Are you a master of Velunda?"),
}};

struct Ejemplo {
    QRect lugar;
    int palabra;  // palette index of the colour word shown
    QColor tinta;
    int tintaSegura;  // palette index of the ink it takes in the colour-blind-safe set
};

// lblTextos(0) to (2): styled like the game screen's word labels, deaf to clicks; their
// words are the game's own colour words (RED, GREEN, GREEN).
const std::array<Ejemplo, 3> kEjemplos{{
    {{256, 40, 145, 25}, 0, QColor(0, 0, 255), 2},
    {{144, 208, 145, 25}, 1, QColor(0, 192, 0), 1},
    {{368, 208, 145, 25}, 1, QColor(255, 0, 0), 0},
}};
}  // namespace

frmAyuda::frmAyuda(Contexto &ctx, QWidget *padre) : QDialog(padre), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmAyuda"));
    AplicarApariencia(this, 650, 441, BotonesVentana::SoloCerrar);
    setWindowFlag(Qt::Dialog);  // stays a dialog of the menu for the window manager
    PonerFondoOpaco(this, Qt::white);

    Construir();
    Form_Load();
}

void frmAyuda::Construir()
{
    for (std::size_t i = 0; i < kParrafos.size(); ++i) {
        const Parrafo &p = kParrafos[i];
        auto *l = new Etiqueta(this, QStringLiteral("lblAyuda_%1").arg(i), p.lugar);
        l->PonerFondo(AzulClaro);
        l->setFont(FuenteVentana(p.puntos, p.negrita));
        l->setAlignment(p.alineacion | Qt::AlignTop);
        l->setWordWrap(true);
        lblAyuda_[i] = l;
    }
    //: The help screen's heading (601 x 25 px, 13.5 pt, bold).
    lblAyuda_[0]->setText(tr("HELP"));

    for (std::size_t i = 0; i < kEjemplos.size(); ++i) {
        const Ejemplo &e = kEjemplos[i];
        auto *l = new Etiqueta(this, QStringLiteral("lblTextos_%1").arg(i), e.lugar, NombrePaleta(e.palabra));
        l->setFont(FuenteVentana(13.5, true));
        l->PonerBorde(true);
        l->PonerFondo(Qt::white);
        const bool seguras = ctx_.ajustes && ctx_.ajustes->Valor(Ajustes::Clave::TintasSeguras);
        const Tinta t = TintaDe(Tintas::Seguras, e.tintaSegura);
        l->PonerColorTexto(seguras ? QColor(t.r, t.g, t.b) : e.tinta);
        l->PonerContorno(ctx_.ajustes && ctx_.ajustes->Valor(Ajustes::Clave::ContornoPalabras));
    }

    auto *enlace = new Etiqueta(this, QStringLiteral("Label1"), QRect(24, 400, 353, 17), InvitacionWeb());
    enlace->PonerFondo(NaranjaEnlace);
    enlace->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *image2 = new ZonaActiva(this, QStringLiteral("Image2"), QRect(16, 400, 369, 17));
    image2->setAccessibleName(NombreEnlaceWeb());
    connect(image2, &ZonaActiva::clicked, this, &frmAyuda::Image2_Click);

    // The only control that takes focus, so it is first in the focus order.
    //: The help screen's close button (73 x 25 px).
    Command1_ = new QPushButton(tr("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setGeometry(552, 392, 73, 25);
    Command1_->setDefault(true);
    Command1_->setFocus();
    connect(Command1_, &QPushButton::clicked, this, &frmAyuda::Command1_Click);

    // The settings, between the web link and OK, where the window had room.
    if (ctx_.ajustes) {
        auto *ajustes = new QPushButton(tr("Settings..."), this);
        ajustes->setObjectName(QStringLiteral("cmdAjustes"));
        ajustes->setGeometry(448, 392, 89, 25);
        ajustes->setAutoDefault(false);
        connect(ajustes, &QPushButton::clicked, this, [this] { AbrirAjustes(ctx_, this); });
    }
}

void frmAyuda::Form_Load()
{
    for (std::size_t i = 0; i < kTextos.size(); ++i)
        lblAyuda_[i + 1]->setText(tr(kTextos[i]));
}

void frmAyuda::Command1_Click() { close(); }

void frmAyuda::Image2_Click() { AbrirWeb(ctx_); }
