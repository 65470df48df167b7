// The check-up's timing under a real X server (Xvfb), with real key presses sent through the
// server (XTest), as a keyboard's would come:
//  - from a key press to the next trial's word on screen, less the blank drawn between them;
//  - a scripted answerer presses the right key a fixed delay after each word is on screen: how
//    far the stored reaction times fall from that delay.
// Prints key=value lines for bench/run.sh. Usage: velunda_bench_chequeo [delay ms] [trials per condition]
#include "Arranque.h"
#include "EntornoQt.h"
#include "frmChequeo.h"
#include "frmIntro.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {
double Percentil(std::vector<double> v, double p)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    // The nearest-rank percentile: the smallest value with a share p of the values at or below it.
    const auto rango = static_cast<size_t>(std::ceil(p * static_cast<double>(v.size())));
    return v[std::clamp<size_t>(rango, 1, v.size()) - 1];
}
}  // namespace

int main(int argc, char **argv)
{
    PrepararEntornoQt();
    QApplication app(argc, argv);
    const int retraso = argc > 1 ? std::atoi(argv[1]) : 400;
    const int porCondicion = argc > 2 ? std::atoi(argv[2]) : 12;
    auto *x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        std::fprintf(stderr, "needs an X server (QT_QPA_PLATFORM=xcb)\n");
        return 2;
    }
    Display *pantalla = x11->display();
    PiezasJuego piezas;
    piezas.preguntarEscritorio = false;
    piezas.rutaHistorial = QStringLiteral(":memory:");
    Velunda juego(piezas);
    frmChequeo f(juego.Ctx(), nullptr, porCondicion);
    f.show();
    f.activateWindow();
    // The pointer over the window too: with no window manager, keys go where the pointer is.
    const QPoint centro = f.mapToGlobal(f.rect().center());
    XTestFakeMotionEvent(pantalla, -1, centro.x(), centro.y(), 0);
    XFlush(pantalla);

    std::vector<double> tras, desvios, desviosEnvio;
    qint64 enviada = -1, mostrada = 0;
    int blanco = 0;
    QObject::connect(&f, &frmChequeo::PalabraMostrada, &f, [&](qint64 ns) {
        if (enviada >= 0)
            tras.push_back((ns - enviada) / 1e6 - blanco);
        mostrada = ns;
        QTimer::singleShot(retraso, Qt::PreciseTimer, &f, [&] {
            int boton = 0;
            while (frmChequeo::TintaBoton(boton) != f.Sesion().Actual().tinta)
                ++boton;
            const KeyCode tecla = XKeysymToKeycode(pantalla, XK_1 + boton);
            enviada = f.Ahora();
            XTestFakeKeyEvent(pantalla, tecla, True, 0);
            XTestFakeKeyEvent(pantalla, tecla, False, 0);
            XFlush(pantalla);
            const int numero = f.Sesion().Numero();
            const double enviadaTras = (enviada - mostrada) / 1e6;
            // Once the answer is in: the stored time against the delay, and against the moment sent.
            QTimer::singleShot(100, &f, [&, numero, enviadaTras] {
                const tEnsayo &e = f.Sesion().Ensayos()[numero];
                if (!e.Contestado())
                    return;
                desvios.push_back(std::abs(e.ms - retraso));
                desviosEnvio.push_back(std::abs(e.ms - enviadaTras));
                blanco = f.UltimoBlanco();
                if (f.Terminado())
                    QTimer::singleShot(200, &app, [] { QCoreApplication::exit(0); });
            });
        });
    });
    QTimer::singleShot(500, &f, [&f] { f.cmdEmpezar_Click(); });
    QTimer::singleShot(10 * 60 * 1000, &app, [] { QCoreApplication::exit(1); });
    const int salida = app.exec();
    std::printf("ensayos=%zu\n", desvios.size());
    std::printf("tecla_a_palabra_mediana_ms=%.2f\ntecla_a_palabra_p95_ms=%.2f\n", Percentil(tras, 0.5), Percentil(tras, 0.95));
    std::printf("desvio_mediana_ms=%.2f\ndesvio_p95_ms=%.2f\n", Percentil(desvios, 0.5), Percentil(desvios, 0.95));
    std::printf("desvio_envio_mediana_ms=%.2f\ndesvio_envio_p95_ms=%.2f\n", Percentil(desviosEnvio, 0.5),
        Percentil(desviosEnvio, 0.95));
    return salida;
}
