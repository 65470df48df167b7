// The high-score file shared by copies of the game: a save reads the table again under
// the lock, so no copy drops another's entry; a held lock is waited for, then told; an
// oversized file is moved aside and the table starts again; whatever stands where the lock
// goes never stalls the screen, yet a live lock that reads as junk for a moment is waited
// for; a killed save's leftovers are swept by the next one.
#include "AlmacenHOF.h"
#include "ArchivosPrueba.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class Almacen : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ruta = dir.filePath("HOF.rec");

    // One copy's turn: load, a new entry, save.
    bool Partida(const QString &nombre, int32_t puntos, int esperaMs = 30000) const
    {
        const AlmacenHOF almacen(ruta, esperaMs);
        TablaHOF t;
        almacen.Cargar(t);
        t.Insertar(nombre, 2, "d", "h", puntos);
        return bool(almacen.Guardar(t, true));
    }
    QStringList Nombres() const
    {
        TablaHOF t;
        t.Cargar(ruta);
        QStringList n;
        for (int p = 0; p < TablaHOF::kPuestos; ++p)
            n << t.Registros[p].Nombre;
        return n;
    }
};

TEST_F(Almacen, ACopySavingAfterAnotherLoadedKeepsBothEntriesAndShowsTheTableAsSaved)
{
    const AlmacenHOF almacen(ruta);
    TablaHOF primera, segunda;
    almacen.Cargar(primera);  // both copies read the same empty table, then save in turn
    almacen.Cargar(segunda);
    primera.Insertar("Uno", 0, "d", "h", 300);
    segunda.Insertar("Dos", 0, "d", "h", 200);
    ASSERT_TRUE(almacen.Guardar(primera, true));
    ASSERT_TRUE(almacen.Guardar(segunda, true));
    EXPECT_EQ(Nombres().mid(0, 2), (QStringList{"Uno", "Dos"}));
    EXPECT_EQ(segunda.Registros[0].Nombre, QStringLiteral("Uno"));
    EXPECT_EQ(segunda.FilaNueva(), 1);
    EXPECT_FALSE(QFileInfo::exists(ruta + ".lock"));
}

