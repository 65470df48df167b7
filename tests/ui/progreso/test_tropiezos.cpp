// Every click of a game on the real game screen reaches the history, and the progress
// window's "what trips you" view shows it: the slips grid and its worst three, the pace
// lines, the best of each difficulty, the line before there is enough, and the clicks' export.
#include "AlmacenHistorial.h"
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Historial.h"
#include "Modales.h"
#include "Pixeles.h"
#include "Sembrar.h"
#include "Tropiezos.h"
#include "frmMain.h"
#include "frmProgreso.h"

#include <QChartView>
#include <QFile>
#include <QLineSeries>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QDateTime kHora(QDate(2026, 7, 1), QTime(9, 0), Qt::UTC);

struct Tropiezos : ::testing::Test {
    QTemporaryDir dir;
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{11};
    Contexto ctx{estado, sonido, web, azar, dir.path(), {}, {}};
    QString Ruta() const { return dir.filePath(QStringLiteral("history.sqlite")); }

    // `partidas` games; in each, one level of 4 colours and 12 words with two right clicks
    // (`ms` apart) and the wrong clicks given as word and ink.
    void Sembrar(int partidas, const std::vector<std::pair<int, int>> &fallos, int64_t ms = 900)
    {
        AlmacenHistorial a(Ruta());
        ASSERT_TRUE(a.Abrir());
        for (int p = 0; p < partidas; ++p) {
            const int dificultad = p % 2 ? Dificil : Facil;
            const qint64 id = *a.EmpezarPartida(kHora, dificultad);
            tResultadoNivel r = Nivel(p + 1, FinNivel::ClicErroneo, 4, 3, dificultad);
            r.Colores = 4;
            r.Palabras = 12;
            std::vector<tClicMedido> clics{
                {tClic{0, 1, 1, true, false}, ms, ms}, {tClic{1, 2, 2, true, false}, 2 * ms, ms}};
            for (std::size_t i = p; i < fallos.size(); i += std::size_t(partidas))
                clics.push_back({tClic{2, fallos[i].first, fallos[i].second, false, false}, 3 * ms, ms});
            ASSERT_TRUE(a.GuardarNivel(id, kHora, r, clics));
            a.TerminarPartida(id, kHora, tResultadoPartida{dificultad, p + 1, 1000 * (p + 1), false});
        }
    }
    static QString Texto(QWidget &f, const QString &nombre)
    {
        return f.findChild<Etiqueta *>(nombre)->text();
    }
};
}  // namespace

