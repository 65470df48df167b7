// velunda_bench_suelo: the floor the start-up figures are measured against. A separate
// program linked only to Qt Widgets: one 752x480 window holding one QLabel, which reports
// the wall-clock moment of its first paint and its peak memory, then quits. It pays for
// nothing the game adds, so a ratio against it shows everything the game costs.
#include "AlPintar.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    AlPintar filtro;
    QWidget ventana;
    ventana.setFixedSize(752, 480);
    QLabel etiqueta(QStringLiteral("Velunda"), &ventana);
    etiqueta.setGeometry(0, 0, 752, 480);
    ventana.installEventFilter(&filtro);
    ventana.show();
    return app.exec();
}
