// Check-ups kept in the history: their results read back as the rules computed them, their
// trials in the CSV, an older file taking them, emptying, rescue, and a history that is off.
#include "AlmacenHistorial.h"
#include "ArchivoCrudo.h"
#include "Esquema.h"
#include "Historial.h"
#include "ResultadoChequeo.h"
#include "Sembrar.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QDateTime kHora(QDate(2026, 7, 1), QTime(18, 30), Qt::UTC);

// A check-up played by a scripted player: slower on incongruent words, and now and then
// wrong, too soon or too late.
std::vector<tEnsayo> Jugado(float semilla)
{
    GeneradorMersenne g;
    g.Sembrar(semilla);
    std::vector<tEnsayo> ensayos = GenerarEnsayos(g);
    for (tEnsayo &e : ensayos) {
        const int suerte = Aleatorio(g, 0, 14);
        e.respuesta = suerte == 0 ? -1 : suerte == 1 ? (e.tinta == 0 ? 1 : 0) : e.tinta;
        e.ms = suerte == 0 ? kMsLimite
            : suerte == 2  ? Aleatorio(g, 60, kMsAnticipacion - 1)
                           : Aleatorio(g, 400, 900) + (e.condicion == Condicion::Incongruente ? 150 : 0);
    }
    return ensayos;
}

// The lines of an export, header first, each split into its fields.
std::vector<QStringList> Exportado(AlmacenHistorial &a, const QString &ruta)
{
    std::vector<QStringList> filas;
    if (a.ExportarCSV(ruta, Exportacion::Chequeos) != ResultadoExportacion::Hecha)
        return filas;
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    for (const QString &l : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        filas.push_back(l.split(u','));
    return filas;
}
}  // namespace

TEST(Chequeos, EachCheckUpReadsBackWithTheResultOfItsTrialsOldestFirst)
{
    AlmacenHistorial a(QStringLiteral(":memory:"));
    ASSERT_TRUE(a.Abrir());
    std::vector<tEnsayo> sinContestar = Jugado(3);
    for (tEnsayo &e : sinContestar)
        e.respuesta = -1;  // no median anywhere: no interference to measure
    const std::vector<std::vector<tEnsayo>> jugados{Jugado(1), Jugado(2), sinContestar};
    for (std::size_t i = 0; i < jugados.size(); ++i)
        ASSERT_TRUE(a.GuardarChequeo(kHora.addDays(int(i)), i == 1, jugados[i]));

    const std::vector<tChequeoGuardado> leidos = a.LeerChequeos();
    ASSERT_EQ(leidos.size(), jugados.size());
    for (std::size_t i = 0; i < jugados.size(); ++i) {
        const tResultadoChequeo r = CalcularResultado(jugados[i]);
        const tChequeoGuardado &c = leidos[i];
        EXPECT_EQ(c.fin, kHora.addDays(int(i)));
        EXPECT_EQ(c.tintasSeguras, i == 1);
        EXPECT_EQ(c.interferencia, r.interferencia);
        EXPECT_EQ(c.medianaCongruente, r.De(Condicion::Congruente).mediana);
        EXPECT_EQ(c.medianaNeutra, r.De(Condicion::Neutra).mediana);
        EXPECT_DOUBLE_EQ(c.errorIncongruente, r.De(Condicion::Incongruente).TasaError());
        EXPECT_EQ(std::tie(c.conservados, c.anticipaciones, c.sinRespuesta),
            std::tie(r.conservados, r.anticipaciones, r.sinRespuesta));
    }
    EXPECT_GT(*leidos[0].interferencia, 0);  // the scripted player is slower on incongruent words
    EXPECT_FALSE(leidos[2].interferencia);
    EXPECT_DOUBLE_EQ(leidos[2].errorNeutra, 1.0);
}

