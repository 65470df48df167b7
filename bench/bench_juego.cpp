// velunda_bench: measures the game on this machine. Not a test: it prints figures.
//   velunda_bench reloj <segundos>  real duration of a level's ticks; CPU from first to last tick
//   velunda_bench espera <segundos> CPU used by the game screen waiting for START
//   velunda_bench clic <veces>      click on a matching label -> label repainted
//   velunda_bench sonido <veces>    time for ReproducirSonido to return (cached cue)
// Every mode prints "clave=valor" lines for bench/run.sh to gather.
#include "Arranque.h"
#include "Controles.h"
#include "EntornoQt.h"
#include "EstadoJuego.h"
#include "SonidoOpenAL.h"
#include "Web.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <vector>

namespace {

class SinWeb : public Web {
public:
    void Abrir(const QString &) override { }
};

double CpuSegundos()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void Esperar(int ms)
{
    QEventLoop bucle;
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    bucle.exec();
}

// The level whose allowance at NORMAL is closest to `segundos` (15..25 s).
int NivelCon(EstadoJuego &e, frmMain &f, int segundos)
{
    for (int n = 0; n < kNumNiveles; ++n) {
        f.juego().PrepararNivel(n);
        if (e.TiempoNivel >= segundos)
            return n;
    }
    return kUltimoNivel;
}

// The game as the player starts it, a NORMAL game chosen on the title menu.
struct Banco {
    SinWeb web;
    Velunda juego{PiezasJuego{.web = &web, .preguntarEscritorio = false}};
    EstadoJuego &estado = juego.Ctx().estado;
    frmMain *f = nullptr;
    Banco()
    {
        juego.Mostrar();
        juego.Menu().findChild<QPushButton *>(QStringLiteral("cmdDificultad_%1").arg(Normal))->click();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *m = qobject_cast<frmMain *>(w))
                f = m;
        Esperar(300);
    }
    ~Banco() { delete f; }
};

// Counts paint events per widget while the clock runs (VELUNDA_BENCH_PINTADOS=1).
class ContadorPintados : public QObject {
public:
    std::map<QString, int> cuenta;
    bool eventFilter(QObject *o, QEvent *ev) override
    {
        if (ev->type() == QEvent::Paint)
            ++cuenta[o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                               : o->objectName()];
        return false;
    }
};

