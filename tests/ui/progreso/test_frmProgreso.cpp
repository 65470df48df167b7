// The progress window over a seeded history: the values behind its charts and numbers,
// the first-run invitation, the one line that says why history is off, the CSV export
// through the file prompt, and the two ways in (high scores, the P key on the menu).
#include "AlmacenHistorial.h"
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Historial.h"
#include "Modales.h"
#include "Sembrar.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"
#include "ModuloProgreso.h"
#include "frmProgreso.h"

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineSeries>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QDateTime kHora(QDate(2026, 5, 2), QTime(18, 30), Qt::UTC);

struct Progreso : ::testing::Test {
    QTemporaryDir dir;
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{5};
    Contexto ctx{estado, sonido, web, azar, dir.path(), {}, {}};
    QString Ruta() const { return dir.filePath(QStringLiteral("history.sqlite")); }

    // Three games: two NORMAL (reaching levels 2 and 3), one HARD (level 1, a wrong click).
    void Sembrar()
    {
        AlmacenHistorial a(Ruta());
        ASSERT_TRUE(a.Abrir());
        const qint64 p1 = *a.EmpezarPartida(kHora, Normal);
        a.GuardarNivel(p1, kHora, Nivel(1, FinNivel::Terminado, 6, 3, Normal));  // 2 s per match
        a.TerminarPartida(p1, kHora.addSecs(60), tResultadoPartida{Normal, 2, 2400, false});
        const qint64 p2 = *a.EmpezarPartida(kHora.addSecs(120), Normal);
        a.GuardarNivel(p2, kHora, Nivel(1, FinNivel::Terminado, 3, 3, Normal));  // 1 s per match
        a.GuardarNivel(p2, kHora, Nivel(2, FinNivel::Terminado, 8, 2, Normal));  // 4 s per match
        a.TerminarPartida(p2, kHora.addSecs(180), tResultadoPartida{Normal, 3, 5100, false});
        const qint64 p3 = *a.EmpezarPartida(kHora.addSecs(240), Dificil);
        a.GuardarNivel(p3, kHora, Nivel(1, FinNivel::ClicErroneo, 2, 3, Dificil));
        a.TerminarPartida(p3, kHora.addSecs(250), tResultadoPartida{Dificil, 1, 0, false});
    }
    static QList<QPointF> Puntos(frmProgreso &f, const char *grafico, const QString &serie)
    {
        auto *vista = f.findChild<QChartView *>(QString::fromLatin1(grafico));
        for (QAbstractSeries *s : vista->chart()->series())
            if (s->objectName() == serie)
                return static_cast<QLineSeries *>(s)->points();
        return {};
    }
    static QString Texto(frmProgreso &f, const char *nombre)
    {
        return f.findChild<Etiqueta *>(QString::fromLatin1(nombre))->text();
    }
};
}  // namespace

TEST_F(Progreso, ChartsAndNumbersShowTheSeededGames)
{
    Sembrar();
    Historial h(Ruta());
    frmProgreso f(&h, nullptr);

    const QList<QPointF> normal = Puntos(f, "chtPartidas", QStringLiteral("serPartidas_2"));
    ASSERT_EQ(normal.size(), 2);
    EXPECT_EQ(normal[0], QPointF(1, 2));  // game 1 reached level 2
    EXPECT_EQ(normal[1], QPointF(2, 3));
    EXPECT_EQ(Puntos(f, "chtPartidas", QStringLiteral("serPartidas_3")), QList<QPointF>{QPointF(3, 1)});
    EXPECT_TRUE(Puntos(f, "chtPartidas", QStringLiteral("serPartidas_0")).isEmpty());

    EXPECT_EQ(Puntos(f, "chtNiveles", QStringLiteral("serMejor")), (QList<QPointF>{{1, 1.0}, {2, 4.0}}));
    EXPECT_EQ(Puntos(f, "chtNiveles", QStringLiteral("serMedia")), (QList<QPointF>{{1, 1.5}, {2, 4.0}}));

    EXPECT_TRUE(Texto(f, "lblPartidas").endsWith(QStringLiteral(": 3")));
    EXPECT_TRUE(Texto(f, "lblNiveles").endsWith(QStringLiteral(": 3")));
    EXPECT_TRUE(Texto(f, "lblFallos").endsWith(QStringLiteral(": 1")));
    EXPECT_TRUE(Texto(f, "lblTiempos").endsWith(QStringLiteral(": 0")));
    EXPECT_TRUE(Texto(f, "lblMejorTotal").endsWith(QStringLiteral(": 5100")));
    EXPECT_TRUE(Texto(f, "lblTiempoJugado").endsWith(QStringLiteral(": 0:00:19")));
    EXPECT_TRUE(f.findChild<Etiqueta *>(QStringLiteral("lblVacio"))->isHidden());
    EXPECT_TRUE(Texto(f, "lblEstado").isEmpty());
}

