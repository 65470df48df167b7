// The history store: what is written comes back in the summary the progress window
// reads, and in the CSV export.
#include "AlmacenHistorial.h"
#include "Sembrar.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QDateTime kHora(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);
}

TEST(AlmacenHistorial, SummaryCountsEveryEndingAndTimesOnlyFinishedLevels)
{
    AlmacenHistorial a(QStringLiteral(":memory:"));
    ASSERT_TRUE(a.Abrir());
    const qint64 p1 = *a.EmpezarPartida(kHora, 1);
    ASSERT_TRUE(a.GuardarNivel(p1, kHora.addSecs(10), Nivel(1, FinNivel::Terminado, 4, 2)));  // 2 s/match
    ASSERT_TRUE(a.GuardarNivel(p1, kHora.addSecs(20), Nivel(2, FinNivel::ClicErroneo, 1, 3)));
    ASSERT_TRUE(a.GuardarNivel(p1, kHora.addSecs(30), Nivel(1, FinNivel::Terminado, 2, 2)));  // 1 s/match
    ASSERT_TRUE(a.GuardarNivel(p1, kHora.addSecs(40), Nivel(2, FinNivel::TiempoAgotado, 20, 3)));
    tResultadoPartida fin{1, 3, 1800, false};
    ASSERT_TRUE(a.TerminarPartida(p1, kHora.addSecs(50), fin));
    const qint64 p2 = *a.EmpezarPartida(kHora.addDays(1), 3);
    ASSERT_TRUE(a.GuardarNivel(p2, kHora.addDays(1), Nivel(5, FinNivel::SaltoNivel, 3, 4)));
    ASSERT_TRUE(a.GuardarNivel(p2, kHora.addDays(1), Nivel(1, FinNivel::Abandono, 5, 2)));

    const tResumenHistorial r = a.Leer();
    ASSERT_EQ(r.Partidas.size(), 2u);
    EXPECT_EQ(r.Partidas[0].Dificultad, 1);
    EXPECT_EQ(r.Partidas[0].NivelMaximo, 3);
    EXPECT_EQ(r.Partidas[1].NivelMaximo, 5);  // a game cut short shows how far it got
    EXPECT_EQ(r.PartidasJugadas, 2);
    EXPECT_EQ(r.NivelesSuperados, 2);
    EXPECT_EQ(r.ClicsErroneos, 1);
    EXPECT_EQ(r.TiemposAgotados, 1);
    EXPECT_EQ(r.MejorTotal, 1800);
    EXPECT_DOUBLE_EQ(r.SegundosJugados, 4 + 1 + 2 + 20 + 3 + 5);
    EXPECT_EQ(r.Niveles[0].Veces, 2);
    EXPECT_DOUBLE_EQ(r.Niveles[0].Mejor, 1.0);
    EXPECT_DOUBLE_EQ(r.Niveles[0].Media, 1.5);
    EXPECT_EQ(r.Niveles[1].Veces, 0);  // failed, never finished
    EXPECT_EQ(r.Niveles[4].Veces, 0);  // jumped away from
}

TEST(AlmacenHistorial, CsvExportReadsBackOneRowPerLevelWithItsGame)
{
    QTemporaryDir dir;
    AlmacenHistorial a(QStringLiteral(":memory:"));
    ASSERT_TRUE(a.Abrir());
    const qint64 p = *a.EmpezarPartida(kHora, 0);
    a.GuardarNivel(p, kHora.addSecs(9), Nivel(1, FinNivel::Terminado, 3.5f, 2, 0));
    a.GuardarNivel(p, kHora.addSecs(19), Nivel(2, FinNivel::TiempoAgotado, 20, 3, 0));
    a.TerminarPartida(p, kHora.addSecs(30), tResultadoPartida{0, 2, 1650, false});

    const QString ruta = dir.filePath(QStringLiteral("h.csv"));
    ASSERT_EQ(a.ExportarCSV(ruta), ResultadoExportacion::Hecha);
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lineas
        = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 3);
    const QStringList cabecera = lineas[0].split(u',');
    const QStringList fila = lineas[1].split(u',');
    ASSERT_EQ(fila.size(), cabecera.size());
    auto campo = [&](const QStringList &l, const char *nombre) {
        return l[cabecera.indexOf(QLatin1String(nombre))];
    };
    EXPECT_EQ(campo(fila, "level_ended"), QStringLiteral("2026-03-01T10:00:09.000Z"));
    EXPECT_EQ(campo(fila, "difficulty"), QStringLiteral("VERY EASY"));
    EXPECT_EQ(campo(fila, "difficulty_code"), QStringLiteral("0"));
    EXPECT_EQ(campo(fila, "seconds_used"), QStringLiteral("3.50"));
    EXPECT_EQ(campo(fila, "outcome"), QStringLiteral("finished"));
    EXPECT_EQ(campo(lineas[2].split(u','), "outcome"), QStringLiteral("time_over"));
    EXPECT_EQ(campo(lineas[2].split(u','), "game_total"), QStringLiteral("1650"));
    EXPECT_EQ(campo(fila, "game_won"), QStringLiteral("no"));
    EXPECT_EQ(campo(fila, "game_relaxed"), QStringLiteral("no"));
}

TEST(AlmacenHistorial, CsvExportQuotesPlantedTextAndDisarmsFormulas)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("history.sqlite"));
    AlmacenHistorial a(base);
    ASSERT_TRUE(a.Abrir());
    a.GuardarNivel(*a.EmpezarPartida(kHora, 2), kHora, Nivel(1, FinNivel::Terminado, 3, 2));
    {
        // Another program writes where the game keeps its words and moments.
        QSqlDatabase otro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otro"));
        otro.setDatabaseName(base);
        ASSERT_TRUE(otro.open());
        ASSERT_TRUE(QSqlQuery(otro).exec(QStringLiteral(
            "UPDATE niveles SET final = '=HYPERLINK(\"http://x.example\")', fin = '@x', dificultad = 9")));
        ASSERT_TRUE(QSqlQuery(otro).exec(
            QStringLiteral("UPDATE partidas SET inicio = 'a, \"b\"' || char(13, 10) || '-c'")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("otro"));

    const QString ruta = dir.filePath(QStringLiteral("h.csv"));
    ASSERT_EQ(a.ExportarCSV(ruta), ResultadoExportacion::Hecha);
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray fila = f.readAll().split('\n').mid(1).join('\n');  // past the header
    // Quoted whole, quotes doubled, the line break inside the quotes, formulas made text.
    EXPECT_TRUE(fila.startsWith("1,\"a, \"\"b\"\"\r\n-c\",'@x,,9,1,")) << fila.constData();
    EXPECT_TRUE(fila.contains(",\"'=HYPERLINK(\"\"http://x.example\"\")\",")) << fila.constData();
}
