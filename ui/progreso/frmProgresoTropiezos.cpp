// The progress window's "what trips you" view: the wrong clicks by word and ink with the
// worst three spelled out, the pace of right clicks by colours and by words on the board,
// the best of each difficulty, and the line shown before there is enough to say.
#include "Apariencia.h"
#include "Colores.h"
#include "Controles.h"
#include "Estilo.h"
#include "GraficosProgreso.h"
#include "Idioma.h"
#include "TextosJuego.h"
#include "Tropiezos.h"
#include "frmProgreso.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
using namespace GraficosProgreso;

// The grid, in the view's own pixels: the words down the left, two staggered rows of inks
// above (each ink's name spans two columns, so long names fit), and 8 x 8 counts.
constexpr int kAnchoPalabra = 72, kAnchoCelda = 34, kAltoCelda = 19, kPasoFila = 20;
constexpr int kArribaTintas = 20, kAltoTinta = 15, kArribaRejilla = 52;
constexpr int kAnchoIzq = 356, kDerecha = 364, kAltoVista = 288;

// English has no catalogue: its plural is chosen here, from the source's "(s)".
QString Plural(QString texto, int n)
{
    if (!TraduccionActiva())
        texto.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    return texto;
}

QString TextoFallo(int palabra, int tinta, int veces)
{
    //: A slip counted, e.g. "RED printed in ORANGE: 7 times": %1 the word clicked, %2 its ink.
    return Plural(frmProgreso::tr("%1 printed in %2: %n time(s)", nullptr, veces), veces)
        .arg(NombrePaleta(palabra), NombrePaleta(tinta));
}

Etiqueta *Leyenda(
    QWidget *padre, const QString &nombre, QRect lugar, const QString &texto, bool negrita = true)
{
    auto *l = new Etiqueta(padre, nombre, lugar, texto);
    l->setFont(FuenteVentana(8.25, negrita));
    l->PonerColorTexto(AzulTexto);
    return l;
}
}  // namespace