TEST_F(Progreso, AFirstRunInvitesToPlayAndAnOffHistorySaysWhy)
{
    Historial nueva(Ruta());
    frmProgreso vacia(&nueva, nullptr);
    EXPECT_FALSE(vacia.findChild<Etiqueta *>(QStringLiteral("lblVacio"))->isHidden());
    EXPECT_TRUE(vacia.findChild<QChartView *>(QStringLiteral("chtPartidas"))->isHidden());
    EXPECT_FALSE(vacia.findChild<QPushButton *>(QStringLiteral("cmdExportar"))->isEnabled());
    EXPECT_TRUE(Texto(vacia, "lblEstado").isEmpty());

    const QString otra = dir.filePath(QStringLiteral("futura.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("futura"));
        db.setDatabaseName(otra);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 7"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("futura"));
    Historial futura(otra);
    frmProgreso apagada(&futura, nullptr);
    const QString razon = Texto(apagada, "lblEstado");
    EXPECT_FALSE(razon.isEmpty());
    EXPECT_FALSE(razon.contains(u'\n'));
    frmProgreso sinHistorial(nullptr, nullptr);
    EXPECT_NE(razon, Texto(sinHistorial, "lblEstado"));  // each cause its own line
}

TEST_F(Progreso, ExportWritesTheFileThePlayerChooses)
{
    Sembrar();
    Historial h(Ruta());
    frmProgreso f(&h, nullptr);
    const QString destino = dir.filePath(QStringLiteral("mine.csv"));
    AlAbrirse r([&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(d, nullptr);
        d->selectFile(destino);
        static_cast<QDialog *>(d)->accept();  // the file dialog's own accept, reached as a dialog
    });
    QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("cmdExportar")), Qt::LeftButton);
    EXPECT_TRUE(r.hecho);
    QFile csv(destino);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count("\r\n"), 1 + 4);  // the header and the four levels played
}

TEST_F(Progreso, OpensFromHighScoresAndFromTheMenuKeyAndClosesWithEscape)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
    Historial h(Ruta());
    ctx.historial = &h;
    auto cerrarConEscape = [](QWidget *w) {
        EXPECT_EQ(w->objectName(), QStringLiteral("frmProgreso"));
        QTest::keyClick(w, Qt::Key_Escape);
    };

    // As the game opens it: from the module built beside the test programs.
    ctx.abrirProgreso = [this](QWidget *padre) {
        AbrirProgresoDesdeModulo(ctx, padre, QCoreApplication::applicationDirPath());
    };
    frmHOF hof(ctx, nullptr);
    AlAbrirse desdeRecords(cerrarConEscape);
    QTest::mouseClick(hof.findChild<QPushButton *>(QStringLiteral("cmdProgreso")), Qt::LeftButton);
    EXPECT_TRUE(desdeRecords.hecho);

    frmIntro menu(ctx);
    menu.show();
    AlAbrirse desdeMenu(cerrarConEscape);
    QTest::keyClick(&menu, Qt::Key_P);
    EXPECT_TRUE(desdeMenu.hecho);
}

TEST_F(Progreso, AGameLeftOnTheGameScreenReachesTheHistoryWithItsWrongClick)
{
    Historial h(Ruta());
    ctx.historial = &h;
    estado.DificultadActual = Facil;
    ContestadorAutomatico ok;
    auto *juego = new frmMain(ctx);
    juego->show();
    juego->juego().PrepararNivel(0);
    juego->cmdEmpezar_Click();
    for (int i = 0; i < kNumCasillas; ++i)
        if (estado.Casillas[i].Visible && !estado.Casillas[i].EsAcierto()) {
            juego->lblTextos_Click(i);
            break;
        }
    juego->cmdEmpezar_Click();
    juego->imgVolverAlMenu_Click();  // closes and deletes the screen
    QCoreApplication::processEvents();
    ASSERT_NE(h.Almacen(), nullptr);
    const tResumenHistorial r = h.Almacen()->Leer();
    ASSERT_EQ(r.PartidasJugadas, 1);
    EXPECT_EQ(r.Partidas[0].Dificultad, Facil);
    EXPECT_EQ(r.ClicsErroneos, 1);
    EXPECT_EQ(r.NivelesSuperados, 0);
    EXPECT_EQ(ok.textos().size(), 1);
}
