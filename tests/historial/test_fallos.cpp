// The history never stands in the game's way: each state a file can be in, the upgrade of
// an older file, and the recorder that writes only once the event loop is free.
#include "AlmacenHistorial.h"
#include "ArchivoCrudo.h"
#include "ComoOtroUsuario.h"
#include "Esquema.h"
#include "Historial.h"
#include "Sembrar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray Leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}

// A level played and written through the recorder, as the game does it.
void JugarNivel(Historial &h)
{
    h.PartidaEmpezada();
    h.NivelTerminado(Nivel(1, FinNivel::Terminado, 3, 2));
    h.Escribir();
}

int PartidasEn(Historial &h) { return h.Almacen() ? h.Almacen()->Leer().PartidasJugadas : -1; }
}  // namespace

TEST(FallosHistorial, AMissingFolderAndFileAreCreated)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("Quorlan/Velunda/history.sqlite"));
    Historial h(ruta);
    JugarNivel(h);
    EXPECT_EQ(h.Estado(), EstadoAlmacen::Abierto);
    EXPECT_TRUE(QFile::exists(ruta));
    EXPECT_EQ(PartidasEn(h), 1);
}

TEST(FallosHistorial, ADamagedFileIsMovedAsideAndANewOneStarted)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    const QByteArray basura(8192, 'x');
    Escribir(ruta, basura);
    Historial h(ruta);
    JugarNivel(h);
    EXPECT_EQ(h.Estado(), EstadoAlmacen::Abierto);
    ASSERT_FALSE(h.ArchivoApartado().isEmpty());
    EXPECT_EQ(Leer(h.ArchivoApartado()), basura);  // kept whole, not deleted
    EXPECT_EQ(PartidasEn(h), 1);                   // the level went into the new file
}

// A closed history of `partidas` games of `niveles` levels each, every level finished.
void Sembrar(const QString &ruta, int partidas, int niveles)
{
    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    ASSERT_TRUE(a.Empezar());
    const QDateTime t = QDateTime::currentDateTimeUtc();
    for (int p = 0; p < partidas; ++p) {
        const qint64 id = *a.EmpezarPartida(t, 1);
        for (int n = 1; n <= niveles; ++n)
            a.GuardarNivel(id, t, Nivel(n, FinNivel::Terminado, 3, 2));
    }
    ASSERT_TRUE(a.Confirmar());
}

TEST(FallosHistorial, ADamagedPageOfLevelsFailsTheExportAndTheReadableLevelsAreKept)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    constexpr int kNiveles = 501 * 10;
    Sembrar(ruta, 501, 10);
    DanarPagina(ruta, "niveles");
    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    const QString csv = dir.filePath(QStringLiteral("h.csv"));
    EXPECT_EQ(a.ExportarCSV(csv), ResultadoExportacion::LecturaFallida);
    EXPECT_FALSE(QFile::exists(csv));
    ASSERT_FALSE(a.ArchivoApartado().isEmpty());
    EXPECT_TRUE(QFile::exists(a.ArchivoApartado()));

    ASSERT_EQ(a.ExportarCSV(csv), ResultadoExportacion::Hecha);
    const int filas = int(Leer(csv).count("\r\n")) - 1;
    EXPECT_LT(filas, kNiveles);
    EXPECT_GT(filas, kNiveles - 500);             // only about a page's worth is lost, not all after it
    EXPECT_EQ(a.Leer().NivelesSuperados, filas);  // the summary follows the copied levels
}

TEST(FallosHistorial, ADamagedPageOfGamesIsToldAndTheReadableGamesAreShown)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    Sembrar(ruta, 501, 1);
    DanarPagina(ruta, "partidas");
    Historial h(ruta);
    const int partidas = PartidasEn(h);
    EXPECT_FALSE(h.ArchivoApartado().isEmpty());
    EXPECT_LT(partidas, 501);
    EXPECT_GT(partidas, 501 - 150);
    EXPECT_EQ(h.Estado(), EstadoAlmacen::Abierto);
}

