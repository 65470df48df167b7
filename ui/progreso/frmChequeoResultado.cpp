// The check-up's result page: the interference, each condition's median, errors and inverse
// efficiency, how many trials counted, what the figures mean, and the player's interference
// over every check-up kept.
#include "frmChequeo.h"
#include "GraficosProgreso.h"

#include "Apariencia.h"
#include "Colores.h"
#include "Controles.h"
#include "Estilo.h"
#include "Historial.h"
#include "Idioma.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
QString Ms(std::optional<double> ms)
{
    //: A time in milliseconds; the dash stands for a figure there is no answer for.
    return ms ? frmChequeo::tr("%1 ms").arg(std::llround(*ms)) : QStringLiteral("—");
}

QString Porcentaje(double parte)
{
    return frmChequeo::tr("%1 %").arg(LocaleJuego().toString(100 * parte, 'f', 0));
}
}  // namespace

void frmChequeo::ConstruirResultado()
{
    using namespace GraficosProgreso;
    picResultado_ = new QWidget(this);
    picResultado_->setObjectName(QStringLiteral("picResultado"));
    picResultado_->setGeometry(0, 56, 752, 424);

    auto *interferencia = new Etiqueta(picResultado_, QStringLiteral("lblInterferencia"), QRect(16, 8, 232, 88));
    interferencia->PonerFondo(Qt::white);
    interferencia->PonerBorde(true);
    interferencia->PonerColorTexto(AzulTexto);
    interferencia->setFont(FuenteVentana(13.5, true));
    interferencia->setAlignment(Qt::AlignCenter);

    // The table: a row a condition, a column a figure.
    const QString columnas[] = {QString(), tr("MEDIAN"), tr("ERRORS"), tr("INV. EFFICIENCY")};
    const int x[] = {264, 400, 504, 600}, ancho[] = {128, 96, 88, 136};
    for (int fila = 0; fila < 4; ++fila)
        for (int col = 0; col < 4; ++col) {
            auto *l = new Etiqueta(picResultado_, QStringLiteral("lblTabla_%1_%2").arg(fila).arg(col),
                QRect(x[col], 8 + 22 * fila, ancho[col], 20), fila == 0 ? columnas[col] : QString());
            l->PonerFondo(fila == 0 || col == 0 ? Melocoton : QColor(Qt::white));
            l->PonerBorde(true);
            l->setFont(FuenteVentana(8.25, fila == 0 || col == 0));
            l->setAlignment(col == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            l->setIndent(4);
        }
    auto linea = [this](const char *nombre, int top, bool negrita) {
        auto *l = new Etiqueta(picResultado_, QString::fromLatin1(nombre), QRect(16, top, 720, 20));
        l->setFont(FuenteVentana(8.25, negrita));
        l->PonerColorTexto(AzulTexto);
    };
    linea("lblConservados", 102, false);
    linea("lblSignificado", 124, true);
    Grafico(picResultado_, "chtChequeos", QRect(16, 150, 720, 228), tr("YOUR INTERFERENCE, CHECK-UP BY CHECK-UP"));
    auto *estado = new Etiqueta(picResultado_, QStringLiteral("lblEstado"), QRect(16, 388, 560, 25));
    estado->PonerColorTexto(RojoAviso);
    estado->setFont(FuenteVentana(8.25));

    cmdAceptar_ = new QPushButton(tr("OK"), picResultado_);
    cmdAceptar_->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar_->setGeometry(664, 388, 73, 25);
    cmdAceptar_->setDefault(true);
    cmdAceptar_->setAccessibleName(tr("Close the check-up"));
    connect(cmdAceptar_, &QPushButton::clicked, this, &QDialog::accept);
}

void frmChequeo::MostrarResultado()
{
    using namespace GraficosProgreso;
    if (!picResultado_)
        ConstruirResultado();
    const tResultadoChequeo &r = resultado_;
    auto etiqueta = [this](const QString &nombre) { return picResultado_->findChild<Etiqueta *>(nombre); };

    //: The result's main figure: the title, then the milliseconds on the next line.
    etiqueta(QStringLiteral("lblInterferencia"))->setText(tr("INTERFERENCE\n%1").arg(Ms(r.interferencia)));
    const QString condiciones[] = {tr("Congruent"), tr("Incongruent"), tr("Neutral (XXXXX)")};
    for (int c = 0; c < kNumCondiciones; ++c) {
        const tCondicionChequeo &cond = r.condiciones[c];
        const QString celdas[] = {condiciones[c], Ms(cond.mediana),
            cond.conservados ? Porcentaje(cond.TasaError()) : QStringLiteral("—"), Ms(cond.EficienciaInversa())};
        for (int col = 0; col < 4; ++col)
            etiqueta(QStringLiteral("lblTabla_%1_%2").arg(c + 1).arg(col))->setText(celdas[col]);
    }
    const int total = sesion_.Total() - kEnsayosPractica;
    etiqueta(QStringLiteral("lblConservados"))
        ->setText(tr("Trials kept: %1 of %2. Too fast to count (under %3 ms): %4. No answer in %5 s: %6.")
                      .arg(r.conservados)
                      .arg(total)
                      .arg(kMsAnticipacion)
                      .arg(r.anticipaciones)
                      .arg(kMsLimite / 1000)
                      .arg(r.sinRespuesta));
    etiqueta(QStringLiteral("lblSignificado"))
        ->setText(tr("Your own trend; not a medical or clinical test; one check-up varies by tens of milliseconds."));

    // Every check-up kept, this one last; without a history, this one alone.
    std::vector<double> valores;
    if (ctx_.historial)
        for (const tChequeoGuardado &g : ctx_.historial->Chequeos())
            if (g.interferencia)
                valores.push_back(*g.interferencia);
    if (!ctx_.historial && r.interferencia)
        valores.push_back(*r.interferencia);
    auto *vista = picResultado_->findChild<QChartView *>(QStringLiteral("chtChequeos"));
    QChart *chart = vista->chart();
    const auto [ejeX, ejeY] = Ejes(chart);
    QLineSeries *serie = Serie(chart, tr("Interference"), QStringLiteral("serChequeos"), ColorPaleta(2));
    serie->setPointsVisible(true);
    double bajo = 0, alto = 100;
    for (size_t i = 0; i < valores.size(); ++i) {
        serie->append(static_cast<qreal>(i + 1), valores[i]);
        bajo = std::min(bajo, valores[i]);
        alto = std::max(alto, valores[i]);
    }
    serie->attachAxis(ejeX);
    serie->attachAxis(ejeY);
    chart->legend()->hide();
    ejeX->setRange(0, std::max<qreal>(static_cast<qreal>(valores.size()) + 1, 4));
    ejeX->applyNiceNumbers();
    // "%.0f" rather than "%d": Qt Charts shows no numbers for "%d" once it localises them.
    ejeX->setLabelFormat(QStringLiteral("%.0f"));
    ejeX->setTitleText(tr("check-up, oldest first"));
    ejeY->setRange(std::floor(bajo / 50) * 50, std::ceil(alto * 1.1 / 50) * 50);
    ejeY->applyNiceNumbers();
    ejeY->setLabelFormat(QStringLiteral("%.0f"));
    ejeY->setTitleText(tr("ms"));

    QString aviso;
    if (!ctx_.historial)
        aviso = tr("History is not kept in this run: this check-up is not kept.");
    else if (!ctx_.historial->Almacen())
        aviso = tr("History is off: this check-up is not kept.");
    etiqueta(QStringLiteral("lblEstado"))->setText(aviso);
    picResultado_->show();
    cmdAceptar_->setFocus();
}
