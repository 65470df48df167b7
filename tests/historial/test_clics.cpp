// Every judged click kept with its level: the step that adds them, run on a file the game
// before it wrote; the summaries its triggers keep, checked against the clicks themselves;
// the arithmetic of slips and pace; the clicks' export.
#include "AlmacenHistorial.h"
#include "Esquema.h"
#include "Sembrar.h"
#include "Tropiezos.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {
const QDateTime kHora(QDate(2026, 6, 1), QTime(10, 0), Qt::UTC);

// Runs `sql` on the file at `ruta` through a connection of its own; the rows, as text.
QList<QStringList> Consultar(const QString &ruta, const QString &sql)
{
    QList<QStringList> filas;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("consulta"));
        db.setDatabaseName(ruta);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql))
                while (q.next()) {
                    QStringList f;
                    for (int i = 0; i < q.record().count(); ++i)
                        f << q.value(i).toString();
                    filas << f;
                }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("consulta"));
    return filas;
}

int VersionArchivo(const QString &ruta)
{
    return Consultar(ruta, QStringLiteral("PRAGMA user_version")).value(0).value(0).toInt();
}

tClicMedido Clic(int palabra, int tinta, int64_t ms, int64_t anterior)
{
    return {tClic{palabra * 4 + tinta % 4, palabra, tinta, palabra == tinta, false}, ms, anterior};
}
}  // namespace

TEST(Clics, AFileOfThePreviousLayoutIsBroughtUpToDateKeepingItsGamesAndTakesClicks)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELUNDA_DATOS_HISTORIAL "/historial_v2.sqlite"), ruta));
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner);
    const int antes = VersionArchivo(ruta);
    ASSERT_GT(antes, 0);
    ASSERT_LT(antes, VersionEsquema());

    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    const tResumenHistorial viejo = a.Leer();
    EXPECT_EQ(viejo.PartidasJugadas, 2);
    EXPECT_EQ(viejo.NivelesSuperados, 2);
    EXPECT_EQ(viejo.ClicsErroneos, 1);
    EXPECT_EQ(viejo.TiemposAgotados, 1);
    EXPECT_EQ(viejo.FallosAnotados, 0);  // those games kept no clicks
    EXPECT_EQ(viejo.Mejores[Normal].MejorTotal, 1400);
    EXPECT_EQ(viejo.Mejores[MuyFacil].NivelMaximo, 2);

    tResultadoNivel r = Nivel(3, FinNivel::ClicErroneo, 5, 3);
    r.Colores = 4;
    r.Palabras = 12;
    const qint64 p = *a.EmpezarPartida(kHora, Normal);
    ASSERT_TRUE(a.GuardarNivel(p, kHora, r, {Clic(1, 1, 800, 800), Clic(0, 3, 1500, 700)}));
    const tResumenHistorial nuevo = a.Leer();
    EXPECT_EQ(nuevo.FallosAnotados, 1);
    EXPECT_EQ(nuevo.Fallos[0][3], 1);
    ASSERT_EQ(nuevo.RitmoColores.size(), 1u);
    EXPECT_EQ(nuevo.RitmoColores[0].Valor, 4);
    EXPECT_NEAR(nuevo.RitmoColores[0].MedianaMs, 800, kAnchoCuboMs);
    EXPECT_EQ(nuevo.PartidasJugadas, 3);
    EXPECT_EQ(VersionArchivo(ruta), VersionEsquema());
    // Levels from before the step know nothing of their board.
    EXPECT_EQ(
        Consultar(ruta, QStringLiteral("SELECT count(*) FROM niveles WHERE colores IS NULL"))[0][0], "4");
}

