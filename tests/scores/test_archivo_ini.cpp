// LeerINI and EscribirINI on real files: missing files, files written on Windows, and
// writes that fail (full disk, folder that cannot be written, file that cannot be read),
// which must leave the old file exactly as it was.
#include "ArchivoINI.h"
#include "ArchivosPrueba.h"
#include "ComoOtroUsuario.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray kViejo = "[00]\r\nNombre=Ana\r\nPuntos=10\r\n";

class ArchivoINI : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ruta = dir.filePath("HOF.rec");
};

TEST_F(ArchivoINI, MissingFileReadsEmptyAndIsNotCreated)
{
    EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), QString());
    EXPECT_TRUE(LeerINI(ruta, "00", "Nombre").isNull());
    EXPECT_TRUE(Contenido(dir.path()).isEmpty());
    EXPECT_EQ(LeerINI(dir.path(), "00", "Nombre"), QString());  // a folder is no file
}

TEST_F(ArchivoINI, WriteCreatesTheFileWithOneSectionAndKey)
{
    EXPECT_TRUE(EscribirINI(ruta, "00", "Nombre", "Ana"));
    EXPECT_EQ(BytesDe(ruta), "[00]\r\nNombre=Ana\r\n");
    EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), "Ana");
    EXPECT_EQ(LeerINI(ruta, "00", "Puntos"), "0");
    EXPECT_EQ(Contenido(dir.path()), QStringList{"HOF.rec"});
}

TEST_F(ArchivoINI, FileFromWindowsReadsAndIsRewrittenAsUtf8)
{
    Grabar(ruta, "\xEF\xBB\xBF[00]\r\nNombre=Mu\xF1oz\r\n; kept\r\n[01]\r\nX=1\r\n");
    EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), QString::fromUtf8("Mu\xC3\xB1oz"));
    ASSERT_TRUE(EscribirINI(ruta, "01", "Nombre",
        QString::fromUtf8("Pe\xC3\xB1"
                          "a")));
    EXPECT_EQ(BytesDe(ruta),
        "\xEF\xBB\xBF[00]\r\nNombre=Mu\xC3\xB1oz\r\n; kept\r\n[01]\r\nX=1\r\n"
        "Nombre=Pe\xC3\xB1"
        "a\r\n");
    EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), QString::fromUtf8("Mu\xC3\xB1oz"));
}

TEST_F(ArchivoINI, UnicodeFilesFromAWindowsEditorReadAsUtf16AndAreWrittenBackAsUtf8)
{
    const QString texto = QString::fromUtf8("[00]\r\nNombre=Mu\xC3\xB1oz\r\n[09]\r\nPuntos=7\r\n");
    for (const bool le : {true, false}) {
        QByteArray bytes = le ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (const QChar c : texto) {
            const char alto = char(c.unicode() >> 8), bajo = char(c.unicode() & 0xFF);
            bytes += le ? bajo : alto;
            bytes += le ? alto : bajo;
        }
        Grabar(ruta, bytes);
        EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), QString::fromUtf8("Mu\xC3\xB1oz")) << le;
        EXPECT_EQ(LeerINI(ruta, "09", "Puntos"), "7") << le;
        ASSERT_TRUE(EscribirINI(ruta, "09", "Puntos", "8"));
        EXPECT_EQ(BytesDe(ruta), "[00]\r\nNombre=Mu\xC3\xB1oz\r\n[09]\r\nPuntos=8\r\n") << le;
    }
}

TEST_F(ArchivoINI, NamesOutsideLatin1RoundTrip)
{
    const QString nombre = QString::fromUtf8("\xE5\xB0\x8F\xE6\x9E\x97 \xF0\x9F\x98\x80");
    ASSERT_TRUE(EscribirINI(ruta, "00", "Nombre", nombre));
    EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), nombre);
}

TEST_F(ArchivoINI, BatchIsOneReplacementOfTheFile)
{
    Grabar(ruta, kViejo);
    QList<EntradaINI> entradas;
    for (int i = 0; i < 50; ++i)
        entradas.append({QString::number(i % 10), "k" + QString::number(i), "v"});
    EscritorContador contador;
    ASSERT_TRUE(EscribirINI(ruta, entradas, contador));
    EXPECT_EQ(contador.escrituras, 1);
    EXPECT_EQ(LeerINI(ruta, "9", "k49"), "v");
    EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), "Ana");
}

