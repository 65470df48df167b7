// Finding Data/: a build tree's Data/ beside the program, else the installed one, reached
// from the program's folder through the install layout and marked read-only for the game.
#include "UbicacionDatos.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(UbicacionDatos, BuildTreeDataWinsOverTheInstalledOne)
{
    QTemporaryDir raiz;
    const QString programa = raiz.filePath("usr/lib/games/velunda");
    const QString compartida = raiz.filePath("usr/share/velunda");
    ASSERT_TRUE(QDir().mkpath(programa) && QDir().mkpath(compartida + "/Data"));

    const UbicacionDatos instalada = BuscarDatos(programa, "../../../share/velunda");
    EXPECT_EQ(instalada.dir, compartida);  // no "..": the paths the game builds stay plain
    EXPECT_TRUE(instalada.compartida);

    ASSERT_TRUE(QDir().mkpath(programa + "/Data"));
    const UbicacionDatos propia = BuscarDatos(programa, "../../../share/velunda");
    EXPECT_EQ(propia.dir, programa);
    EXPECT_FALSE(propia.compartida);
}

TEST(UbicacionDatos, TheFolderFoundBeforeQtStartsIsQtsOwn)
{
    // The title read ahead before Qt starts is taken only under the same folder's name.
    EXPECT_EQ(CarpetaDelPrograma(), QCoreApplication::applicationDirPath());
}
