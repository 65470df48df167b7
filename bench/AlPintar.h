// The first-paint probe of the start-up programs (the game's start and the floor): at the
// first paint of the window it watches it prints the wall-clock moment, then, once that
// paint is done, the peak memory, and quits (after `alSalir`, if given: work the program would
// finish before it ends, not timed). Qt only, so the floor links nothing else.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

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
            QTimer::singleShot(0, qApp, [this] {
                rusage u{};
                getrusage(RUSAGE_SELF, &u);
                std::printf("pico_rss_kb=%ld\n", u.ru_maxrss);
                std::fflush(stdout);
                if (alSalir)
                    alSalir();
                std::_Exit(0);
            });
        }
        return false;
    }
    bool hecho = false;
    std::function<void()> alSalir;
};
