// Whole games through the real windows, one after another: the title menu, a random
// difficulty, levels played with the mouse and some wrong clicks and time-outs, the win, the
// name, the high-score screen and back to the menu. Bounded by a count of games.
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Modales.h"
#include "TablaHOF.h"
#include "Web.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(ResistenciaVentanas, FiveWholeGamesThroughTheMenuEndInTheHighScoreFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{31337};
    Contexto ctx{estado, sonido, web, azar, dir.path(), {}, {}};
    frmIntro menu(ctx);
    ctx.abrirRecords = [&] { AbrirRecords(ctx, &menu); };
    menu.show();

    ContestadorAutomatico contestador(QStringLiteral("Soak"));
    // The high-score screen closes with its OK as soon as it shows.
    QTimer cierraRecords;
    cierraRecords.setInterval(5);
    QObject::connect(&cierraRecords, &QTimer::timeout, [] {
        if (auto *d = qobject_cast<frmHOF *>(QApplication::activeModalWidget()); d && d->isVisible())
            d->Command1_Click();
    });
    cierraRecords.start();

    std::mt19937 dado(4);
    for (int partida = 0; partida < 5; ++partida) {
        QTest::mouseClick(menu.findChild<QWidget *>(QStringLiteral("imgJugar")), Qt::LeftButton);
        const int dificultad = static_cast<int>(dado() % 4);
        QTest::mouseClick(menu.findChild<QPushButton *>(QStringLiteral("cmdDificultad_%1").arg(dificultad)),
            Qt::LeftButton);
        QPointer<frmMain> juego = menu.JuegoAbierto();
        ASSERT_TRUE(juego);
        for (int intentos = 0; juego && juego->isVisible(); ++intentos) {
            ASSERT_LT(intentos, 2000) << "game " << partida << " never ended";
            QTest::mouseClick(juego->findChild<QPushButton *>(QStringLiteral("cmdEmpezar")), Qt::LeftButton);
            const unsigned suerte = dado() % 100;
            std::vector<int> aciertos, fallos;
            for (int i = 0; i < kNumCasillas; ++i)
                if (estado.Casillas[i].Visible)
                    (estado.Casillas[i].EsAcierto() ? aciertos : fallos).push_back(i);
            if (suerte < 3) {  // run the clock out
                while (juego->tmrJuego.isActive())
                    juego->tmrJuego_Timer();
                continue;
            }
            for (int i : aciertos) {
                if (suerte < 8 && i == aciertos.back()) {  // a wrong click just before the end
                    QTest::mouseClick(
                        juego->findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(fallos[0])),
                        Qt::LeftButton);
                    break;
                }
                juego->tmrJuego_Timer();
                QTest::mouseClick(
                    juego->findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(i)), Qt::LeftButton);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(juego.isNull());
        EXPECT_TRUE(menu.isVisible());
        EXPECT_FALSE(menu.findChild<QWidget *>(QStringLiteral("picDificultad"))->isVisible());
        EXPECT_EQ(estado.PuntosTotales, 0);
        EXPECT_FALSE(estado.PartidaGanada);
    }

    // Every won game reached the table: five "Soak" rows in the file (all of them beat the
    // empty places a missing file starts from), sorted best first.
    TablaHOF tabla;
    tabla.Cargar(dir.path() + QStringLiteral("/Data/HOF.rec"));
    int nuestras = 0;
    for (int p = 0; p < TablaHOF::kPuestos; ++p) {
        nuestras += tabla.Registros[p].Nombre == QStringLiteral("Soak");
        EXPECT_GE(tabla.Registros[p > 0 ? p - 1 : 0].Puntos, tabla.Registros[p].Puntos);
    }
    EXPECT_EQ(nuestras, 5);
    EXPECT_EQ(contestador.titulos().count(QStringLiteral("Congrats! You got a High Score!")), 5);
}
