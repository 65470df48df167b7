// velunda_bench_suelo_reloj: the floor the clock's CPU figure is set beside. A separate
// program linked only to Qt Widgets: one 752x480 window whose one label, the size of the
// game's seconds counter, takes a new text every 20 ms for <segundos> seconds. It prints its
// CPU use from the end of its first tick to the end of its last, as the game's figure is taken.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {
double CpuSegundos()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int ticks = (argc > 1 ? std::atoi(argv[1]) : 20) * 50;
    QWidget ventana;
    ventana.setFixedSize(752, 480);
    QLabel segundos(&ventana);
    segundos.setGeometry(64, 408, 145, 33);
    QFont letra = segundos.font();
    letra.setPixelSize(32);
    segundos.setFont(letra);
    segundos.setAlignment(Qt::AlignCenter);
    ventana.show();
    QTimer reloj;
    reloj.setTimerType(Qt::PreciseTimer);
    reloj.setInterval(20);
    int n = 0;
    double cpu0 = 0;
    QElapsedTimer t;
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        segundos.setText(QString::number((ticks - ++n) * 0.02, 'f', 2));
        if (n == 1) {
            cpu0 = CpuSegundos();
            t.start();
        } else if (n == ticks) {
            std::printf("suelo_reloj_cpu_pct=%.2f\n", (CpuSegundos() - cpu0) / (t.nsecsElapsed() / 1e9) * 100.0);
            app.quit();
        }
    });
    QTimer::singleShot(300, &reloj, qOverload<>(&QTimer::start));
    return app.exec();
}