TEST(FallosHistorial, AFileFromANewerVersionIsLeftUntouchedAndHistoryTurnsOff)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    {
        Conexion c(ruta, "nueva");
        ASSERT_TRUE(c.Ejecutar(QStringLiteral("CREATE TABLE futuro (x)")));
        ASSERT_TRUE(c.Ejecutar(QStringLiteral("PRAGMA user_version = 99")));
    }
    const QByteArray antes = Leer(ruta);
    Historial h(ruta);
    JugarNivel(h);
    JugarNivel(h);
    EXPECT_EQ(h.Estado(), EstadoAlmacen::VersionNueva);
    EXPECT_EQ(h.Almacen(), nullptr);
    EXPECT_EQ(Leer(ruta), antes);
}

TEST(FallosHistorial, AMomentsLockKeepsTheBatchForTheNextWriteAndOnlyALastingOneTurnsHistoryOff)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    Historial h(ruta);
    JugarNivel(h);
    {
        Conexion otro(ruta, "otro");
        ASSERT_TRUE(otro.Ejecutar(QStringLiteral("BEGIN EXCLUSIVE")));
        JugarNivel(h);
        EXPECT_EQ(h.Estado(), EstadoAlmacen::Abierto);
        otro.Ejecutar(QStringLiteral("ROLLBACK"));
    }
    JugarNivel(h);
    EXPECT_EQ(PartidasEn(h), 3);  // the refused game went in with the next one

    Conexion otro(ruta, "otro");
    ASSERT_TRUE(otro.Ejecutar(QStringLiteral("BEGIN EXCLUSIVE")));
    for (int i = 0; i < 5; ++i)
        JugarNivel(h);
    EXPECT_EQ(h.Estado(), EstadoAlmacen::Bloqueado);
    otro.Ejecutar(QStringLiteral("ROLLBACK"));
    JugarNivel(h);  // off for the rest of the run, even once the lock is gone
    EXPECT_EQ(h.Almacen(), nullptr);
}

TEST(FallosHistorial, AWriteWaitsOutAnotherCopysShortWrite)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    Historial h(ruta);
    JugarNivel(h);
    int senal[2];
    ASSERT_EQ(::pipe(senal), 0);
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        // Another copy of the game, holding the file for a write's worth of time and a bit.
        bool ok = false;
        {
            Conexion otra(ruta, "hijo");
            ok = otra.Ejecutar(QStringLiteral("BEGIN IMMEDIATE"));
            (void)!::write(senal[1], "x", 1);
            ::usleep(15000);
            ok = ok && otra.Ejecutar(QStringLiteral("COMMIT"));
        }
        ::_exit(ok ? 0 : 1);
    }
    char c;
    ASSERT_EQ(::read(senal[0], &c, 1), 1);
    JugarNivel(h);
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    EXPECT_EQ(PartidasEn(h), 2);  // written at once, not left for a later write
    ::close(senal[0]);
    ::close(senal[1]);
}

TEST(FallosHistorial, AReadOnlyFileTurnsHistoryOff)
{
    QTemporaryDir dir;
    // Open to `nobody`, who runs the checks when the suite runs as root.
    QFile::setPermissions(dir.path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::WriteOther
            | QFile::ExeOther);
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    EXPECT_TRUE(ComoUsuarioComun([&] {
        {
            AlmacenHistorial previa(ruta);
            if (!previa.Abrir())
                return false;
        }
        QFile::setPermissions(ruta, QFile::ReadOwner);
        Historial h(ruta);
        JugarNivel(h);
        return h.Estado() == EstadoAlmacen::SoloLectura;
    }));
}

TEST(FallosHistorial, AnUnreachableFileTurnsHistoryOff)
{
    QTemporaryDir dir;
    Escribir(dir.filePath(QStringLiteral("Velunda")), "a file where the folder should be");
    Historial h(dir.filePath(QStringLiteral("Velunda/history.sqlite")));
    JugarNivel(h);
    EXPECT_EQ(h.Estado(), EstadoAlmacen::Inaccesible);
}

