#include "frmHOF.h"
#include "Colores.h"

#include "AlmacenHOF.h"
#include "Apariencia.h"
#include "Controles.h"
#include "RutaHOF.h"
#include "TextosJuego.h"
#include "Web.h"

#include <QDate>
#include <QDir>
#include <QInputDialog>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>

namespace {

constexpr int kPuestos = TablaHOF::kPuestos;

// Rows i = 0..9: top 112 + 24 i, all 17 high.
int TopFila(int i) { return 112 + 24 * i; }
constexpr int kAltoFila = 17;

struct Columna {
    int left;
    int ancho;
};
constexpr Columna kPuesto{40, 33}, kPuntos{80, 97}, kNombre{184, 161}, kDificultad{352, 97}, kFecha{456, 97},
    kHora{560, 97};

struct Titulo {
    struct {
        const char *texto, *desambiguacion;
    } rotulo;  // as QT_TRANSLATE_NOOP3 gives them
    Columna columna;
};
// lblTitulo(0) to (4), in their own order; the place column has none. Translated where
// shown, with "column title" telling them from the same words elsewhere.
const std::array<Titulo, 5> kTitulos{{
    //: High-score column title (161 x 17 px, 8.25 pt, bold).
    {QT_TRANSLATE_NOOP3("frmHOF", "NAME", "column title"), kNombre},
    //: High-score column title (97 x 17 px, 8.25 pt, bold).
    {QT_TRANSLATE_NOOP3("frmHOF", "DIFFICULTY", "column title"), kDificultad},
    //: High-score column title (97 x 17 px, 8.25 pt, bold).
    {QT_TRANSLATE_NOOP3("frmHOF", "SCORE", "column title"), kPuntos},
    //: High-score column title (97 x 17 px, 8.25 pt, bold).
    {QT_TRANSLATE_NOOP3("frmHOF", "DATE", "column title"), kFecha},
    //: High-score column title: the time of day of the entry (97 x 17 px, 8.25 pt, bold).
    {QT_TRANSLATE_NOOP3("frmHOF", "TIME", "column title"), kHora},
}};

QRect Celda(Columna c, int top) { return QRect(c.left, top, c.ancho, kAltoFila); }

// The one line under the grid that says a save failed: below the lowest band (row 10's
// ends at 351), above OK and the web line, from the place column to OK's right edge.
const QRect kLugarAviso(40, 355, 633, 17);
}  // namespace

frmHOF::frmHOF(Contexto &ctx, QWidget *padre) : QDialog(padre), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmHOF"));
    AplicarApariencia(this, 705, 412, BotonesVentana::SoloCerrar);
    setWindowFlag(Qt::Dialog);  // stays a dialog of the menu for the window manager
    PonerFondoOpaco(this, AzulClaro);

    Construir();
    Form_Load();
}