void frmProgreso::ConstruirTropiezos()
{
    picTropiezos_ = new QWidget(this);
    picTropiezos_->hide();
    picTropiezos_->setObjectName(QStringLiteral("picTropiezos"));
    picTropiezos_->setGeometry(16, 56, 720, 353);
    picDatosTropiezos_ = new QWidget(picTropiezos_);
    picDatosTropiezos_->setObjectName(QStringLiteral("picDatosTropiezos"));
    picDatosTropiezos_->setGeometry(0, 0, 720, kAltoVista);
    QWidget *p = picDatosTropiezos_;

    //: Caption over the grid of wrong clicks (356 x 17 px, 8.25 pt bold).
    auto *titulo = Leyenda(p, QStringLiteral("lblTituloFallos"), QRect(0, 0, kAnchoIzq, 17),
        tr("YOUR SLIPS: THE WORD YOU CLICKED, BY ITS INK"));
    titulo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < kNumColores; ++c) {
        const int centro = kAnchoPalabra + kAnchoCelda * c + kAnchoCelda / 2;
        auto *tinta = Leyenda(p, QStringLiteral("lblTinta_%1").arg(c),
            QRect(centro - kAnchoCelda, kArribaTintas + (c % 2) * kAltoTinta, 2 * kAnchoCelda, kAltoTinta),
            NombrePaleta(c));
        tinta->setAlignment(Qt::AlignCenter);
        auto *palabra = Leyenda(p, QStringLiteral("lblPalabra_%1").arg(c),
            QRect(0, kArribaRejilla + kPasoFila * c, kAnchoPalabra - 4, kAltoCelda), NombrePaleta(c));
        palabra->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int w = 0; w < kNumColores; ++w)
        for (int t = 0; t < kNumColores; ++t) {
            auto *celda = new Etiqueta(p, QStringLiteral("lblFallo_%1_%2").arg(w).arg(t),
                QRect(kAnchoPalabra + kAnchoCelda * t, kArribaRejilla + kPasoFila * w, kAnchoCelda - 1,
                    kAltoCelda));
            celda->setFont(FuenteVentana(8.25));
            celda->setAlignment(Qt::AlignCenter);
            celda->PonerBorde(true);
            lblFallos_[w][t] = celda;
        }
    for (int i = 0; i < 3; ++i) {
        lblPeores_[i] = Leyenda(p, QStringLiteral("lblPeor_%1").arg(i),
            QRect(0, kArribaRejilla + kPasoFila * kNumColores + 8 + 18 * i, kAnchoIzq, 17), QString());
        lblPeores_[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    //: Caption over the two pace charts (356 x 17 px, 8.25 pt bold).
    Leyenda(p, QStringLiteral("lblTituloRitmo"), QRect(kDerecha, 0, 356, 17),
        tr("YOUR PACE: MEDIAN MILLISECONDS PER MATCH"));
    chtRitmoColores_ = Grafico(p, "chtRitmoColores", QRect(kDerecha, 20, 356, 132), QString());
    chtRitmoPalabras_ = Grafico(p, "chtRitmoPalabras", QRect(kDerecha, 156, 356, 132), QString());
    // Low charts: no room lost around them, and the legend beside the lines, not above.
    for (QChartView *v : {chtRitmoColores_, chtRitmoPalabras_}) {
        v->chart()->layout()->setContentsMargins(0, 0, 0, 0);
        v->chart()->setMargins(QMargins(2, 0, 2, 0));
        v->chart()->legend()->setAlignment(Qt::AlignRight);
    }

    // Before there is enough to say, one friendly line in place of the slips and the pace.
    lblPocosDatos_
        = new Etiqueta(picTropiezos_, QStringLiteral("lblPocosDatos"), QRect(0, 0, 720, kAltoVista),
            tr("Keep playing! After %1 wrong clicks or %2 games, this page shows\nwhich words fool you, "
               "and whether you slow down as colours\nand words are added.")
                .arg(kFallosSuficientes)
                .arg(kPartidasSuficientes));
    lblPocosDatos_->PonerFondo(Qt::white);
    lblPocosDatos_->PonerBorde(true);
    lblPocosDatos_->PonerColorTexto(AzulTexto);
    lblPocosDatos_->setFont(FuenteVentana(12));

    for (int d = 0; d < kDificultadesHistorial; ++d) {
        auto *l
            = new Etiqueta(picTropiezos_, QStringLiteral("lblMejor_%1").arg(d), QRect(182 * d, 300, 174, 53));
        l->PonerFondo(Melocoton);
        l->PonerBorde(true);
        l->setFont(FuenteVentana(8.25, true));
        lblMejores_[d] = l;
    }
}

void frmProgreso::LlenarTropiezos(const tResumenHistorial &r)
{
    datosTropiezos_ = HayDatosTropiezos(r);
    LlenarFallos(r);
    LlenarRitmo(chtRitmoColores_, r.RitmoColores, r.RitmoColoresRecientes, "serRitmoColores", 3, 8);
    LlenarRitmo(chtRitmoPalabras_, r.RitmoPalabras, r.RitmoPalabrasRecientes, "serRitmoPalabras", 0, 32);
    chtRitmoColores_->chart()->axes(Qt::Horizontal).first()->setTitleText(tr("colours in play"));
    chtRitmoPalabras_->chart()->axes(Qt::Horizontal).first()->setTitleText(tr("words on the board"));
    for (int d = 0; d < kDificultadesHistorial; ++d) {
        const tMejorDificultad &m = r.Mejores[d];
        lblMejores_[d]->setText(m.Partidas == 0 ? tr("%1\nnot played yet").arg(TextoDificultad(d))
                                                : tr("%1\nbest total: %2\nhighest level: %3")
                                                      .arg(TextoDificultad(d))
                                                      .arg(m.MejorTotal)
                                                      .arg(m.NivelMaximo));
        lblMejores_[d]->setAccessibleName(lblMejores_[d]->text().replace(u'\n', QStringLiteral(", ")));
    }
}

void frmProgreso::LlenarFallos(const tResumenHistorial &r)
{
    int maximo = 1;
    for (const auto &fila : r.Fallos)
        for (int n : fila)
            maximo = std::max(maximo, n);
    for (int w = 0; w < kNumColores; ++w)
        for (int t = 0; t < kNumColores; ++t) {
            Etiqueta *celda = lblFallos_[w][t];
            const int n = r.Fallos[w][t];
            // A word in its own ink is a match, never a slip: that square is greyed.
            const double peso = double(n) / maximo;
            celda->PonerFondo(w == t
                    ? QColor(216, 216, 216)
                    : QColor(255, int(std::lround(255 - 135 * peso)), int(std::lround(255 - 155 * peso))));
            celda->setText(n > 0 ? QString::number(n) : QString());
            celda->setAccessibleName(TextoFallo(w, t, n));
        }
    const std::vector<tFallo> peores = PeoresFallos(r.Fallos, int(lblPeores_.size()));
    for (std::size_t i = 0; i < lblPeores_.size(); ++i)
        lblPeores_[i]->setText(i < peores.size()
                ? TextoFallo(peores[i].Palabra, peores[i].Tinta, peores[i].Veces)
                : i == 0 ? tr("No wrong clicks kept yet.")
                         : QString());
}

void frmProgreso::LlenarRitmo(QChartView *vista, const std::vector<tPuntoRitmo> &todas,
    const std::vector<tPuntoRitmo> &recientes, const char *serie, qreal desde, qreal hasta)
{
    QChart *chart = vista->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *eje : chart->axes())
        chart->removeAxis(eje);
    const auto [ejeX, ejeY] = Ejes(chart);
    double maximo = 500;
    const QString nombre = QString::fromLatin1(serie);
    const struct {
        const std::vector<tPuntoRitmo> &puntos;
        QString titulo, objeto;
        QColor color;
    } lineas[] = {{todas, tr("all games"), nombre, ColorPaleta(2)},
        {recientes, tr("last 10 games"), nombre + QStringLiteral("Recientes"), ColorPaleta(7)}};
    for (const auto &l : lineas) {
        QList<QPointF> puntos;
        for (const tPuntoRitmo &p : l.puntos) {
            puntos.append(QPointF(p.Valor, p.MedianaMs));
            maximo = std::max(maximo, p.MedianaMs);
        }
        QLineSeries *s = Serie(chart, l.titulo, l.objeto, l.color);
        if (&l == &lineas[1]) {  // told apart by their stroke too, not by colour alone
            QPen pluma = s->pen();
            pluma.setStyle(Qt::DashLine);
            s->setPen(pluma);
        }
        s->setPointsVisible(true);
        s->replace(puntos);
        s->attachAxis(ejeX);
        s->attachAxis(ejeY);
    }
    ejeX->setRange(desde, hasta);
    ejeX->setTickCount(hasta - desde > 8 ? 5 : int(hasta - desde) + 1);
    ejeX->setLabelFormat(QStringLiteral("%.0f"));
    ejeY->setRange(0, std::ceil(maximo / 500) * 500);
    ejeY->setTickCount(3);
    ejeY->setLabelFormat(QStringLiteral("%.0f"));
    ejeY->setTitleText(tr("ms"));
}
