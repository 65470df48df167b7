// velunda_bench_arranque: starts like the game does and reports the wall-clock moment the
// title menu first painted, then quits; "vacia" does the same with a bare Qt window, the
// floor any Qt Widgets program pays. bench/run.sh takes the difference to its launch time.
//   velunda_bench_arranque juego|vacia
#include "Aleatorio.h"
#include "Contexto.h"
#include "EstadoJuego.h"
#include "Historial.h"
#include "SonidoSDL.h"
#include "Web.h"
#include "frmIntro.h"

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {
class AlPintar : public QObject {
public:
    bool eventFilter(QObject *, QEvent *ev) override
    {
        if (ev->type() == QEvent::Paint && !hecho) {
            hecho = true;
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::system_clock::now().time_since_epoch())
                                .count();
            std::printf("pintado_ns=%lld\n", static_cast<long long>(ns));
            QTimer::singleShot(0, qApp, [] {
                rusage u{};
                getrusage(RUSAGE_SELF, &u);
                std::printf("pico_rss_kb=%ld\n", u.ru_maxrss);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
    bool hecho = false;
};
}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    AlPintar filtro;
    const bool vacia = argc > 1 && QString::fromLatin1(argv[1]) == QLatin1String("vacia");
    if (vacia) {
        QWidget w;
        w.setFixedSize(752, 480);
        w.installEventFilter(&filtro);
        w.show();
        return app.exec();
    }
    // The same start as the game's main().
    EstadoJuego estado;
    SonidoSDL sonido;
    WebEscritorio web;
    GeneradorMersenne azar;
    Contexto ctx{estado, sonido, web, azar, QCoreApplication::applicationDirPath(), {}, {}};
    Historial historial(RutaHistorial());
    ctx.historial = &historial;
    frmIntro intro(ctx);
    intro.installEventFilter(&filtro);
    intro.show();
    return app.exec();
}
