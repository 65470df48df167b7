// Every judged click kept with its level: the step that adds them, run on a file the game
// before it wrote; the summaries its triggers keep, checked against the clicks themselves;
// the order of the worst slips.
#include "AlmacenHistorial.h"
#include "Esquema.h"
#include "Sembrar.h"
#include "Tropiezos.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {
const QDateTime kHora(QDate(2026, 6, 1), QTime(10, 0), Qt::UTC);

// The first value `sql` gives on the file at `ruta`, through a connection of its own.
QVariant Valor(const QString &ruta, const QString &sql)
{
    QVariant v;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("consulta"));
        db.setDatabaseName(ruta);
        QSqlQuery q(db);
        if (db.open() && q.exec(sql) && q.next())
            v = q.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("consulta"));
    return v;
}

tClicMedido Clic(int palabra, int tinta, int64_t ms, int64_t anterior)
{
    return {tClic{0, palabra, tinta, palabra == tinta, false}, ms, anterior};
}

tResultadoNivel NivelConTablero(int colores, int palabras)
{
    tResultadoNivel r = Nivel(3, FinNivel::ClicErroneo, 5, 3);
    r.Colores = colores;
    r.Palabras = palabras;
    return r;
}
}  // namespace

TEST(Clics, AFileOfThePreviousLayoutIsBroughtUpToDateKeepingItsGamesAndTakesClicks)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELUNDA_DATOS_HISTORIAL "/historial_v2.sqlite"), ruta));
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner);
    const int antes = Valor(ruta, QStringLiteral("PRAGMA user_version")).toInt();
    ASSERT_GT(antes, 0);
    ASSERT_LT(antes, VersionEsquema());

    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    const tResumenHistorial viejo = a.Leer();
    EXPECT_EQ(viejo.PartidasJugadas, 2);
    EXPECT_EQ(viejo.NivelesSuperados, 2);
    EXPECT_EQ(viejo.ClicsErroneos, 1);
    EXPECT_EQ(viejo.FallosAnotados, 0);  // those games kept no clicks
    EXPECT_EQ(viejo.Mejores[Normal].MejorTotal, 1400);

    const qint64 p = *a.EmpezarPartida(kHora, Normal);
    ASSERT_TRUE(
        a.GuardarNivel(p, kHora, NivelConTablero(4, 12), {Clic(1, 1, 800, 800), Clic(0, 3, 1500, 700)}));
    const tResumenHistorial nuevo = a.Leer();
    EXPECT_EQ(nuevo.Fallos[0][3], 1);
    ASSERT_EQ(nuevo.RitmoColores.size(), 1u);
    EXPECT_EQ(nuevo.RitmoColores[0].Valor, 4);
    EXPECT_EQ(Valor(ruta, QStringLiteral("PRAGMA user_version")).toInt(), VersionEsquema());
    // Levels from before the step know nothing of their board.
    EXPECT_EQ(Valor(ruta, QStringLiteral("SELECT count(*) FROM niveles WHERE colores IS NULL")).toInt(), 4);
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
        const qint64 p = *a.EmpezarPartida(kHora, Normal);
        for (int nivel = 0; nivel < 6; ++nivel) {
            const tResultadoNivel r = NivelConTablero(3 + int(azar() % 6), 8 + int(azar() % 25));
            std::vector<tClicMedido> clics;
            for (int c = 0; c < 6; ++c) {
                const int64_t paso = 150 + int64_t(azar() % 2500);
                const int palabra = int(azar() % 8);
                const int tinta = c == 5 ? (palabra + 1) % 8 : palabra;  // the last one wrong
                clics.push_back(Clic(palabra, tinta, 0, paso));
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

    for (int w = 0; w < 8; ++w)
        for (int t = 0; t < 8; ++t)
            EXPECT_EQ(res.Fallos[w][t],
                Valor(ruta,
                    QStringLiteral(
                        "SELECT count(*) FROM clics WHERE acierto = 0 AND palabra = %1 AND tinta = %2")
                        .arg(w)
                        .arg(t))
                    .toInt());
    EXPECT_EQ(res.FallosAnotados, 12 * 6);
    // Each median from the buckets lies between the two middle clicks (the one middle click
    // of an odd count), give or take one bucket.
    const auto comprobar = [](const std::vector<tPuntoRitmo> &puntos, std::map<int, std::vector<int64_t>> m) {
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
        const int64_t paso = partida == 0 ? 9000 : 1000;  // the oldest game was slow
        a.GuardarNivel(*a.EmpezarPartida(kHora, Normal), kHora, NivelConTablero(3, 10),
            {Clic(2, 2, paso, paso), Clic(1, 1, 2 * paso, paso)});
    }
    const tResumenHistorial res = a.Leer();
    ASSERT_EQ(res.RitmoColoresRecientes.size(), 1u);
    EXPECT_EQ(res.RitmoColoresRecientes[0].Veces, 20);
    EXPECT_NEAR(res.RitmoColoresRecientes[0].MedianaMs, 1000, kAnchoCuboMs);
    EXPECT_EQ(res.RitmoColores[0].Veces, 22);
}

TEST(Tropiezos, TheWorstSlipsComeMostFirstAndATieInWordOrder)
{
    tTablaFallos t{};
    t[0][7] = 7;  // RED in ORANGE
    t[5][6] = t[2][1] = 3;
    t[4][0] = 1;
    const std::vector<tFallo> peores = PeoresFallos(t, 3);
    ASSERT_EQ(peores.size(), 3u);
    EXPECT_EQ(std::tie(peores[0].Palabra, peores[0].Tinta, peores[0].Veces), std::make_tuple(0, 7, 7));
    EXPECT_EQ(std::tie(peores[1].Palabra, peores[2].Palabra), std::make_tuple(2, 5));
    EXPECT_TRUE(PeoresFallos(tTablaFallos{}, 3).empty());
}

TEST(Clics, EmptyingTheHistoryTakesTheClicksAndWhatTheySummedUp)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    a.GuardarNivel(*a.EmpezarPartida(kHora, Normal), kHora, NivelConTablero(3, 10),
        {Clic(2, 2, 900, 900), Clic(1, 4, 1800, 900)});
    ASSERT_TRUE(a.Vaciar());
    const tResumenHistorial r = a.Leer();
    EXPECT_EQ(r.FallosAnotados, 0);
    EXPECT_TRUE(r.RitmoColores.empty());
    EXPECT_EQ(Valor(ruta, QStringLiteral("SELECT count(*) FROM clics")).toInt(), 0);  // not even in the file
}