int Reloj(int segundos)
{
    Banco b;
    ContadorPintados pintados;
    if (qEnvironmentVariableIsSet("VELUNDA_BENCH_PINTADOS"))
        qApp->installEventFilter(&pintados);
    NivelCon(b.estado, *b.f, segundos);
    const float permitido = b.estado.TiempoNivel;
    QElapsedTimer reloj;
    qint64 fin = -1;
    int ticks = 0;
    // The clock's own CPU: from the end of the first tick to the end of the one before last,
    // so neither START's full repaint nor the time-over box is counted. Two readings only.
    const int ultimo = static_cast<int>(std::lround(permitido / 0.02));
    double cpuPrimero = 0, cpuPenultimo = 0;
    qint64 tPrimero = 0, tPenultimo = 0;
    QObject::connect(&b.f->tmrJuego, &QTimer::timeout, [&] {
        ++ticks;
        if (ticks == 1) {
            cpuPrimero = CpuSegundos();
            tPrimero = reloj.nsecsElapsed();
        } else if (ticks == ultimo - 1) {
            cpuPenultimo = CpuSegundos();
            tPenultimo = reloj.nsecsElapsed();
        }
    });
    // The time-over box opens on the last tick: note the moment it shows and close it.
    // (An event filter, not a polling timer, so the harness adds no wake-ups of its own.)
    struct AlMostrar : QObject {
        std::function<void(QMessageBox *)> f;
        bool eventFilter(QObject *o, QEvent *ev) override
        {
            // The box is a child of the game screen: watch only it, not every event.
            if (ev->type() == QEvent::ChildPolished)
                if (auto *m = qobject_cast<QMessageBox *>(static_cast<QChildEvent *>(ev)->child()))
                    m->installEventFilter(this);
            if (ev->type() == QEvent::Show)
                if (auto *m = qobject_cast<QMessageBox *>(o))
                    f(m);
            return false;
        }
    } alMostrar;
    alMostrar.f = [&](QMessageBox *m) {
        if (fin < 0)
            fin = reloj.nsecsElapsed();
        QTimer::singleShot(0, m, &QMessageBox::accept);
    };
    b.f->installEventFilter(&alMostrar);
    reloj.start();
    b.f->cmdEmpezar_Click();
    while (fin < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double cpu = cpuPenultimo - cpuPrimero;
    const double enMarcha = (tPenultimo - tPrimero) / 1e9;
    const double real = fin / 1e9;
    std::printf("reloj_permitido_s=%.2f\nreloj_ticks=%d\nreloj_real_s=%.4f\nreloj_desvio_pct=%.3f\n"
                "reloj_cpu_pct=%.2f\n",
        permitido, ticks, real, (real - ticks * 0.02) / (ticks * 0.02) * 100.0, cpu / enMarcha * 100.0);
    for (const auto &[nombre, n] : pintados.cuenta)
        std::printf("pintados %s=%d\n", qPrintable(nombre), n);
    return 0;
}

int Espera(int segundos)
{
    Banco b;
    b.f->juego().PrepararNivel(0);
    const double cpu0 = CpuSegundos();
    QElapsedTimer t;
    t.start();
    Esperar(segundos * 1000);
    const double real = t.nsecsElapsed() / 1e9;
    std::printf("espera_cpu_pct=%.3f\n", (CpuSegundos() - cpu0) / real * 100.0);
    return 0;
}

// Notes when a widget has painted.
class Pintado : public QObject {
public:
    bool pintado = false;
    bool eventFilter(QObject *, QEvent *ev) override
    {
        if (ev->type() == QEvent::Paint)
            pintado = true;
        return false;
    }
};

int Clic(int veces)
{
    Banco b;
    std::vector<double> us;
    for (int k = 0; k < veces; ++k) {
        b.f->juego().PrepararNivel(10);
        b.f->cmdEmpezar_Click();
        Esperar(30);
        int i = 0;
        while (!b.estado.Casillas[i].Visible || !b.estado.Casillas[i].EsAcierto())
            ++i;
        auto *l = b.f->findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(i));
        Pintado p;
        l->installEventFilter(&p);
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(l, Qt::LeftButton);
        while (!p.pintado)
            QCoreApplication::processEvents();
        us.push_back(t.nsecsElapsed() / 1e3);
        l->removeEventFilter(&p);
    }
    std::sort(us.begin(), us.end());
    std::printf("clic_repintado_mediana_ms=%.3f\nclic_repintado_p95_ms=%.3f\n", us[us.size() / 2] / 1e3,
        us[us.size() * 95 / 100] / 1e3);
    return 0;
}

int SonidoLlamada(int rondas)
{
    SonidoOpenAL s;
    const std::string ruta = QCoreApplication::applicationDirPath().toStdString() + "/Data/vale.mp3";
    QElapsedTimer t;
    t.start();
    s.Reproducir(ruta);  // opens the device and decodes the cue
    const double primera = t.nsecsElapsed() / 1e6;
    // Calls that start a cue: in rounds of overlapping cues, waiting for them to end between
    // rounds so that free channels are there. Then calls made while every channel is busy.
    std::vector<double> libres, ocupados;
    for (int r = 0; r < rondas; ++r) {
        Esperar(600);
        for (int k = 0; k < SonidoOpenAL::Canales - 1; ++k) {
            t.restart();
            s.Reproducir(ruta);
            libres.push_back(t.nsecsElapsed() / 1e3);
        }
        for (int k = 0; k < 50; ++k) {
            t.restart();
            s.Reproducir(ruta);
            ocupados.push_back(t.nsecsElapsed() / 1e3);
        }
    }
    std::sort(libres.begin(), libres.end());
    std::sort(ocupados.begin(), ocupados.end());
    std::printf("sonido_primera_ms=%.3f\nsonido_mediana_us=%.2f\nsonido_p99_us=%.2f\n"
                "sonido_ocupado_mediana_us=%.2f\nsonido_abierto=%d\n",
        primera, libres[libres.size() / 2], libres[libres.size() * 99 / 100], ocupados[ocupados.size() / 2],
        s.AudioAbierto() ? 1 : 0);
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    PrepararEntornoQt();  // as the game starts
    QApplication app(argc, argv);
    const QString modo = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    const int n = argc > 2 ? std::atoi(argv[2]) : 0;
    if (modo == QLatin1String("reloj"))
        return Reloj(n > 0 ? n : 20);
    if (modo == QLatin1String("espera"))
        return Espera(n > 0 ? n : 5);
    if (modo == QLatin1String("clic"))
        return Clic(n > 0 ? n : 50);
    if (modo == QLatin1String("sonido"))
        return SonidoLlamada(n > 0 ? n : 10);
    std::fprintf(stderr, "usage: %s reloj|espera|clic|sonido [n]\n", argv[0]);
    return 2;
}