TEST_F(Almacen, FiveProcessesSavingAtOnceLoseNoEntry)
{
    int salida[2];
    ASSERT_EQ(::pipe(salida), 0);
    std::vector<pid_t> hijos;
    for (int k = 0; k < 5; ++k) {
        const pid_t h = ::fork();
        ASSERT_GE(h, 0);
        if (h == 0) {
            ::close(salida[1]);
            char c;
            (void)!::read(salida[0], &c, 1);  // all let go when the parent closes its end
            const bool ok = Partida(QString::number(2 * k), 2 * k + 1)
                && Partida(QString::number(2 * k + 1), 2 * k + 2);
            ::_exit(ok ? 0 : 1);
        }
        hijos.push_back(h);
    }
    ::close(salida[0]);
    ::close(salida[1]);
    for (pid_t h : hijos) {
        int estado = 0;
        ASSERT_EQ(::waitpid(h, &estado, 0), h);
        EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    }
    EXPECT_EQ(Nombres(), (QStringList{"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
}

TEST_F(Almacen, ALockHeldByAnotherCopyIsWaitedForThenToldAndTheFileIsKept)
{
    Grabar(ruta, "[00]\r\nNombre=Ana\r\nPuntos=50\r\n");
    QLockFile otra(ruta + ".lock");
    ASSERT_TRUE(otra.tryLock(0));
    const AlmacenHOF almacen(ruta, 50);
    TablaHOF t;
    almacen.Cargar(t);  // reading does not need the lock
    EXPECT_EQ(t.Registros[0].Nombre, QStringLiteral("Ana"));
    t.Insertar("Bea", 0, "d", "h", 90);
    EXPECT_EQ(almacen.Guardar(t, true).motivo, MotivoFallo::Bloqueado);
    EXPECT_EQ(t.FilaNueva(), 0);  // shown ranked all the same
    EXPECT_EQ(Nombres().first(), QStringLiteral("Ana"));
    otra.unlock();
    EXPECT_TRUE(almacen.Guardar(t, true));  // the same entry, saved once the lock is free
    EXPECT_EQ(Nombres().mid(0, 2), (QStringList{"Bea", "Ana"}));
}

TEST_F(Almacen, EachOversizedFileIsMovedAsideUnderANameOfItsOwnAndTheNextEntryIsSaved)
{
    const QByteArray primera(2 * 1024 * 1024, 'x'), segunda(3 * 1024 * 1024, 'y');
    Grabar(ruta, primera);
    ASSERT_TRUE(Partida("Ana", 10));
    Grabar(ruta, segunda);
    ASSERT_TRUE(Partida("Bea", 20));
    QList<qint64> apartados;
    for (const QString &n : Contenido(dir.path()))
        if (n.startsWith("HOF.rec.bad"))
            apartados << QFileInfo(dir.filePath(n)).size();
    std::sort(apartados.begin(), apartados.end());
    EXPECT_EQ(apartados, (QList<qint64>{primera.size(), segunda.size()}));  // both kept
    EXPECT_EQ(Nombres(), (QStringList{"Bea", "", "", "", "", "", "", "", "", ""}));
}

// The time a load and a save of the screen take, and what the save said.
MotivoFallo AbrirPantalla(const QString &ruta, qint64 *ms)
{
    QElapsedTimer reloj;
    reloj.start();
    const AlmacenHOF almacen(ruta);
    TablaHOF t;
    almacen.Cargar(t);
    t.Insertar("Eva", 0, "d", "h", 5);
    const MotivoFallo m = almacen.Guardar(t, true).motivo;
    *ms = reloj.elapsed();
    return m;
}

void Envejecer(const QString &ruta, int segundos)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        f.setFileTime(QDateTime::currentDateTime().addSecs(-segundos), QFileDevice::FileModificationTime));
}

TEST_F(Almacen, AFolderOrAFifoWhereTheLockGoesIsToldAtOnce)
{
    const QString cerrojo = ruta + ".lock";
    ASSERT_TRUE(QDir().mkdir(cerrojo));
    qint64 ms = 0;
    EXPECT_EQ(AbrirPantalla(ruta, &ms), MotivoFallo::CerrojoNoEsArchivo);
    EXPECT_LT(ms, 500);
    ASSERT_TRUE(QDir().rmdir(cerrojo));

    ASSERT_EQ(::mkfifo(QFile::encodeName(cerrojo).constData(), 0600), 0);
    const auto sinBloquearse = [&](auto guardar) {
        auto pantalla = std::async(std::launch::async, guardar);
        if (pantalla.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            // Stuck opening the FIFO: a writer that leaves at once lets the reader go.
            const int fd = ::open(QFile::encodeName(cerrojo).constData(), O_WRONLY | O_NONBLOCK);
            ::close(fd);
            pantalla.wait();
            ADD_FAILURE() << "blocked on the FIFO";
        }
        return pantalla.get();
    };
    EXPECT_EQ(sinBloquearse([&] { return AbrirPantalla(ruta, &ms); }), MotivoFallo::CerrojoNoEsArchivo);
    EXPECT_LT(ms, 500);
    // Clearing the high scores puts the shipped table back under the same lock.
    EXPECT_EQ(sinBloquearse([&] { return AlmacenHOF(ruta).Restablecer("[00]\r\n").motivo; }),
        MotivoFallo::CerrojoNoEsArchivo);
}

TEST_F(Almacen, AJunkOrForeignLockNeverStallsTheScreenAndIsClearedOnceOld)
{
    const QString cerrojo = ruta + ".lock";
    QByteArray ajeno;
    {
        QLockFile propio(cerrojo);
        ASSERT_TRUE(propio.tryLock(0));
        ajeno = BytesDe(cerrojo).replace(QSysInfo::machineHostName().toUtf8(), "otra-maquina.example");
    }
    for (const QByteArray &contenido : {QByteArray("\x01\x02 not a lock"), ajeno}) {
        Grabar(cerrojo, contenido);
        qint64 ms = 0;
        AbrirPantalla(ruta, &ms);  // may well be told as locked: it is fresh
        EXPECT_LT(ms, 500) << contenido.constData();
        Grabar(cerrojo, contenido);
        Envejecer(cerrojo, 10);
        EXPECT_EQ(AbrirPantalla(ruta, &ms), MotivoFallo::Ninguno) << contenido.constData();
        EXPECT_LT(ms, 500);
        EXPECT_FALSE(QFileInfo::exists(cerrojo));
    }
}

TEST_F(Almacen, ALiveLockThatReadsAsJunkForAMomentIsWaitedForAsLongAsAsked)
{
    // Another copy has made the lock but not yet written its name in it, then holds it a while.
    const QString cerrojo = ruta + ".lock";
    QByteArray vivo;
    {
        QLockFile propio(cerrojo);  // names this process, which is alive
        ASSERT_TRUE(propio.tryLock(0));
        vivo = BytesDe(cerrojo);
    }
    Grabar(cerrojo, "");
    auto otraCopia = std::async(std::launch::async, [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Grabar(cerrojo, vivo);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        QFile::remove(cerrojo);
    });
    qint64 ms = 0;
    EXPECT_EQ(AbrirPantalla(ruta, &ms), MotivoFallo::Ninguno);
    EXPECT_GE(ms, 550);
    otraCopia.wait();
}

TEST_F(Almacen, TheNextSaveSweepsAKilledSavesLeftoversAndNothingElse)
{
    // A save killed while holding the lock, and one killed between placing its temporary
    // file (named as QSaveFile names it) and renaming it over the table.
    const pid_t h = ::fork();
    if (h == 0) {
        QLockFile cerrojo(ruta + ".lock");
        ::_exit(cerrojo.tryLock(0) ? 0 : 1);
    }
    ::waitpid(h, nullptr, 0);
    ASSERT_TRUE(QFileInfo::exists(ruta + ".lock"));
    for (const char *n : {"HOF.rec.RzPdJt", "HOF.rec.backup", "otro.tmp"}) {
        Grabar(dir.filePath(n), "[00]\r\nNombre=Medio");
        Envejecer(dir.filePath(n), 120);
    }
    Grabar(dir.filePath("HOF.rec.Qm3xWa"), "");  // too young to be sure of
    ASSERT_TRUE(Partida("Ana", 10));
    QStringList quedan = Contenido(dir.path());
    quedan.sort();
    EXPECT_EQ(quedan, (QStringList{"HOF.rec", "HOF.rec.Qm3xWa", "HOF.rec.backup", "otro.tmp"}));
}

}  // namespace
