#include "frmProgreso.h"
#include "frmChequeo.h"
#include "Colores.h"
#include "GraficosProgreso.h"

#include "Apariencia.h"
#include "Controles.h"
#include "Estilo.h"
#include "Historial.h"
#include "Idioma.h"
#include "TextosJuego.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
using namespace GraficosProgreso;

// One colour of the game's palette per difficulty: VERY EASY green, EASY blue, NORMAL
// orange, HARD red.
QColor ColorDificultad(int d)
{
    static const int kIndices[] = {1, 2, 7, 0};
    return ColorPaleta(kIndices[std::clamp(d, 0, 3)]);
}

// Past this many points a series is drawn as a line only: markers would hide each other.
constexpr int kMaxMarcadores = 150;

QString Duracion(double segundos)
{
    const auto s = static_cast<qint64>(std::llround(segundos));
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QChar(u'0'))
        .arg(s % 60, 2, 10, QChar(u'0'));
}
}  // namespace

namespace GraficosProgreso {
QChartView *Grafico(QWidget *padre, const char *nombre, QRect lugar, const QString &titulo)
{
    auto *chart = new QChart;
    chart->setTitle(titulo);
    chart->setTitleFont(FuenteVentana(9.75, true));
    chart->setTitleBrush(AzulTexto);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    // "2,5" on the axes in a language with a decimal comma; English as printf writes it.
    chart->setLocale(LocaleJuego());
    chart->setLocalizeNumbers(chart->locale().decimalPoint() != QLatin1String("."));
    chart->legend()->setFont(FuenteVentana(8.25));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *vista = new QChartView(chart, padre);
    vista->setObjectName(QString::fromLatin1(nombre));
    vista->setGeometry(lugar);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setFrameShape(QFrame::Box);
    vista->setFocusPolicy(Qt::NoFocus);
    return vista;
}

void Eje(QAbstractAxis *eje)
{
    eje->setLabelsFont(FuenteVentana(8.25));
    eje->setTitleFont(FuenteVentana(8.25, true));
}

std::pair<QValueAxis *, QValueAxis *> Ejes(QChart *chart)
{
    auto *x = new QValueAxis;
    auto *y = new QValueAxis;
    Eje(x);
    Eje(y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    return {x, y};
}

QLineSeries *Serie(QChart *chart, const QString &nombre, const QString &objeto, const QColor &color)
{
    auto *s = new QLineSeries;
    s->setName(nombre);
    s->setObjectName(objeto);
    QPen pluma(color);
    pluma.setWidthF(2);
    s->setPen(pluma);
    chart->addSeries(s);
    return s;
}

}  // namespace GraficosProgreso

frmProgreso::frmProgreso(Historial *historial, QWidget *padre, Contexto *ctx)
    : QDialog(padre), historial_(historial), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmProgreso"));
    AplicarApariencia(this, 752, 480, BotonesVentana::SoloCerrar);
    setWindowFlag(Qt::Dialog);
    PonerFondoOpaco(this, AzulClaro);
    Construir();
    Form_Load();
}

void frmProgreso::cmdChequeo_Click()
{
    AbrirChequeo(*ctx_, this);
    Form_Load();  // what the check-up kept
}