TEST(Clics, TheSummariesTheTriggersKeepAgreeWithTheClicksThemselves)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    std::mt19937 azar(7);
    std::map<int, std::vector<int64_t>> porColores, porPalabras;
    ASSERT_TRUE(a.Empezar());
    for (int partida = 0; partida < 12; ++partida) {
        const qint64 p = *a.EmpezarPartida(kHora, int(azar() % 4));
        for (int nivel = 0; nivel < 6; ++nivel) {
            tResultadoNivel r = Nivel(nivel + 1, FinNivel::ClicErroneo, 9, 5);
            r.Colores = 3 + int(azar() % 6);
            r.Palabras = 8 + int(azar() % 25);
            std::vector<tClicMedido> clics;
            int64_t t = 0;
            for (int c = 0; c < 6; ++c) {
                const int64_t paso = 150 + int64_t(azar() % 2500);
                t += paso;
                const int palabra = int(azar() % r.Colores);
                const int tinta = c == 5 ? (palabra + 1) % r.Colores : palabra;  // the last one wrong
                clics.push_back(Clic(palabra, tinta, t, paso));
                if (palabra == tinta) {
                    porColores[r.Colores].push_back(paso);
                    porPalabras[r.Palabras].push_back(paso);
                }
            }
            ASSERT_TRUE(a.GuardarNivel(p, kHora, r, clics));
        }
    }
    ASSERT_TRUE(a.Confirmar());
    const tResumenHistorial res = a.Leer();

    int fallos = 0;
    for (const QStringList &f : Consultar(ruta,
             QStringLiteral(
                 "SELECT palabra, tinta, count(*) FROM clics WHERE acierto = 0 GROUP BY palabra, tinta"))) {
        EXPECT_EQ(res.Fallos[f[0].toInt()][f[1].toInt()], f[2].toInt()) << f.join(u' ').toStdString();
        fallos += f[2].toInt();
    }
    EXPECT_EQ(fallos, 12 * 6);
    EXPECT_EQ(res.FallosAnotados, fallos);

    // Each median from the buckets lies between the two middle clicks (one middle click when
    // their count is odd), give or take one bucket.
    const auto comprobar
        = [&](const std::vector<tPuntoRitmo> &puntos, std::map<int, std::vector<int64_t>> m) {
              ASSERT_EQ(puntos.size(), m.size());
              for (const tPuntoRitmo &p : puntos) {
                  std::vector<int64_t> &v = m.at(p.Valor);
                  std::sort(v.begin(), v.end());
                  EXPECT_EQ(p.Veces, int(v.size()));
                  EXPECT_GE(p.MedianaMs, double(v[(v.size() - 1) / 2] - kAnchoCuboMs)) << p.Valor;
                  EXPECT_LE(p.MedianaMs, double(v[v.size() / 2] + kAnchoCuboMs)) << p.Valor;
              }
          };
    comprobar(res.RitmoColores, porColores);
    comprobar(res.RitmoPalabras, porPalabras);
}

TEST(Clics, PaceOfTheLastTenGamesLeavesOlderGamesOut)
{
    QTemporaryDir dir;
    AlmacenHistorial a(dir.filePath(QStringLiteral("history.sqlite")));
    ASSERT_TRUE(a.Abrir());
    for (int partida = 0; partida < 11; ++partida) {
        const qint64 p = *a.EmpezarPartida(kHora, Normal);
        tResultadoNivel r = Nivel(1, FinNivel::Terminado, 4, 2);
        r.Colores = 3;
        r.Palabras = 10;
        const int64_t paso = partida == 0 ? 9000 : 1000;  // the oldest game was slow
        a.GuardarNivel(p, kHora, r, {Clic(2, 2, paso, paso), Clic(1, 1, 2 * paso, paso)});
    }
    const tResumenHistorial res = a.Leer();
    ASSERT_EQ(res.RitmoColoresRecientes.size(), 1u);
    EXPECT_EQ(res.RitmoColoresRecientes[0].Veces, 20);
    EXPECT_NEAR(res.RitmoColoresRecientes[0].MedianaMs, 1000, kAnchoCuboMs);
    EXPECT_EQ(res.RitmoColores[0].Veces, 22);
}

