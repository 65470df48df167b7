// Choosing the high-score file: beside the program when its Data folder can be written,
// else the player's own copy, seeded once from the shipped table.
#include "ArchivosPrueba.h"
#include "ComoOtroUsuario.h"
#include "RutaHOF.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool NadaEscribible(const QString &) { return false; }

class RutaHOFTest : public ::testing::Test {
protected:
    QTemporaryDir app, usuario;
    QString propia() const { return usuario.filePath("scores/HOF.rec"); }
    QString dirPropio() const { return usuario.filePath("scores"); }
};

TEST_F(RutaHOFTest, WritableDataFolderKeepsTheShippedFile)
{
    QDir(app.path()).mkdir("Data");
    EXPECT_EQ(RutaHOF(app.path(), dirPropio()), app.path() + "/Data/HOF.rec");
    EXPECT_EQ(Contenido(app.filePath("Data")), QStringList());  // the probe cleans up
    EXPECT_FALSE(QFileInfo::exists(dirPropio()));
}

// Root can write into any folder, so the real probe is shown failing on a Data that is
// a file; the seeding is shown with the probe replaced.
TEST_F(RutaHOFTest, DataThatCannotBeWrittenMovesTheTableToThePlayer)
{
    Grabar(app.filePath("Data"), "a file, not a folder");
    EXPECT_EQ(RutaHOF(app.path(), dirPropio()), propia());
    EXPECT_FALSE(QFileInfo::exists(propia()));  // nothing shipped, nothing to copy
    EXPECT_EQ(RutaHOF(app.path() + "/missing", dirPropio()), propia());
}

// A table that can be read but not written, in a Data folder that can: mode 444, or, to
// the user `nobody` when the suite runs as root, also a file of another user.
TEST_F(RutaHOFTest, AReadOnlyFileInAWritableFolderAlsoMovesTheTableToThePlayer)
{
    QDir(app.path()).mkdir("Data");
    Grabar(app.filePath("Data/HOF.rec"), "[00]\r\nNombre=Shipped\r\n");
    QFile::setPermissions(
        app.filePath("Data/HOF.rec"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    for (const QString &d : {app.path(), app.filePath("Data"), usuario.path()})
        QFile::setPermissions(d, QFileDevice::Permissions(0x7777));
    EXPECT_TRUE(ComoUsuarioComun([&] {
        return RutaHOF(app.path(), dirPropio()) == propia()
            && BytesDe(propia()) == "[00]\r\nNombre=Shipped\r\n";
    }));
}

TEST_F(RutaHOFTest, PlayersCopyIsSeededOnceFromTheShippedTable)
{
    QDir(app.path()).mkdir("Data");
    Grabar(app.filePath("Data/HOF.rec"), "[00]\r\nNombre=Shipped\r\n");
    ASSERT_EQ(RutaHOF(app.path(), dirPropio(), NadaEscribible), propia());
    EXPECT_EQ(BytesDe(propia()), "[00]\r\nNombre=Shipped\r\n");

    Grabar(propia(), "[00]\r\nNombre=Mine\r\n");
    RutaHOF(app.path(), dirPropio(), NadaEscribible);
    EXPECT_EQ(BytesDe(propia()), "[00]\r\nNombre=Mine\r\n");
}

}  // namespace