void frmProgreso::Construir()
{
    lblTitulo_ = new Etiqueta(this, QStringLiteral("Label1"), QRect(16, 8, 424, 41), tr("YOUR PROGRESS"));
    lblTitulo_->setFont(FuenteVentana(24, true));
    lblTitulo_->PonerColorTexto(AzulTexto);
    //: The button that turns the window to the slips and pace view and back (161 x 25 px).
    cmdVista_ = new QPushButton(tr("WHAT TRIPS YOU"), this);
    cmdVista_->setObjectName(QStringLiteral("cmdVista"));
    cmdVista_->setGeometry(576, 18, 161, 25);
    connect(cmdVista_, &QPushButton::clicked, this, &frmProgreso::cmdVista_Click);
    //: The button that opens the interference check-up (121 x 25 px).
    cmdChequeo_ = new QPushButton(tr("CHECK-UP"), this);
    cmdChequeo_->setObjectName(QStringLiteral("cmdChequeo"));
    cmdChequeo_->setGeometry(448, 18, 121, 25);
    cmdChequeo_->setAccessibleName(tr("Measure your colour-word interference: a two-minute check-up"));
    connect(cmdChequeo_, &QPushButton::clicked, this, &frmProgreso::cmdChequeo_Click);

    chtPartidas_ = Grafico(this, "chtPartidas", QRect(16, 56, 356, 288), tr("HIGHEST LEVEL IN EACH GAME"));
    chtNiveles_ = Grafico(this, "chtNiveles", QRect(380, 56, 356, 288), tr("SECONDS PER MATCH, BY LEVEL"));

    lblVacio_ = new Etiqueta(this, QStringLiteral("lblVacio"), QRect(16, 56, 720, 288),
        tr("No games yet.\n\nPlay a game from the title menu, then come back here\nto see how you improve."));
    lblVacio_->PonerFondo(Qt::white);
    lblVacio_->PonerBorde(true);
    lblVacio_->PonerColorTexto(AzulTexto);
    lblVacio_->setFont(FuenteVentana(13.5));
    lblVacio_->hide();

    const char *nombres[]
        = {"lblPartidas", "lblNiveles", "lblFallos", "lblTiempos", "lblMejorTotal", "lblTiempoJugado"};
    for (int i = 0; i < 6; ++i) {
        auto *l = new Etiqueta(
            this, QString::fromLatin1(nombres[i]), QRect(16 + 244 * (i % 3), 356 + 28 * (i / 3), 232, 25));
        l->PonerFondo(Melocoton);
        l->PonerBorde(true);
        l->setFont(FuenteVentana(9.75, true));
        lblNumeros_[i] = l;
    }

    // Up to two lines, ending on the buttons' row: a moved-aside file's name is long.
    lblEstado_ = new Etiqueta(this, QStringLiteral("lblEstado"), QRect(16, 420, 496, 45));
    lblEstado_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblEstado_->setWordWrap(true);
    lblEstado_->PonerColorTexto(RojoOscuro);

    cmdAceptar_ = new QPushButton(tr("OK"), this);
    cmdAceptar_->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar_->setGeometry(664, 444, 73, 25);
    cmdAceptar_->setDefault(true);
    cmdAceptar_->setFocus();
    connect(cmdAceptar_, &QPushButton::clicked, this, &frmProgreso::cmdAceptar_Click);
    cmdExportar_ = new QPushButton(tr("EXPORT CSV..."), this);
    cmdExportar_->setObjectName(QStringLiteral("cmdExportar"));
    cmdExportar_->setGeometry(520, 444, 137, 25);
    connect(cmdExportar_, &QPushButton::clicked, this, &frmProgreso::cmdExportar_Click);
    cmdAceptar_->setAccessibleName(tr("Close the progress window"));
    cmdExportar_->setAccessibleName(tr("Export the history as a CSV file"));
}

void frmProgreso::Form_Load()
{
    if (historial_)
        historial_->Escribir();  // what the last game left waiting
    AlmacenHistorial *almacen = historial_ ? historial_->Almacen() : nullptr;
    const tResumenHistorial r = almacen ? almacen->Leer() : tResumenHistorial{};
    vacio_ = r.Partidas.empty();
    cmdExportar_->setEnabled(almacen && (!vacio_ || !almacen->LeerChequeos().empty()));
    cmdChequeo_->setVisible(ctx_ != nullptr);
    LlenarPartidas(r);
    LlenarNiveles(r);
    LlenarNumeros(r);
    resumen_ = r;
    if (picTropiezos_)
        LlenarTropiezos(r);
    lblEstado_->setText(TextoEstado());
    MostrarVista();
}

