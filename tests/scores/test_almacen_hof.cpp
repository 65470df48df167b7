// The high-score file shared by copies of the game: a save reads the table again under
// the lock, so no copy drops another's entry; a held lock is waited for, then told; an
// oversized file is moved aside and the table starts again.
#include "AlmacenHOF.h"
#include "ArchivosPrueba.h"

#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
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

TEST_F(Almacen, AnOversizedFileIsMovedAsideAndTheNextEntryIsSaved)
{
    const QByteArray basura(10 * 1024 * 1024, 'x');
    Grabar(ruta, basura);
    Grabar(ruta + ".bad", "an older one");
    ASSERT_TRUE(Partida("Ana", 10));
    EXPECT_EQ(QFileInfo(ruta + ".bad").size(), basura.size());  // kept, never deleted
    EXPECT_EQ(Nombres(), (QStringList{"Ana", "", "", "", "", "", "", "", "", ""}));
}

}  // namespace