TEST(MigracionHistorial, AVersionOneFileGainsItsLevelSummaryFromTheLevelsAlreadyPlayed)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    {
        // A file as the first layout left it, with three levels played.
        Conexion c(ruta, "v1");
        QSqlDatabase db = QSqlDatabase::database(c.nombre);
        ASSERT_TRUE(MigrarEsquema(db, 0, nullptr, 1));
        for (const char *sql : {
                 "INSERT INTO partidas VALUES (1, '2026-01-05T09:00:00.000Z', NULL, 2, 3, 900, 0)",
                 "INSERT INTO niveles VALUES (1, 1, '2026-01-05T09:01:00.000Z', 2, 3, 20, 6, 3, 3, 1400, "
                 "'finished')",
                 "INSERT INTO niveles VALUES (2, 1, '2026-01-05T09:02:00.000Z', 2, 3, 20, 3, 3, 3, 1700, "
                 "'finished')",
                 "INSERT INTO niveles VALUES (3, 1, '2026-01-05T09:03:00.000Z', 2, 4, 20, 2, 0, 3, 0, "
                 "'wrong_click')",
             })
            ASSERT_TRUE(c.Ejecutar(QString::fromLatin1(sql))) << sql;
    }
    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    tResumenHistorial r = a.Leer();
    EXPECT_EQ(r.PartidasJugadas, 1);
    EXPECT_EQ(r.ClicsErroneos, 1);
    EXPECT_EQ(r.Niveles[2].Veces, 2);
    EXPECT_DOUBLE_EQ(r.Niveles[2].Mejor, 1.0);
    EXPECT_DOUBLE_EQ(r.Niveles[2].Media, 1.5);
    // New levels keep the summary going on top of the old ones.
    ASSERT_TRUE(a.GuardarNivel(1, QDateTime::currentDateTimeUtc(), Nivel(3, FinNivel::Terminado, 9, 3)));
    r = a.Leer();
    EXPECT_EQ(r.Niveles[2].Veces, 3);
    EXPECT_DOUBLE_EQ(r.Niveles[2].Media, 2.0);
}

TEST(RegistroHistorial, WritesWaitForTheEventLoopAndAGameWithoutLevelsLeavesNoTrace)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    Historial h(ruta);
    h.PartidaEmpezada();
    h.PartidaTerminada(tResultadoPartida{});  // left before START
    h.PartidaEmpezada();
    h.NivelTerminado(Nivel(1, FinNivel::Terminado, 3, 2));
    EXPECT_FALSE(QFile::exists(ruta));  // nothing opened inside the outcome itself
    QCoreApplication::processEvents();
    EXPECT_TRUE(QFile::exists(ruta));
    h.PartidaTerminada(tResultadoPartida{2, 2, 1700, false});
    QCoreApplication::processEvents();
    const tResumenHistorial r = h.Almacen()->Leer();
    ASSERT_EQ(r.PartidasJugadas, 1);
    EXPECT_EQ(r.MejorTotal, 1700);
    EXPECT_EQ(r.Partidas[0].NivelMaximo, 2);
}

TEST(MigracionHistorial, AVersionTwoFileKeepsItsGamesAsUsualAndARelaxedGameIsToldApart)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    {
        Conexion c(ruta, "v2");
        QSqlDatabase db = QSqlDatabase::database(c.nombre);
        ASSERT_TRUE(MigrarEsquema(db, 0, nullptr, 2));
        ASSERT_TRUE(c.Ejecutar(QStringLiteral(
            "INSERT INTO partidas VALUES (1, '2026-01-05T09:00:00.000Z', NULL, 2, 50, 900, 1)")));
    }
    AlmacenHistorial a(ruta);
    ASSERT_TRUE(a.Abrir());
    const qint64 p = *a.EmpezarPartida(QDateTime::currentDateTimeUtc(), 0);
    tResultadoPartida relajada{0, 50, 90000, true};
    relajada.Relajada = true;
    ASSERT_TRUE(a.TerminarPartida(p, QDateTime::currentDateTimeUtc(), relajada));
    const tResumenHistorial r = a.Leer();
    ASSERT_EQ(r.Partidas.size(), 2u);
    EXPECT_FALSE(r.Partidas[0].Relajada);
    EXPECT_TRUE(r.Partidas[1].Relajada);
    EXPECT_EQ(r.MejorTotal, 900);  // ten times the time makes no record
}