void frmProgreso::MostrarVista()
{
    // Most openings never look at it: its 80 labels and two charts wait until it is asked for.
    if (tropiezos_ && !picTropiezos_) {
        ConstruirTropiezos();
        LlenarTropiezos(resumen_);
    }
    chtPartidas_->setVisible(!tropiezos_ && !vacio_);
    chtNiveles_->setVisible(!tropiezos_ && !vacio_);
    lblVacio_->setVisible(!tropiezos_ && vacio_);
    for (Etiqueta *l : lblNumeros_)
        l->setVisible(!tropiezos_);
    if (picTropiezos_) {
        picTropiezos_->setVisible(tropiezos_);
        picDatosTropiezos_->setVisible(datosTropiezos_);
        lblPocosDatos_->setVisible(!datosTropiezos_);
    }
    lblTitulo_->setText(tropiezos_ ? tr("WHAT TRIPS YOU") : tr("YOUR PROGRESS"));
    cmdVista_->setText(tropiezos_ ? tr("YOUR PROGRESS") : tr("WHAT TRIPS YOU"));
    cmdVista_->setAccessibleName(tropiezos_ ? tr("Show your progress") : tr("Show what trips you"));
}

void frmProgreso::cmdVista_Click()
{
    tropiezos_ = !tropiezos_;
    MostrarVista();
}

void frmProgreso::LlenarPartidas(const tResumenHistorial &r)
{
    // Games in the order they were played, not on a calendar: an evening of ten games and
    // a single game a week later each stay readable.
    QChart *chart = chtPartidas_->chart();
    // One line per difficulty, and one of their own for the games at the relaxed pace.
    constexpr int kRelajadas = 4;
    std::array<QList<QPointF>, 5> puntos;
    for (std::size_t i = 0; i < r.Partidas.size(); ++i) {
        const tPuntoPartida &p = r.Partidas[i];
        const int serie = p.Relajada ? kRelajadas : std::clamp(p.Dificultad, 0, 3);
        puntos[serie].append(QPointF(static_cast<qreal>(i + 1), p.NivelMaximo));
    }
    const auto [ejeX, ejeY] = Ejes(chart);
    for (int d = 0; d < 5; ++d) {
        if (puntos[d].isEmpty())
            continue;
        QLineSeries *s = d == kRelajadas
            ? Serie(chart, tr("RELAXED PACE"), QStringLiteral("serPartidas_relajadas"), GrisRelajado)
            : Serie(chart, TextoDificultad(d), QStringLiteral("serPartidas_%1").arg(d), ColorDificultad(d));
        s->setPointsVisible(puntos[d].size() <= kMaxMarcadores);
        s->replace(puntos[d]);
        s->attachAxis(ejeX);
        s->attachAxis(ejeY);
    }
    ejeY->setRange(0, 50);
    ejeY->setTickCount(6);
    ejeY->setLabelFormat(QStringLiteral("%.0f"));
    ejeY->setTitleText(tr("level"));
    ejeX->setRange(0, std::max<qreal>(static_cast<qreal>(r.Partidas.size()) + 1, 4));
    ejeX->applyNiceNumbers();
    ejeX->setLabelFormat(QStringLiteral("%.0f"));
    ejeX->setTitleText(tr("game, oldest first"));
}

void frmProgreso::LlenarNiveles(const tResumenHistorial &r)
{
    QChart *chart = chtNiveles_->chart();
    QList<QPointF> mejor, media;
    double maximo = 1;
    for (int i = 0; i < kNivelesHistorial; ++i) {
        const tMarcaNivel &m = r.Niveles[i];
        if (m.Veces == 0)
            continue;
        mejor.append(QPointF(i + 1, m.Mejor));
        media.append(QPointF(i + 1, m.Media));
        maximo = std::max(maximo, m.Media);
    }
    const auto [ejeX, ejeY] = Ejes(chart);
    QLineSeries *sMedia = Serie(chart, tr("Average"), QStringLiteral("serMedia"), ColorPaleta(2));
    QLineSeries *sMejor = Serie(chart, tr("Best"), QStringLiteral("serMejor"), ColorPaleta(1));
    for (QLineSeries *s : {sMedia, sMejor}) {
        s->setPointsVisible(true);
        s->replace(s == sMejor ? mejor : media);
        s->attachAxis(ejeX);
        s->attachAxis(ejeY);
    }
    ejeX->setRange(0, 50);
    ejeX->setTickCount(6);
    ejeX->setLabelFormat(QStringLiteral("%.0f"));
    ejeX->setTitleText(tr("level"));
    ejeY->setRange(0, std::ceil(maximo));
    ejeY->applyNiceNumbers();
    ejeY->setLabelFormat(QStringLiteral("%.1f"));
    ejeY->setTitleText(tr("seconds"));
}