TEST(Tropiezos, MediansOfBucketsAndTheWorstSlips)
{
    EXPECT_EQ(MedianaCubos({}), 0);
    // Ten clicks all between 400 and 420 ms: the median is in that bucket's middle.
    EXPECT_DOUBLE_EQ(MedianaCubos({{CuboMs(410), 10}}), 410);
    // Three quick and one very slow: the slow one does not pull the median.
    const double m = MedianaCubos({{CuboMs(300), 3}, {CuboMs(60000), 1}});
    EXPECT_GE(m, 300);
    EXPECT_LT(m, 320);
    EXPECT_EQ(CuboMs(-5), 0);
    EXPECT_EQ(CuboMs(3'600'000), kUltimoCubo);

    tTablaFallos t{};
    t[0][7] = 7;  // RED in ORANGE
    t[5][6] = 3;
    t[2][1] = 3;
    t[4][0] = 1;
    const std::vector<tFallo> peores = PeoresFallos(t, 3);
    ASSERT_EQ(peores.size(), 3u);
    EXPECT_EQ(std::tie(peores[0].Palabra, peores[0].Tinta, peores[0].Veces), std::make_tuple(0, 7, 7));
    // A tie goes in palette order of the word.
    EXPECT_EQ(std::tie(peores[1].Palabra, peores[1].Tinta), std::make_tuple(2, 1));
    EXPECT_EQ(std::tie(peores[2].Palabra, peores[2].Tinta), std::make_tuple(5, 6));
    EXPECT_EQ(PeoresFallos(tTablaFallos{}, 3).size(), 0u);

    tResumenHistorial r;
    r.FallosAnotados = kFallosSuficientes - 1;
    r.PartidasJugadas = kPartidasSuficientes - 1;
    EXPECT_FALSE(HayDatosTropiezos(r));
    r.FallosAnotados = kFallosSuficientes;
    EXPECT_TRUE(HayDatosTropiezos(r));
    r.FallosAnotados = 0;
    r.PartidasJugadas = kPartidasSuficientes;
    EXPECT_TRUE(HayDatosTropiezos(r));
}

TEST(Clics, CsvExportOfClicksHasOneRowPerClickWithEnglishNames)
{
    QTemporaryDir dir;
    AlmacenHistorial a(dir.filePath(QStringLiteral("history.sqlite")));
    ASSERT_TRUE(a.Abrir());
    const qint64 p = *a.EmpezarPartida(kHora, Dificil);
    tResultadoNivel r = Nivel(4, FinNivel::ClicErroneo, 3, 4, Dificil);
    r.Colores = 8;
    tClicMedido teclado = Clic(7, 7, 500, 500);
    teclado.Clic.Teclado = true;
    a.GuardarNivel(p, kHora, r, {teclado, Clic(0, 7, 1300, 800)});
    const QString archivo = dir.filePath(QStringLiteral("clics.csv"));
    ASSERT_EQ(a.ExportarCSV(archivo, Exportacion::Clics), ResultadoExportacion::Hecha);
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lineas = f.readAll().split('\n');
    ASSERT_EQ(lineas.size(), 4);  // header, two clicks, and the empty rest after the last line end
    const QList<QByteArray> cabecera = lineas[0].trimmed().split(',');
    const auto campo = [&](int linea, const char *nombre) {
        return lineas[linea].trimmed().split(',').value(cabecera.indexOf(nombre));
    };
    EXPECT_EQ(campo(1, "word"), "ORANGE");
    EXPECT_EQ(campo(1, "keyboard"), "yes");
    EXPECT_EQ(campo(1, "correct"), "yes");
    EXPECT_EQ(campo(2, "word"), "RED");
    EXPECT_EQ(campo(2, "ink"), "ORANGE");
    EXPECT_EQ(campo(2, "correct"), "no");
    EXPECT_EQ(campo(2, "ms_since_start"), "1300");
    EXPECT_EQ(campo(2, "ms_since_previous"), "800");
    EXPECT_EQ(campo(2, "difficulty"), "HARD");
    EXPECT_EQ(campo(2, "level"), "4");
}