TEST(Chequeos, TheCsvHasARowPerTrialAndKeepsOutPracticeAndAnticipations)
{
    QTemporaryDir dir;
    AlmacenHistorial a(QStringLiteral(":memory:"));
    ASSERT_TRUE(a.Abrir());
    const std::vector<tEnsayo> jugado = Jugado(4);
    ASSERT_TRUE(a.GuardarChequeo(kHora, true, jugado));
    const std::vector<QStringList> filas = Exportado(a, dir.filePath(QStringLiteral("c.csv")));
    ASSERT_EQ(filas.size(), jugado.size() + 1);
    const QStringList &cabecera = filas[0];
    const auto campo = [&](std::size_t fila, const char *nombre) {
        return filas[fila].value(cabecera.indexOf(QLatin1String(nombre)));
    };
    int practicas = 0, conservadas = 0, anticipadas = 0, neutras = 0;
    for (std::size_t i = 1; i < filas.size(); ++i) {
        ASSERT_EQ(filas[i].size(), cabecera.size());
        const bool practica = campo(i, "practice") == QLatin1String("yes");
        const bool anticipada
            = campo(i, "answer_code") != QLatin1String("-1") && campo(i, "ms").toInt() < kMsAnticipacion;
        const bool conservada = campo(i, "kept") == QLatin1String("yes");
        EXPECT_FALSE(conservada && (practica || anticipada)) << i;
        practicas += practica;
        anticipadas += anticipada && !practica;
        conservadas += conservada;
        if (campo(i, "condition") == QLatin1String("neutral")) {
            ++neutras;
            EXPECT_EQ(campo(i, "word_code"), QStringLiteral("-1"));  // a code, not made text
        }
    }
    const tResultadoChequeo r = CalcularResultado(jugado);
    EXPECT_EQ(practicas, kEnsayosPractica);
    EXPECT_GT(anticipadas, 0);
    EXPECT_EQ(std::tie(anticipadas, conservadas), std::tie(r.anticipaciones, r.conservados));
    EXPECT_GT(neutras, 0);
    EXPECT_EQ(campo(1, "checkup_ended"), QStringLiteral("2026-07-01T18:30:00.000Z"));
    EXPECT_EQ(campo(1, "inks"), QStringLiteral("safe"));
}

TEST(Chequeos, AFileOfAnOlderLayoutKeepsItsGamesAndTakesCheckUpsAndEmptyingClearsThem)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELUNDA_DATOS_HISTORIAL "/historial_v2.sqlite"), ruta));
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner);
    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    EXPECT_EQ(a.Leer().PartidasJugadas, 2);
    ASSERT_TRUE(a.GuardarChequeo(kHora, false, Jugado(5)));
    EXPECT_EQ(a.LeerChequeos().size(), 1u);

    ASSERT_TRUE(a.Vaciar());
    EXPECT_TRUE(a.LeerChequeos().empty());
    EXPECT_EQ(Exportado(a, dir.filePath(QStringLiteral("c.csv"))).size(), 1u);  // the header alone
    EXPECT_EQ(a.Leer().PartidasJugadas, 0);
}

TEST(Chequeos, ADamagedPageOfTrialsLosesOnlyThoseTrials)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    std::size_t ensayos = 0;
    {
        AlmacenHistorial a(ruta);
        ASSERT_TRUE(a.Abrir());
        for (int i = 0; i < 12; ++i) {
            const std::vector<tEnsayo> jugado = Jugado(float(i));
            ensayos += jugado.size();
            ASSERT_TRUE(a.GuardarChequeo(kHora.addDays(i), false, jugado));
        }
    }
    DanarPagina(ruta, "ensayos");
    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    EXPECT_EQ(a.ExportarCSV(dir.filePath(QStringLiteral("c.csv")), Exportacion::Chequeos),
        ResultadoExportacion::LecturaFallida);
    ASSERT_FALSE(a.ArchivoApartado().isEmpty());
    EXPECT_EQ(a.LeerChequeos().size(), 12u);
    const std::size_t filas = Exportado(a, dir.filePath(QStringLiteral("c.csv"))).size() - 1;
    EXPECT_LT(filas, ensayos);
    EXPECT_GT(filas, ensayos * 3 / 4);  // a page's worth and the rows stepped over, not all after it
}

TEST(Chequeos, TheRecorderWritesACheckUpAtOnceAndAHistoryThatIsOffKeepsNone)
{
    QTemporaryDir dir;
    Historial h(dir.filePath(QStringLiteral("history.sqlite")));
    h.PartidaEmpezada();
    h.NivelTerminado(Nivel(1, FinNivel::Terminado, 3, 2));  // waiting for the event loop
    const QDateTime antes = QDateTime::currentDateTimeUtc();
    ASSERT_TRUE(h.GuardarChequeo(true, Jugado(6)));
    const std::vector<tChequeoGuardado> guardados = h.Chequeos();
    ASSERT_EQ(guardados.size(), 1u);
    EXPECT_GE(guardados[0].fin, antes);
    EXPECT_LE(guardados[0].fin, QDateTime::currentDateTimeUtc());
    EXPECT_EQ(h.Almacen()->Leer().PartidasJugadas, 1);  // what waited went in with it

    QFile carpeta(dir.filePath(QStringLiteral("Velunda")));
    ASSERT_TRUE(carpeta.open(QIODevice::WriteOnly));  // a file where the folder should be
    Historial apagado(dir.filePath(QStringLiteral("Velunda/history.sqlite")));
    EXPECT_FALSE(apagado.GuardarChequeo(false, Jugado(7)));
    EXPECT_TRUE(apagado.Chequeos().empty());
    EXPECT_EQ(apagado.Estado(), EstadoAlmacen::Inaccesible);
}