void frmHOF::Construir()
{
    // Created bottom to top: the band first, so every label lies over it.
    Shape1_ = new Forma(this, QStringLiteral("Shape1"), QRect(72, 0, 593, 28), Rojo);

    //: The high-score screen's heading (577 x 41 px, 24 pt, bold).
    auto *titulo = new Etiqueta(this, QStringLiteral("Label1"), QRect(80, 32, 577, 41), tr("HIGH SCORES"));
    titulo->setFont(FuenteVentana(24, true));
    titulo->PonerColorTexto(AzulTexto);

    for (std::size_t k = 0; k < kTitulos.size(); ++k) {
        auto *l = new Etiqueta(this, QStringLiteral("lblTitulo_%1").arg(k),
            QRect(kTitulos[k].columna.left, 88, kTitulos[k].columna.ancho, 17),
            tr(kTitulos[k].rotulo.texto, kTitulos[k].rotulo.desambiguacion));
        l->setFont(FuenteVentana(8.25, true));
        l->PonerFondo(AzulTexto);
        l->PonerColorTexto(Qt::white);
        l->PonerBorde(true);
    }

    auto celda = [this](const char *nombre, int i, Columna c) {
        auto *l = new Etiqueta(
            this, QStringLiteral("%1_%2").arg(QLatin1String(nombre)).arg(i), Celda(c, TopFila(i)));
        l->PonerFondo(Qt::white);
        return l;
    };
    for (int i = 0; i < kPuestos; ++i) {
        lblPuesto_[i] = new Etiqueta(this, QStringLiteral("lblPuesto_%1").arg(i), Celda(kPuesto, TopFila(i)));
        lblPuesto_[i]->setFont(FuenteVentana(8.25, true));
        lblPuesto_[i]->PonerBorde(true);
        lblPuntos_[i] = celda("lblPuntos", i, kPuntos);
        lblNombre_[i] = celda("lblNombre", i, kNombre);
        lblNombre_[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lblDificultad_[i] = celda("lblDificultad", i, kDificultad);
        lblFecha_[i] = celda("lblFecha", i, kFecha);
        lblHora_[i] = celda("lblHora", i, kHora);
    }

    auto *enlace = new Etiqueta(this, QStringLiteral("Label2"), QRect(40, 384, 353, 17), InvitacionWeb());
    enlace->PonerFondo(NaranjaEnlace);
    enlace->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *image2 = new ZonaActiva(this, QStringLiteral("Image2"), QRect(32, 384, 369, 17));
    image2->setAccessibleName(NombreEnlaceWeb());
    connect(image2, &ZonaActiva::clicked, this, &frmHOF::Image2_Click);

    // The only control that takes focus, so it is first in the focus order.
    //: The high-score screen's close button (49 x 25 px).
    Command1_ = new QPushButton(tr("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setGeometry(624, 376, 49, 25);
    Command1_->setDefault(true);
    Command1_->setFocus();
    connect(Command1_, &QPushButton::clicked, this, &frmHOF::Command1_Click);

    lblAviso_ = new Etiqueta(this, QStringLiteral("lblAviso"), kLugarAviso);
    lblAviso_->PonerColorTexto(RojoAviso);
    lblAviso_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblAviso_->hide();
    // The player's own history, beside OK in the free part of the bottom row.
    auto *progreso = new QPushButton(tr("PROGRESS"), this);
    progreso->setObjectName(QStringLiteral("cmdProgreso"));
    progreso->setGeometry(520, 376, 97, 25);
    connect(progreso, &QPushButton::clicked, this, &frmHOF::cmdProgreso_Click);
}

void frmHOF::Form_Load()
{
    // A result reaches the table only from the win that opened this screen, and is taken
    // here once: neither the close box nor a later showing from the menu can offer it again.
    const bool ganada = ctx_.estado.PartidaGanada;
    ctx_.estado.PartidaGanada = false;

    for (int i = 0; i < kPuestos; ++i) {
        lblPuesto_[i]->setText(QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0')));
        const QColor tono(255, 100 + 10 * i, 100 + 10 * i);
        for (Etiqueta *l :
            {lblPuesto_[i], lblPuntos_[i], lblNombre_[i], lblDificultad_[i], lblFecha_[i], lblHora_[i]})
            l->PonerFondo(tono);
    }
    Shape1_->hide();

    const AlmacenHOF almacen(RutaHOF(ctx_.dirApp, QString(), ctx_.datosEscribibles));
    almacen.Cargar(tabla_);
    bool nueva = false;
    const bool relajada = ganada && ctx_.estado.PartidaRelajada;
    if (ganada) {
        const int32_t total = ctx_.estado.PuntosTotales;
        ctx_.estado.PuntosTotales = 0;
        nueva = !relajada && tabla_.Califica(total);
        if (nueva)
            PedirNombre(total);
    }
    // Saved before it is shown, so the grid is the table as it now stands on disk, with
    // whatever another copy of the game saved while the name was being typed.
    const ResultadoEscritura guardado = almacen.Guardar(tabla_, nueva);
    MostrarAviso(guardado.motivo, almacen.Ruta());
    if (relajada && guardado.motivo == MotivoFallo::Ninguno) {
        lblAviso_->setText(
            tr("A game at the relaxed pace has ten times the time, so it does not enter the table."));
        lblAviso_->setToolTip(QString());
        lblAviso_->show();
    }

    const int fila = tabla_.FilaNueva();
    if (fila >= 0) {
        // 5 above and 6 below the row's cells: the new row is framed in red.
        Shape1_->move(Shape1_->x(), lblDificultad_[fila]->y() - 5);
        Shape1_->show();
    }

    for (int i = 0; i < kPuestos; ++i) {
        const tRegistroHOF &r = tabla_.Registros[i];
        lblFecha_[i]->setText(r.Fecha);
        lblHora_[i]->setText(r.Hora);
        lblDificultad_[i]->setText(TextoDificultad(r.Dificultad));
        lblNombre_[i]->setText(r.Nombre);
        lblPuntos_[i]->setText(QString::number(r.Puntos));
    }
}

void frmHOF::MostrarAviso(MotivoFallo motivo, const QString &ruta)
{
    QString texto;
    switch (motivo) {
    case MotivoFallo::Ninguno:
        lblAviso_->hide();
        return;
    case MotivoFallo::Bloqueado:
        texto = tr("The table was not saved: another copy of Velunda kept the file locked.");
        break;
    case MotivoFallo::SinPermiso:
        texto = tr("The table was not saved: there is no permission to write the file.");
        break;
    case MotivoFallo::SinEspacio:
        texto = tr("The table was not saved: the disk is full.");
        break;
    case MotivoFallo::NoEsArchivo:
        texto = tr("The table was not saved: a folder stands where the file should be.");
        break;
    case MotivoFallo::CerrojoNoEsArchivo:
        texto = tr("The table was not saved: its lock file HOF.rec.lock is not a plain file.");
        break;
    case MotivoFallo::Ilegible:
        texto = tr("The table was not saved: the file there could not be read, so it was kept.");
        break;
    case MotivoFallo::Otro:
        texto = tr("The table was not saved: the file could not be written.");
        break;
    }
    lblAviso_->setText(texto);
    lblAviso_->setToolTip(QDir::toNativeSeparators(ruta));  // where it could not be saved
    lblAviso_->show();
}

void frmHOF::PedirNombre(int32_t puntos)
{
    // Parented to the menu: this window is not on screen yet.
    bool ok = false;
    //: Title of the name prompt after a game that earned a place.
    const QString titulo = tr("Congrats! You got a High Score!");
    //: The name prompt's question.
    const QString pregunta = tr("What's your name?");
    // The offered name is the maker's, the same in every language.
    const QString respuesta = QInputDialog::getText(
        parentWidget(), titulo, pregunta, QLineEdit::Normal, QStringLiteral("Quorlan"), &ok);
    const QString nombre = ok ? respuesta : QString();  // Cancel still enters the score

    // Taken once the player has answered, the date first.
    const QLocale local = QLocale::system();
    const QString fecha = local.toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString hora = TextoHora(local, QTime::currentTime());
    // The difficulty is always a whole 0..3; rounding (half to even) only makes it a code.
    const auto dificultad = static_cast<int16_t>(std::nearbyint(ctx_.estado.DificultadActual));
    tabla_.Insertar(nombre, dificultad, fecha, hora, puntos);  // ranked when it is saved
}

void frmHOF::Command1_Click()
{
    ctx_.estado.PuntosTotales = 0;
    accept();
    if (ctx_.traerMenu)
        ctx_.traerMenu();
}

void frmHOF::Image2_Click() { AbrirWeb(ctx_); }

void frmHOF::cmdProgreso_Click()
{
    if (ctx_.abrirProgreso)
        ctx_.abrirProgreso(this);
}

void AbrirRecords(Contexto &ctx, QWidget *padre)
{
    frmHOF hof(ctx, padre);
    hof.exec();
}

QString TextoHora(const QLocale &locale, QTime hora)
{
    // Qt offers no full time pattern without the zone, so the zone field (letters t, with
    // any brackets around it) is taken out of the locale's own full pattern.
    static const QRegularExpression zona(QStringLiteral("\\s*[(\\[]?(?<![\\p{L}'])t+(?![\\p{L}'])[)\\]]?"));
    QString formato = locale.timeFormat(QLocale::LongFormat);
    formato.remove(zona);
    formato = formato.trimmed();
    if (!formato.contains(u's'))
        formato = QStringLiteral("HH:mm:ss");
    return locale.toString(hora, formato);
}
