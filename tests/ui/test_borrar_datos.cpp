// Clearing from the settings window, for a shared computer: each button asks first and
// says what stays; No changes nothing; Yes brings back the shipped high scores or empties
// the history, and the files once moved aside as damaged are still there.
#include "Ajustes.h"
#include "ArchivoINI.h"
#include "Contexto.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Historial.h"
#include "Modales.h"
#include "Sembrar.h"
#include "frmAjustes.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray Leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct BorrarDatos : ::testing::Test {
    QTemporaryDir dir;
    Ajustes ajustes{dir.filePath(QStringLiteral("ajustes.ini"))};
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{1};
    Contexto ctx{estado, sonido, web, azar, dir.path(), {}, {}};
    QString Ruta(const char *nombre) const { return dir.filePath(QString::fromLatin1(nombre)); }
    // Clicks `boton` of the settings window and answers its question with `respuesta`.
    std::shared_ptr<RegistroModales> Pulsar(const char *boton, QMessageBox::StandardButton respuesta)
    {
        frmAjustes ventana(ajustes, nullptr, &ctx);
        auto registro = ResponderModales(respuesta == QMessageBox::Yes ? 2 : 1, [respuesta](QWidget *m) {
            auto *caja = qobject_cast<QMessageBox *>(m);
            caja && caja->button(respuesta) ? PulsarBoton(m, respuesta) : PulsarOk(m);
        });
        ventana.findChild<QPushButton *>(QString::fromLatin1(boton))->click();
        return registro;
    }
};
}  // namespace

TEST_F(BorrarDatos, ClearHighScoresAsksThenBringsBackTheShippedTableAndKeepsTheBadFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
    const QString tabla = Ruta("Data/HOF.rec");
    const QByteArray enviada = Leer(QStringLiteral(VELUNDA_DATOS_FUENTE "/HOF.rec"));
    ASSERT_FALSE(enviada.isEmpty());
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELUNDA_DATOS_FUENTE "/HOF.rec"), tabla));
    QFile::setPermissions(tabla, QFile::ReadOwner | QFile::WriteOwner);
    EscribirINI(tabla, QStringLiteral("00"), QStringLiteral("Nombre"), QStringLiteral("Pupil"));
    const QByteArray jugada = Leer(tabla);
    QFile bad(tabla + QStringLiteral(".bad"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly) && bad.write("damaged") == 7);
    bad.close();

    auto no = Pulsar("cmdBorrarRecords", QMessageBox::No);
    ASSERT_EQ(no->textos.size(), 1);
    EXPECT_TRUE(no->textos[0].contains(QStringLiteral(".bad")));
    EXPECT_EQ(Leer(tabla), jugada);

    auto si = Pulsar("cmdBorrarRecords", QMessageBox::Yes);
    EXPECT_EQ(si->textos.size(), 2);
    EXPECT_EQ(Leer(tabla), enviada);
    EXPECT_EQ(Leer(bad.fileName()), QByteArray("damaged"));
}

TEST_F(BorrarDatos, ClearHistoryAsksThenEmptiesItAndTheGameGoesOnRecording)
{
    Historial h(Ruta("history.sqlite"));
    ctx.historial = &h;
    for (int i = 0; i < 3; ++i) {
        h.PartidaEmpezada();
        h.NivelTerminado(Nivel(1, FinNivel::Terminado, 3, 2));
    }
    h.Escribir();
    QFile bad(Ruta("history.sqlite.bad-20260101T000000"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly) && bad.write("old") == 3);
    bad.close();
    ASSERT_EQ(h.Almacen()->Leer().PartidasJugadas, 3);

    auto no = Pulsar("cmdBorrarHistorial", QMessageBox::No);
    ASSERT_EQ(no->textos.size(), 1);
    EXPECT_TRUE(no->textos[0].contains(QStringLiteral(".bad")));
    EXPECT_EQ(h.Almacen()->Leer().PartidasJugadas, 3);

    h.PartidaEmpezada();  // still waiting to be written: cleared with the rest
    Pulsar("cmdBorrarHistorial", QMessageBox::Yes);
    EXPECT_EQ(h.Almacen()->Leer().PartidasJugadas, 0);
    EXPECT_EQ(h.Almacen()->Leer().NivelesSuperados, 0);
    EXPECT_TRUE(QFile::exists(bad.fileName()));

    h.PartidaEmpezada();
    h.NivelTerminado(Nivel(2, FinNivel::Terminado, 3, 2));
    h.Escribir();
    EXPECT_EQ(h.Almacen()->Leer().PartidasJugadas, 1);
}

TEST_F(BorrarDatos, WithoutAHistoryItsButtonIsOff)
{
    frmAjustes ventana(ajustes, nullptr, &ctx);
    EXPECT_FALSE(ventana.findChild<QPushButton *>(QStringLiteral("cmdBorrarHistorial"))->isEnabled());
    EXPECT_TRUE(ventana.findChild<QPushButton *>(QStringLiteral("cmdBorrarRecords"))->isEnabled());
}