TEST_F(ArchivoINI, FullDiskLeavesTheOldFileWhole)
{
    Grabar(ruta, kViejo);
    EXPECT_EQ(EscribirINI(ruta, {{"00", "Nombre", QString(400, 'z')}}, EscritorDiscoLleno()).motivo,
        MotivoFallo::SinEspacio);
    EXPECT_EQ(BytesDe(ruta), kViejo);
    EXPECT_EQ(EscribirINI(ruta, {{"00", "Nombre", QString(400, 'z')}}, EscritorVaciadoFallido()).motivo,
        MotivoFallo::SinEspacio);
    EXPECT_EQ(BytesDe(ruta), kViejo);
    EXPECT_EQ(Contenido(dir.path()), QStringList{"HOF.rec"});  // no temporary file left
}

TEST_F(ArchivoINI, FullDiskOnANewFileCreatesNothing)
{
    EXPECT_FALSE(EscribirINI(ruta, {{"00", "Nombre", "Ana"}}, EscritorDiscoLleno()));
    EXPECT_TRUE(Contenido(dir.path()).isEmpty());
}

// Root may write anywhere, so "cannot be written" is a Data path whose parent is a file.
TEST_F(ArchivoINI, FolderThatCannotBeWrittenFailsQuietly)
{
    Grabar(dir.filePath("Data"), "not a folder");
    const QString dentro = dir.filePath("Data/HOF.rec");
    EXPECT_FALSE(EscribirINI(dentro, "00", "Nombre", "Ana"));
    EXPECT_EQ(LeerINI(dentro, "00", "Nombre"), QString());
    EXPECT_EQ(BytesDe(dir.filePath("Data")), "not a folder");
}

TEST_F(ArchivoINI, ReadOnlyFolderKeepsTheOldFile)
{
    Grabar(ruta, kViejo);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
    EXPECT_TRUE(ComoUsuarioComun([&] {
        return LeerINI(ruta, "00", "Nombre") == "Ana"
            && EscribirINI(ruta, {{"00", "Nombre", "Bea"}}).motivo == MotivoFallo::SinPermiso;
    }));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(BytesDe(ruta), kViejo);
}

// A socket exists but cannot be opened, even by root.
TEST_F(ArchivoINI, SomethingUnreadableAtThePathIsNeverReplaced)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un dir_un{};
    dir_un.sun_family = AF_UNIX;
    const QByteArray r = QFile::encodeName(ruta);
    ASSERT_LT(size_t(r.size()), sizeof dir_un.sun_path);
    std::copy(r.begin(), r.end(), dir_un.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&dir_un), sizeof dir_un), 0);

    EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), QString());
    EXPECT_EQ(EscribirINI(ruta, {{"00", "Nombre", "Ana"}}).motivo, MotivoFallo::NoEsArchivo);
    EXPECT_TRUE(QFileInfo(ruta).exists() && !QFileInfo(ruta).isFile());
    ::close(fd);
}

TEST_F(ArchivoINI, UnreadableFileIsNeverReplaced)
{
    Grabar(ruta, kViejo);
    QFile::setPermissions(ruta, QFileDevice::Permissions());
    ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
    EXPECT_TRUE(ComoUsuarioComun([&] {
        return EscribirINI(ruta, {{"00", "Nombre", "Bea"}}).motivo == MotivoFallo::Ilegible;
    }));
    QFile::setPermissions(ruta, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(BytesDe(ruta), kViejo);
}

TEST_F(ArchivoINI, OversizedFileIsNotOursToReplace)
{
    const QByteArray grande = kViejo + QByteArray(kTamanoMaximoINI, 'x');
    Grabar(ruta, grande);
    EXPECT_EQ(LeerINI(ruta, "00", "Nombre"), QString());
    EXPECT_FALSE(EscribirINI(ruta, "00", "Nombre", "Bea"));
    EXPECT_EQ(QFileInfo(ruta).size(), grande.size());
}

TEST_F(ArchivoINI, ABadNameRejectsTheWholeBatch)
{
    Grabar(ruta, kViejo);
    EXPECT_FALSE(EscribirINI(ruta, {{"00", "Nombre", "Bea"}, {"00", "a=b", "1"}}));
    EXPECT_EQ(BytesDe(ruta), kViejo);
}

}  // namespace
