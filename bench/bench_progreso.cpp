// velunda_bench_progreso: fills a history with N games (10 000 by default) of random
// length and difficulty, then opens the progress window over it R times and prints how
// long each opening took, from the start of building the window to the paint of both
// charts: the median and the worst.
//   velunda_bench_progreso [games] [runs]
#include "AlmacenHistorial.h"
#include "EntornoQt.h"
#include "Historial.h"
#include "frmProgreso.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {
class Pintados : public QObject {
public:
    int cuenta = 0;
    bool eventFilter(QObject *, QEvent *ev) override
    {
        if (ev->type() == QEvent::Paint)
            ++cuenta;
        return false;
    }
};

// Games as players leave them: mostly short, a few long, every ending represented.
void Sembrar(const QString &ruta, int partidas)
{
    AlmacenHistorial a(ruta);
    a.Abrir();
    std::mt19937 azar(13);
    QDateTime t(QDate(2024, 1, 1), QTime(9, 0), Qt::UTC);
    a.Empezar();
    for (int p = 0; p < partidas; ++p) {
        const int dificultad = static_cast<int>(azar() % 4);
        const qint64 id = *a.EmpezarPartida(t, dificultad);
        const int niveles = 1 + static_cast<int>(azar() % 40);
        int nivel = 1, maximo = 1;
        for (int n = 0; n < niveles; ++n) {
            tResultadoNivel r;
            r.Dificultad = dificultad;
            r.Nivel = nivel;
            r.Necesarios = 1 + nivel / 5;
            r.SegundosPermitidos = 20;
            const int caso = static_cast<int>(azar() % 10);
            r.Fin = caso < 7 ? FinNivel::Terminado
                : caso < 9   ? FinNivel::ClicErroneo
                             : FinNivel::TiempoAgotado;
            r.SegundosUsados
                = r.Fin == FinNivel::TiempoAgotado ? 20.f : 2.f + static_cast<float>(azar() % 1500) / 100.f;
            r.Encontrados = r.Fin == FinNivel::Terminado ? r.Necesarios : 0;
            r.Puntos = r.Fin == FinNivel::Terminado ? static_cast<int32_t>((20 - r.SegundosUsados) * 100) : 0;
            a.GuardarNivel(id, t, r);
            nivel = r.Fin == FinNivel::Terminado ? std::min(nivel + 1, 50) : std::max(nivel - 2, 1);
            maximo = std::max(maximo, nivel);
            t = t.addSecs(15);
        }
        a.TerminarPartida(
            id, t, tResultadoPartida{dificultad, maximo, static_cast<int32_t>(azar() % 50000), maximo == 50});
        t = t.addSecs(3600);
    }
    a.Confirmar();
}
}  // namespace

int main(int argc, char **argv)
{
    PrepararEntornoQt();  // as the game starts
    QApplication app(argc, argv);
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int veces = argc > 2 ? std::atoi(argv[2]) : 9;
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    Sembrar(ruta, partidas);

    std::vector<double> ms;
    for (int v = 0; v < veces; ++v) {
        // A fresh recorder each time, as a new run of the game: the file is opened cold.
        Historial h(ruta);
        Pintados pintados;
        QElapsedTimer reloj;
        reloj.start();
        frmProgreso f(&h, nullptr);
        for (auto *vista : f.findChildren<QChartView *>())
            vista->viewport()->installEventFilter(&pintados);
        f.show();
        while (pintados.cuenta < 2 && reloj.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ms.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("progreso_partidas=%d\n", partidas);
    std::printf("progreso_abrir_mediana_ms=%.1f\n", ms[ms.size() / 2]);
    std::printf("progreso_abrir_peor_ms=%.1f\n", ms.back());
    return 0;
}