void frmProgreso::LlenarNumeros(const tResumenHistorial &r)
{
    lblNumeros_[0]->setText(tr("Games played: %1").arg(r.PartidasJugadas));
    lblNumeros_[1]->setText(tr("Levels cleared: %1").arg(r.NivelesSuperados));
    lblNumeros_[2]->setText(tr("Wrong clicks: %1").arg(r.ClicsErroneos));
    lblNumeros_[3]->setText(tr("Time-outs: %1").arg(r.TiemposAgotados));
    lblNumeros_[4]->setText(tr("Best total: %1").arg(r.MejorTotal));
    lblNumeros_[5]->setText(tr("Time played: %1").arg(Duracion(r.SegundosJugados)));
}

QString frmProgreso::TextoEstado() const
{
    if (!historial_)
        return tr("History is not kept in this run.");
    switch (historial_->Estado()) {
    case EstadoAlmacen::Bloqueado:
        return tr("History is off for now: another program is using its file.");
    case EstadoAlmacen::SoloLectura:
        return tr("History is off: its file or folder cannot be written.");
    case EstadoAlmacen::VersionNueva:
        return tr("History is off: its file comes from a newer Velunda.");
    case EstadoAlmacen::Inaccesible:
        return tr("History is off: its file cannot be opened.");
    case EstadoAlmacen::SinControlador:
        //: %1 is the name of the Debian package that holds the driver.
        return tr("History is off: Qt's SQLite driver is missing (install %1).")
            .arg(QStringLiteral("libqt6sql6-sqlite"));
    case EstadoAlmacen::Cerrado:
    case EstadoAlmacen::Abierto:
        break;
    }
    if (!historial_->ArchivoApartado().isEmpty())
        return tr("The history file was damaged: kept as %1, what could be read was copied to a new one.")
            .arg(QFileInfo(historial_->ArchivoApartado()).fileName());
    return QString();
}

void frmProgreso::cmdExportar_Click()
{
    const QString inicial = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/velunda-history.csv");
    // The three kinds of file are offered as the dialog's three filters.
    const QString niveles = tr("Levels, one row each (*.csv)");
    const QString clics = tr("Clicks, one row each (*.csv)");
    const QString ensayos = tr("Check-up trials, one row each (*.csv)");
    QString elegido = niveles;
    const QString archivo = QFileDialog::getSaveFileName(this, tr("Export history"), inicial,
        niveles + QStringLiteral(";;") + clics + QStringLiteral(";;") + ensayos, &elegido);
    if (!archivo.isEmpty())
        Exportar(archivo, elegido == clics ? Exportacion::Clics
                : elegido == ensayos       ? Exportacion::Chequeos
                                           : Exportacion::Niveles);
}

bool frmProgreso::Exportar(const QString &archivo, Exportacion que)
{
    AlmacenHistorial *almacen = historial_ ? historial_->Almacen() : nullptr;
    const ResultadoExportacion r
        = almacen ? almacen->ExportarCSV(archivo, que) : ResultadoExportacion::LecturaFallida;
    if (r == ResultadoExportacion::Hecha)
        return true;
    const QString texto = r == ResultadoExportacion::EscrituraFallida
        ? tr("The history could not be written to %1.").arg(QDir::toNativeSeparators(archivo))
        : tr("Nothing was exported: the history could not be read in full.");
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Velunda"), texto, QMessageBox::Ok, this);
    caja.exec();
    Form_Load();  // the window shows what the history now holds, and why
    return false;
}

void frmProgreso::cmdAceptar_Click() { accept(); }

void AbrirProgreso(Contexto &ctx, QWidget *padre)
{
    frmProgreso progreso(ctx.historial, padre, &ctx);
    progreso.exec();
}
