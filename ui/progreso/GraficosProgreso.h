// The charts of the progress window share one look: these make a chart, an axis and a line.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <utility>

class QAbstractAxis;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;
class QWidget;

namespace GraficosProgreso {
QChartView *Grafico(QWidget *padre, const char *nombre, QRect lugar, const QString &titulo);
void Eje(QAbstractAxis *eje);
// A value axis below and one on the left, added to `chart`.
std::pair<QValueAxis *, QValueAxis *> Ejes(QChart *chart);
QLineSeries *Serie(QChart *chart, const QString &nombre, const QString &objeto, const QColor &color);
}  // namespace GraficosProgreso
