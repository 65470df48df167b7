// velunda_bench_progreso: fills a history with N games (10 000 by default) of random
// length and difficulty, about 200 clicks a game (two million over 10 000 games), then
// opens the progress window over it R times and prints how long each opening took, from
// the start of building the window to the paint of both charts: the median and the worst;
// and the same for the window opened straight on "what trips you" (both pace charts
// painted). A history file given as third argument is kept, and reused when it is there.
//   velunda_bench_progreso [games] [runs] [history-file]
#include "AlmacenHistorial.h"
#include "EntornoQt.h"
#include "Historial.h"
#include "frmProgreso.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
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

// Games as players leave them: mostly short, a few long, every ending represented; each
// level with 5 to 15 clicks, the last one wrong when the level ended on a wrong click.
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
            r.Colores = std::min(3 + nivel / 7, 8);
            r.Palabras = std::min(8 + nivel / 2, 32);
            std::vector<tClicMedido> clics(5 + azar() % 11);
            int64_t ms = 0;
            for (std::size_t c = 0; c < clics.size(); ++c) {
                const int64_t paso = 300 + static_cast<int64_t>(azar() % 2000);
                ms += paso;
                const int palabra = static_cast<int>(azar() % static_cast<unsigned>(r.Colores));
                const bool fallo = r.Fin == FinNivel::ClicErroneo && c + 1 == clics.size();
                const int tinta = fallo ? (palabra + 1) % r.Colores : palabra;
                clics[c] = {tClic{static_cast<int>(c), palabra, tinta, !fallo, false}, ms, paso};
            }
            a.GuardarNivel(id, t, r, clics);
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

long long Contar(const QString &ruta)
{
    long long n = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cuenta"));
        db.setDatabaseName(ruta);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT count(*) FROM clics")) && q.next())
            n = q.value(0).toLongLong();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cuenta"));
    return n;
}

// Opens the window `veces` times, each over a fresh recorder, as a new run of the game
// opens the file cold, and times it until the charts of the view asked for have painted.
std::vector<double> Abrir(const QString &ruta, int veces, bool tropiezos)
{
    std::vector<double> ms;
    for (int v = 0; v < veces; ++v) {
        Historial h(ruta);
        Pintados pintados;
        QElapsedTimer reloj;
        reloj.start();
        frmProgreso f(&h, nullptr);
        if (tropiezos)
            f.cmdVista_Click();
        for (auto *vista : f.findChildren<QChartView *>())
            if (vista->isVisibleTo(&f))
                vista->viewport()->installEventFilter(&pintados);
        f.show();
        while (pintados.cuenta < 2 && reloj.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ms.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}
}  // namespace

int main(int argc, char **argv)
{
    PrepararEntornoQt();  // as the game starts
    QApplication app(argc, argv);
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int veces = argc > 2 ? std::atoi(argv[2]) : 9;
    QTemporaryDir dir;
    const QString ruta
        = argc > 3 ? QString::fromLocal8Bit(argv[3]) : dir.filePath(QStringLiteral("history.sqlite"));
    if (!QFileInfo::exists(ruta)) {
        QElapsedTimer siembra;
        siembra.start();
        Sembrar(ruta, partidas);
        std::printf("progreso_siembra_s=%.1f\n", static_cast<double>(siembra.elapsed()) / 1000);
    }
    std::printf("progreso_partidas=%d\n", partidas);
    std::printf("progreso_clics=%lld\n", Contar(ruta));
    {
        // The read alone, as the window does it, without widgets.
        AlmacenHistorial a(ruta);
        a.Abrir();
        std::vector<double> ms;
        int64_t clics = 0;
        for (int v = 0; v < veces; ++v) {
            QElapsedTimer reloj;
            reloj.start();
            const tResumenHistorial r = a.Leer();
            ms.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
            clics = r.FallosAnotados;
        }
        std::sort(ms.begin(), ms.end());
        std::printf("progreso_leer_mediana_ms=%.1f\n", ms[ms.size() / 2]);
        std::printf("progreso_fallos=%lld\n", static_cast<long long>(clics));
    }
    for (const bool tropiezos : {false, true}) {
        const std::vector<double> ms = Abrir(ruta, veces, tropiezos);
        const char *vista = tropiezos ? "tropiezos" : "abrir";
        std::printf("progreso_%s_mediana_ms=%.1f\n", vista, ms[ms.size() / 2]);
        std::printf("progreso_%s_peor_ms=%.1f\n", vista, ms.back());
    }
    return 0;
}
