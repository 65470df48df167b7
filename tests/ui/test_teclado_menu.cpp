// Keys on the title menu, the difficulty panel, help and high scores: every choice can be
// reached and chosen without the mouse, and the mouse player sees nothing new.
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "MarcaFoco.h"
#include "Modales.h"
#include "Pixeles.h"
#include "Web.h"
#include "frmAyuda.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct TecladoMenu : ::testing::Test {
    QTemporaryDir dir;
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{5};
    Contexto ctx{estado, sonido, web, azar, QString(), {}, {}};
    std::unique_ptr<frmIntro> menu;
    int records = 0;
    void SetUp() override
    {
        QDir(dir.path()).mkpath(QStringLiteral("Data"));
        ctx.dirApp = dir.path();
        menu = std::make_unique<frmIntro>(ctx);
        ctx.abrirRecords = [this] { ++records; };
        menu->show();
        QApplication::setActiveWindow(menu.get());
    }
    void Tecla(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : menu.get(), k);
    }
    QString Foco()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

}  // namespace

TEST_F(TecladoMenu, TabWalksEveryChoiceAndNothingIsRingedBeforeAKey)
{
    // The window keeps the focus to itself: no choice is ringed for a mouse player.
    EXPECT_EQ(qobject_cast<ZonaActiva *>(QApplication::focusWidget()), nullptr);
    QStringList vistos;
    for (int k = 0; k < 6; ++k) {
        Tecla(Qt::Key_Tab);
        vistos << Foco();
    }
    EXPECT_EQ(vistos, (QStringList{"imgJugar", "imgHOF", "imgAyuda", "imgSalir1", "imgSalir2", "imgWeb"}));
}

TEST_F(TecladoMenu, ArrowsMoveLikeTabAndEnterOpensTheHighScores)
{
    Tecla(Qt::Key_Down);
    Tecla(Qt::Key_Right);
    EXPECT_EQ(Foco(), QStringLiteral("imgHOF"));
    Tecla(Qt::Key_Up);
    EXPECT_EQ(Foco(), QStringLiteral("imgJugar"));
    Tecla(Qt::Key_Right);
    Tecla(Qt::Key_Return);
    EXPECT_EQ(records, 1);
}

TEST_F(TecladoMenu, PlayByKeyFocusesTheFirstDifficultyAndEnterStartsThatGame)
{
    Tecla(Qt::Key_Tab);
    Tecla(Qt::Key_Space);
    ASSERT_TRUE(menu->findChild<QWidget *>(QStringLiteral("picDificultad"))->isVisible());
    EXPECT_EQ(Foco(), QStringLiteral("cmdDificultad_0"));
    Tecla(Qt::Key_Down);
    Tecla(Qt::Key_Down);
    Tecla(Qt::Key_Down);
    EXPECT_EQ(Foco(), QStringLiteral("cmdDificultad_3"));
    Tecla(Qt::Key_Return);
    EXPECT_EQ(estado.DificultadActual, 3.f);
    ASSERT_NE(menu->JuegoAbierto(), nullptr);
    EXPECT_EQ(estado.TiempoNivel, 7.f);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(TecladoMenu, EscapeTakesTheDifficultyPanelAwayBackToPlay)
{
    auto *panel = menu->findChild<QWidget *>(QStringLiteral("picDificultad"));
    Tecla(Qt::Key_Tab);
    Tecla(Qt::Key_Return);
    ASSERT_EQ(Foco(), QStringLiteral("cmdDificultad_0"));
    Tecla(Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(Foco(), QStringLiteral("imgJugar"));
    Tecla(Qt::Key_Return);
    EXPECT_TRUE(panel->isVisible());
    menu->imgJugar_Click();  // the mouse's panel goes the same way, and no game starts
    QTest::keyClick(menu.get(), Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(menu->JuegoAbierto(), nullptr);
}

TEST_F(TecladoMenu, TheFocusedChoiceWearsTheBoardsRing)
{
    Tecla(Qt::Key_Tab);
    auto *jugar = qobject_cast<QWidget *>(QApplication::focusWidget());
    ASSERT_EQ(Foco(), QStringLiteral("imgJugar"));
    const Pixeles anillo(jugar);
    const int medio = jugar->height() / 2;
    // Black outside, white inside, as thick as the ring over the word labels.
    EXPECT_EQ(anillo(0, medio), QColor(Qt::black));
    EXPECT_EQ(anillo(MarcaFoco::kGrosor - 1, medio), QColor(Qt::white));
}

TEST_F(TecladoMenu, PlayByMouseGivesNoKeyboardFocus)
{
    QTest::mouseClick(menu->findChild<QWidget *>(QStringLiteral("imgJugar")), Qt::LeftButton);
    EXPECT_TRUE(menu->findChild<QWidget *>(QStringLiteral("picDificultad"))->isVisible());
    EXPECT_NE(Foco(), QStringLiteral("imgJugar"));
    EXPECT_NE(Foco(), QStringLiteral("cmdDificultad_0"));
}

TEST_F(TecladoMenu, WebChoiceByKeyAsksForThePageOnce)
{
    for (int k = 0; k < 6; ++k)
        Tecla(Qt::Key_Tab);
    ASSERT_EQ(Foco(), QStringLiteral("imgWeb"));
    Tecla(Qt::Key_Enter);
    EXPECT_EQ(web.pedidas.size(), 1);
}

namespace {
// Sends `tecla` to the next modal dialog of type T once it shows; counts the dialogs seen.
template <class T> std::shared_ptr<int> PulsarEnDialogo(Qt::Key tecla)
{
    auto vistos = std::make_shared<int>(0);
    auto *sondeo = new QTimer;
    sondeo->setInterval(10);
    auto intentos = std::make_shared<int>(0);
    QObject::connect(sondeo, &QTimer::timeout, [=] {
        if (auto *d = qobject_cast<T *>(QApplication::activeModalWidget()); d && d->isVisible()) {
            ++*vistos;
            QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, tecla);
            sondeo->deleteLater();
        } else if (++*intentos > 300) {
            sondeo->deleteLater();  // none came: the test sees 0
        }
    });
    sondeo->start();
    return vistos;
}
}  // namespace

TEST_F(TecladoMenu, HelpClosesWithEnterAndWithEscape)
{
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Escape}) {
        auto vistos = PulsarEnDialogo<frmAyuda>(k);
        menu->imgAyuda_Click();  // returns once the dialog has closed
        EXPECT_EQ(*vistos, 1) << k;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(TecladoMenu, HighScoresCloseWithEnterAndWithEscape)
{
    ctx.abrirRecords = [this] { AbrirRecords(ctx, menu.get()); };
    int menus = 0;
    auto anterior = ctx.traerMenu;
    ctx.traerMenu = [&] {
        ++menus;
        anterior();
    };
    estado.PuntosTotales = 321;
    auto vistos = PulsarEnDialogo<frmHOF>(Qt::Key_Return);
    menu->imgHOF_Click();
    EXPECT_EQ(*vistos, 1);
    EXPECT_EQ(estado.PuntosTotales, 0);  // Enter is OK
    EXPECT_EQ(menus, 1);
    vistos = PulsarEnDialogo<frmHOF>(Qt::Key_Escape);
    menu->imgHOF_Click();
    EXPECT_EQ(*vistos, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
