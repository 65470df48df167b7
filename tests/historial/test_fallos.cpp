// The history never stands in the game's way: each state a file can be in, the upgrade of
// an older file, and the recorder that writes only once the event loop is free.
#include "AlmacenHistorial.h"
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

// A raw connection to a file, as another program (or an older game) would hold it.
struct Conexion {
    QString nombre;
    explicit Conexion(const QString &ruta, const char *id) : nombre(QString::fromLatin1(id))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        db.setDatabaseName(ruta);
        db.open();
    }
    ~Conexion()
    {
        QSqlDatabase::database(nombre).close();
        QSqlDatabase::removeDatabase(nombre);
    }
    bool Ejecutar(const QString &sql) { return QSqlQuery(QSqlDatabase::database(nombre)).exec(sql); }
};

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

TEST(FallosHistorial, AFileLockedByAnotherProgramTurnsHistoryOffWithoutWaiting)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    {
        AlmacenHistorial previa(ruta);
        ASSERT_TRUE(previa.Abrir());
    }
    Conexion otro(ruta, "otro");
    ASSERT_TRUE(otro.Ejecutar(QStringLiteral("BEGIN EXCLUSIVE")));
    Historial h(ruta);
    JugarNivel(h);
    EXPECT_EQ(h.Estado(), EstadoAlmacen::Bloqueado);
    otro.Ejecutar(QStringLiteral("ROLLBACK"));
    JugarNivel(h);  // off for the rest of the run, even once the lock is gone
    EXPECT_EQ(h.Almacen(), nullptr);
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