TEST_F(Tropiezos, ThreeLevelsWithOneWrongClickLeaveEveryClickInTheHistory)
{
    Historial h(Ruta());
    ctx.historial = &h;
    estado.DificultadActual = Facil;
    ContestadorAutomatico ok;
    auto *juego = new frmMain(ctx);
    juego->show();
    juego->juego().PrepararNivel(0);
    const auto clicar = [&](int i) {
        QTest::qWait(15);  // so each click has its own milliseconds
        QTest::mouseClick(
            juego->findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(i)), Qt::LeftButton);
    };
    int correctas = 0;
    for (int nivel = 0; nivel < 2; ++nivel) {
        juego->cmdEmpezar_Click();
        for (int i : AciertosVisibles(estado)) {
            clicar(i);
            ++correctas;
        }
    }
    // The third level: one right click, then a wrong word chosen with the keyboard.
    juego->cmdEmpezar_Click();
    clicar(AciertosVisibles(estado)[0]);
    QTest::keyClick(juego, Qt::Key_Space);  // shows the ring
    for (int n = 0; n < kNumCasillas && estado.Casillas[juego->FocoTeclado()].EsAcierto(); ++n)
        QTest::keyClick(juego, Qt::Key_Right);
    const tCasilla fallo = estado.Casillas[juego->FocoTeclado()];
    ASSERT_FALSE(fallo.EsAcierto());
    QTest::qWait(15);
    QTest::keyClick(juego, Qt::Key_Space);
    juego->imgVolverAlMenu_Click();
    QCoreApplication::processEvents();
    ASSERT_NE(h.Almacen(), nullptr);

    struct Fila {
        qint64 nivel, inicio, anterior;
        int palabra, tinta, acierto, teclado;
    };
    std::vector<Fila> filas;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lectura"));
        db.setDatabaseName(Ruta());
        QSqlQuery q(db);
        ASSERT_TRUE(db.open()
            && q.exec(QStringLiteral("SELECT nivel, ms_inicio, ms_anterior, palabra, tinta,"
                                     " acierto, teclado FROM clics ORDER BY id")));
        while (q.next())
            filas.push_back({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                q.value(3).toInt(), q.value(4).toInt(), q.value(5).toInt(), q.value(6).toInt()});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lectura"));
    ASSERT_EQ(filas.size(), std::size_t(correctas + 2));
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const Fila &f = filas[i];
        EXPECT_EQ(f.acierto, i + 1 < filas.size() ? 1 : 0) << i;
        const bool primeraDelNivel = i == 0 || filas[i - 1].nivel != f.nivel;
        if (f.acierto) {
            EXPECT_EQ(f.palabra, f.tinta);
        }
        // Milliseconds grow within a level, and the gap is the one to the click before.
        EXPECT_GT(f.inicio, primeraDelNivel ? 0 : filas[i - 1].inicio) << i;
        EXPECT_EQ(f.anterior, primeraDelNivel ? f.inicio : f.inicio - filas[i - 1].inicio) << i;
    }
    EXPECT_EQ(filas.back().palabra, fallo.Texto);
    EXPECT_EQ(filas.back().tinta, fallo.Color);
    EXPECT_EQ(filas.back().teclado, 1);
    EXPECT_EQ(filas.front().teclado, 0);
    EXPECT_EQ(std::set<qint64>({filas.front().nivel, filas.back().nivel}).size(), 2u);
}

TEST_F(Tropiezos, TheViewShowsTheSlipsTheirWorstThreeThePaceAndTheBestOfEachDifficulty)
{
    // RED clicked in ORANGE seven times, YELLOW in CYAN twice, GREEN in BLUE once.
    std::vector<std::pair<int, int>> fallos(7, {0, 7});
    fallos.insert(fallos.end(), {{5, 6}, {5, 6}, {1, 2}});
    Sembrar(6, fallos);
    Historial h(Ruta());
    frmProgreso f(&h, nullptr);
    f.show();
    auto *vista = f.findChild<QPushButton *>(QStringLiteral("cmdVista"));
    EXPECT_EQ(f.findChild<QWidget *>(QStringLiteral("picTropiezos")), nullptr);  // built when asked for
    QTest::mouseClick(vista, Qt::LeftButton);
    ASSERT_TRUE(f.VistaTropiezos());
    EXPECT_TRUE(f.findChild<QChartView *>(QStringLiteral("chtPartidas"))->isHidden());
    EXPECT_TRUE(f.findChild<Etiqueta *>(QStringLiteral("lblPocosDatos"))->isHidden());

    EXPECT_EQ(Texto(f, QStringLiteral("lblFallo_0_7")), QStringLiteral("7"));
    EXPECT_EQ(Texto(f, QStringLiteral("lblFallo_7_0")), QString());
    EXPECT_EQ(Texto(f, QStringLiteral("lblPeor_0")), QStringLiteral("RED printed in ORANGE: 7 times"));
    EXPECT_EQ(Texto(f, QStringLiteral("lblPeor_1")), QStringLiteral("YELLOW printed in CYAN: 2 times"));
    EXPECT_EQ(Texto(f, QStringLiteral("lblPeor_2")), QStringLiteral("GREEN printed in BLUE: 1 time"));
    // Rows and columns are told by their words; the counts by their shade as well.
    EXPECT_EQ(Texto(f, QStringLiteral("lblPalabra_0")), QStringLiteral("RED"));
    EXPECT_EQ(Texto(f, QStringLiteral("lblTinta_7")), QStringLiteral("ORANGE"));
    QWidget *grid = f.findChild<QWidget *>(QStringLiteral("picDatosTropiezos"));
    const Pixeles px(grid);
    const auto centro = [&](const char *nombre) {
        return f.findChild<Etiqueta *>(QString::fromLatin1(nombre))->geometry().center();
    };
    const QColor muchos = px(centro("lblFallo_0_7") + QPoint(12, 0));
    const QColor ninguno = px(centro("lblFallo_7_0") + QPoint(12, 0));
    EXPECT_EQ(ninguno, QColor(Qt::white));
    EXPECT_GT(ninguno.green() - muchos.green(), 80);  // the most frequent slip is the deepest red

    // Pace: two right clicks 900 ms apart in every game, with 4 colours and 12 words.
    const auto puntos = [&](const char *grafico, const char *serie) {
        for (QAbstractSeries *s : f.findChild<QChartView *>(QString::fromLatin1(grafico))->chart()->series())
            if (s->objectName() == QString::fromLatin1(serie))
                return static_cast<QLineSeries *>(s)->points();
        return QList<QPointF>();
    };
    const QList<QPointF> colores = puntos("chtRitmoColores", "serRitmoColores");
    ASSERT_EQ(colores.size(), 1);
    EXPECT_EQ(colores[0].x(), 4);
    EXPECT_NEAR(colores[0].y(), 900, kAnchoCuboMs);
    EXPECT_EQ(puntos("chtRitmoPalabras", "serRitmoPalabrasRecientes").value(0).x(), 12);

    // EASY games were 1, 3 and 5 (best 5000 at level 5), HARD 2, 4 and 6; none at the others.
    EXPECT_TRUE(Texto(f, QStringLiteral("lblMejor_1")).contains(QStringLiteral("5000")));
    EXPECT_TRUE(Texto(f, QStringLiteral("lblMejor_3")).contains(QStringLiteral("6000")));
    EXPECT_FALSE(Texto(f, QStringLiteral("lblMejor_0")).contains(QStringLiteral("0")));
    EXPECT_FALSE(vista->accessibleName().isEmpty());
    QTest::mouseClick(vista, Qt::LeftButton);
    EXPECT_FALSE(f.findChild<QChartView *>(QStringLiteral("chtPartidas"))->isHidden());
}

