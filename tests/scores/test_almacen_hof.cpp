// The high-score file shared by copies of the game: a save reads the table again under
// the lock, so no copy drops another's entry; a held lock is waited for, then told; an
// oversized file is moved aside and the table starts again.
#include "AlmacenHOF.h"
#include "ArchivoINI.h"
#include "ArchivosPrueba.h"

#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

class Almacen : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ruta = dir.filePath("HOF.rec");

    static void Nueva(TablaHOF &t, const QString &nombre, int32_t puntos)
    {
        t.Insertar(nombre, 2, QStringLiteral("d"), QStringLiteral("h"), puntos);
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

TEST_F(Almacen, ASecondCopySavingAfterTheFirstKeepsBothEntries)
{
    const AlmacenHOF almacen(ruta);
    TablaHOF primera, segunda;
    almacen.Cargar(primera);  // both copies read the same empty table...
    almacen.Cargar(segunda);
    Nueva(primera, "Uno", 300);
    Nueva(segunda, "Dos", 200);
    ASSERT_TRUE(almacen.Guardar(primera, true));  // ...and save in turn
    ASSERT_TRUE(almacen.Guardar(segunda, true));
    EXPECT_EQ(Nombres().mid(0, 2), (QStringList{"Uno", "Dos"}));
    // The second copy shows the table as saved, its own entry marked.
    EXPECT_EQ(segunda.Registros[0].Nombre, QStringLiteral("Uno"));
    EXPECT_EQ(segunda.FilaNueva(), 1);
    EXPECT_FALSE(QFileInfo::exists(ruta + ".lock"));
}

TEST_F(Almacen, CopiesSavingAtOnceInSeparateProcessesLoseNoEntry)
{
    // Five copies, let go at the same moment, save two entries each: the ten places
    // must end up holding all ten.
    constexpr int kCopias = 5, kVeces = 2;
    int salida[2];
    ASSERT_EQ(::pipe(salida), 0);
    std::vector<pid_t> hijos;
    for (int k = 0; k < kCopias; ++k) {
        const pid_t h = ::fork();
        ASSERT_GE(h, 0);
        if (h == 0) {
            ::close(salida[1]);
            char c;
            (void)!::read(salida[0], &c, 1);  // returns when the parent closes its end
            bool ok = true;
            for (int j = 0; j < kVeces; ++j) {
                const AlmacenHOF almacen(ruta, 30000);
                TablaHOF t;
                almacen.Cargar(t);
                Nueva(t, QString::number(kVeces * k + j), 1 + kVeces * k + j);
                ok &= bool(almacen.Guardar(t, true));
            }
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
    QStringList esperados;
    for (int p = kCopias * kVeces - 1; p >= 0; --p)
        esperados << QString::number(p);
    EXPECT_EQ(Nombres(), esperados);
}

TEST_F(Almacen, ALockHeldByAnotherCopyIsWaitedForThenToldAndTheEntryStillRanks)
{
    Grabar(ruta, "[00]\r\nNombre=Ana\r\nPuntos=50\r\n");
    const QByteArray antes = BytesDe(ruta);
    QLockFile otra(ruta + ".lock");
    ASSERT_TRUE(otra.tryLock(0));
    const AlmacenHOF almacen(ruta, 50);
    TablaHOF t;
    almacen.Cargar(t);  // reading does not wait for the lock to go
    EXPECT_EQ(t.Registros[0].Nombre, QStringLiteral("Ana"));
    Nueva(t, "Bea", 90);
    EXPECT_EQ(almacen.Guardar(t, true).motivo, MotivoFallo::Bloqueado);
    EXPECT_EQ(BytesDe(ruta), antes);
    EXPECT_EQ(t.FilaNueva(), 0);
    otra.unlock();
    EXPECT_TRUE(almacen.Guardar(t, true));
    EXPECT_EQ(Nombres().mid(0, 2), (QStringList{"Bea", "Ana"}));
}

TEST_F(Almacen, AnOversizedFileIsMovedAsideAndTheNextEntryIsSaved)
{
    const QByteArray basura(10 * 1024 * 1024, 'x');
    Grabar(ruta, basura);
    Grabar(ruta + ".bad", "an older one");
    const AlmacenHOF almacen(ruta);
    TablaHOF t;
    almacen.Cargar(t);
    EXPECT_EQ(QFileInfo(ruta + ".bad").size(), basura.size());  // kept, never deleted
    EXPECT_FALSE(QFileInfo::exists(ruta));
    for (int p = 0; p < TablaHOF::kPuestos; ++p) {
        tRegistroHOF vacio;
        vacio.Origen = int16_t(p);
        EXPECT_EQ(t.Registros[p], vacio) << p;
    }
    Nueva(t, "Ana", 10);
    ASSERT_TRUE(almacen.Guardar(t, true));
    EXPECT_EQ(Nombres().first(), QStringLiteral("Ana"));
}

}  // namespace
