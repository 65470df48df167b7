// A machine without Qt's SQLite driver (its own package, not pulled in by Qt SQL): the game
// plays on, the history file is left alone, and the progress window names the missing
// package instead of blaming the file. A binary of its own: no other test may have loaded
// the driver before the plugin folders are taken away.
#include "AlmacenHistorial.h"
#include "Controles.h"
#include "Historial.h"
#include "Sembrar.h"
#include "frmProgreso.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SinSqlite, AMissingDriverIsToldAsSuchWithItsPackageAndTheFileIsLeftAlone)
{
    QTemporaryDir dir, sinPlugins;
    // Before any use of Qt SQL: once loaded, a driver stays available.
    QCoreApplication::setLibraryPaths({sinPlugins.path()});
    ASSERT_FALSE(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")));
    // An earlier run's history, which the game must neither blame nor touch.
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    const QByteArray contenido = QByteArrayLiteral("SQLite format 3\0an earlier run's games");
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly) && archivo.write(contenido) == contenido.size());
    archivo.close();

    Historial h(ruta);
    h.PartidaEmpezada();
    h.NivelTerminado(Nivel(1, FinNivel::Terminado, 3, 2));
    h.Escribir();
    EXPECT_EQ(h.Almacen(), nullptr);
    EXPECT_EQ(h.Estado(), EstadoAlmacen::SinControlador);
    frmProgreso progreso(&h, nullptr);
    const QString razon = progreso.findChild<Etiqueta *>(QStringLiteral("lblEstado"))->text();
    EXPECT_TRUE(razon.contains(QStringLiteral("libqt6sql6-sqlite"))) << razon.toStdString();
    EXPECT_FALSE(razon.contains(QStringLiteral("file"))) << razon.toStdString();
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(), contenido);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("history.sqlite")});
}