// (Enough games alone, with few slips, is the case above: six games and ten slips.)
TEST_F(Tropiezos, BeforeEnoughSlipsOrGamesAFriendlyLineTakesTheirPlace)
{
    const auto pocos = [this] {
        Historial h(Ruta());
        frmProgreso f(&h, nullptr);
        f.cmdVista_Click();
        EXPECT_FALSE(f.findChild<Etiqueta *>(QStringLiteral("lblMejor_3"))->isHidden());
        return !f.findChild<Etiqueta *>(QStringLiteral("lblPocosDatos"))->isHidden()
            && f.findChild<QWidget *>(QStringLiteral("picDatosTropiezos"))->isHidden();
    };
    Sembrar(1, std::vector<std::pair<int, int>>(kFallosSuficientes - 1, {3, 4}));
    EXPECT_TRUE(pocos());
    Sembrar(1, {{3, 4}});  // the twentieth slip, in the second game
    EXPECT_FALSE(pocos());
}

TEST_F(Tropiezos, TheClicksExportHasOneRowPerClickInEnglish)
{
    Sembrar(2, {{0, 7}});
    Historial h(Ruta());
    frmProgreso f(&h, nullptr);
    const QString destino = dir.filePath(QStringLiteral("clicks.csv"));
    ASSERT_TRUE(f.Exportar(destino, Exportacion::Clics));
    QFile csv(destino);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> filas = csv.readAll().split('\n');
    ASSERT_EQ(filas.size(), 1 + 2 * 2 + 1 + 1);  // the header, two right clicks a game, one slip, the end
    const auto campo = [&](const char *columna) {
        return filas[3].trimmed().split(',').value(filas[0].trimmed().split(',').indexOf(columna));
    };
    EXPECT_EQ(std::make_tuple(campo("word"), campo("ink"), campo("correct"), campo("ms_since_previous")),
        std::make_tuple("RED", "ORANGE", "no", "900"));
}
