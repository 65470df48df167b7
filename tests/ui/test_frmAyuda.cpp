// The help screen: its texts to the letter, the example labels, OK and the web link, and
// how the title menu shows it (modal, built afresh each time).
#include "Apariencia.h"
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Web.h"
#include "frmAyuda.h"
#include "frmIntro.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The texts the player reads, index 0 to 7.
const char *const kTextos[] = {
    "HELP",
    "When you see this image, something strange happens. Your brain gets two contradictory "
    "informations from two valid sources. On the one hand, the label says 'Red'. On the other "
    "hand, the color of the label says 'Blue'. This way, your brain gets confused.",
    "Your goal: click on the labels wich TEXT matches its COLOR.",
    "For example:",
    "CORRECT",
    "INCORRECT",
    "Time is limited, so go quickly! :) . The faster you are, the higher your score! But be "
    "carefull, because if you click on an incorrect label you will go back 2 levels.",
    "Now it's your time. Are you a master of Velunda?",
};

// Waits for the help window to come up as the modal window, hands it to `mirar`, which
// must close it. `visto` counts the windows handled; the test checks it.
void AlAbrirseLaAyuda(
    std::shared_ptr<int> visto, std::function<void(frmAyuda *)> mirar, QElapsedTimer reloj = {})
{
    if (!reloj.isValid())
        reloj.start();
    QTimer::singleShot(10, [=] {
        auto *a = qobject_cast<frmAyuda *>(QApplication::activeModalWidget());
        if (a && a->isVisible()) {
            ++*visto;
            mirar(a);
        } else if (reloj.elapsed() < 5000) {
            AlAbrirseLaAyuda(visto, mirar, reloj);
        } else if (QWidget *otro = QApplication::activeModalWidget()) {
            otro->close();  // not the help window: fail rather than hang
        }
    });
}

struct Ayuda : ::testing::Test {
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{3};
    Contexto ctx{estado, sonido, web, azar, QStringLiteral(VELUNDA_SOURCE_DIR), {}, {}};

    template <class T = Etiqueta> static T *Control(QWidget *w, const QString &nombre)
    {
        T *c = w->findChild<T *>(nombre);
        EXPECT_NE(c, nullptr) << nombre.toStdString();
        return c;
    }
    static QStringList Textos(QWidget *a)
    {
        QStringList t;
        for (int i = 0; i < 8; ++i)
            t << Control(a, QStringLiteral("lblAyuda_%1").arg(i))->text();
        return t;
    }
    static QStringList Esperados()
    {
        QStringList t;
        for (const char *s : kTextos)
            t << QString::fromLatin1(s);
        return t;
    }
};

}  // namespace

TEST_F(Ayuda, ShowsEveryTextToTheLetterInItsPlace)
{
    frmAyuda a(ctx, nullptr);
    a.show();
    EXPECT_EQ(Textos(&a), Esperados());
    const QRect lugares[] = {{24, 8, 601, 25}, {24, 72, 601, 73}, {24, 152, 601, 49}, {24, 208, 81, 17},
        {136, 240, 161, 17}, {360, 240, 161, 17}, {24, 272, 601, 65}, {24, 344, 601, 33}};
    for (int i = 0; i < 8; ++i) {
        auto *l = Control(&a, QStringLiteral("lblAyuda_%1").arg(i));
        EXPECT_EQ(l->geometry(), lugares[i]) << i;
        EXPECT_EQ(l->Fondo(), QColor(192, 192, 255)) << i;
        EXPECT_EQ(l->ColorTexto(), QColor(Qt::black)) << i;
        // Wrapped within its width, every text fits its label's height.
        const QRect necesario = l->fontMetrics().boundingRect(
            QRect(0, 0, l->width(), 10000), Qt::TextWordWrap | l->alignment(), l->text());
        EXPECT_LE(necesario.height(), l->height()) << i;
        EXPECT_LE(necesario.width(), l->width()) << i;
    }
    EXPECT_TRUE(Control(&a, QStringLiteral("lblAyuda_0"))->font().bold());
    EXPECT_TRUE(Control(&a, QStringLiteral("lblAyuda_7"))->font().bold());
    EXPECT_FALSE(Control(&a, QStringLiteral("lblAyuda_1"))->font().bold());

    auto *enlace = Control(&a, QStringLiteral("Label1"));
    EXPECT_EQ(enlace->text(), QStringLiteral("If you like Velunda, get more FREE GAMES at ") + HostWeb());
    EXPECT_EQ(enlace->geometry(), QRect(24, 400, 353, 17));
    EXPECT_EQ(enlace->Fondo(), QColor(255, 192, 128));
    EXPECT_LE(enlace->fontMetrics().horizontalAdvance(enlace->text()), enlace->width());
}

TEST_F(Ayuda, EveryHotspotLiesOnTopWithThePinkCursor)
{
    frmAyuda a(ctx, nullptr);
    a.show();
    const auto zonas = a.findChildren<ZonaActiva *>();
    ASSERT_FALSE(zonas.isEmpty());
    for (ZonaActiva *z : zonas) {
        EXPECT_EQ(a.childAt(z->geometry().center()), z) << z->objectName().toStdString();
        EXPECT_TRUE(MismoCursor(z->cursor(), CursorMano())) << z->objectName().toStdString();
    }
}

TEST_F(Ayuda, WindowLooksLikeTheOthersWithOnlyACloseBox)
{
    frmAyuda a(ctx, nullptr);
    EXPECT_EQ(a.size(), QSize(650, 441));
    EXPECT_EQ(a.minimumSize(), a.maximumSize());
    EXPECT_EQ(a.windowTitle(), TituloVentana());
    EXPECT_FALSE(a.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(a.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(a.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(a.palette().color(QPalette::Window), QColor(Qt::white));
    auto *image2 = Control<QWidget>(&a, QStringLiteral("Image2"));
    EXPECT_EQ(image2->geometry(), QRect(16, 400, 369, 17));
    EXPECT_TRUE(MismoCursor(image2->cursor(), CursorMano()));
    EXPECT_TRUE(MismoCursor(a.cursor(), CursorFlecha()));
    auto *ok = Control<QPushButton>(&a, QStringLiteral("Command1"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->geometry(), QRect(552, 392, 73, 25));
    // OK is the first control the keyboard reaches.
    QWidget *primero = &a;
    do
        primero = primero->nextInFocusChain();
    while (primero != &a && !(primero->focusPolicy() & Qt::TabFocus));
    EXPECT_EQ(primero, ok);
}

TEST_F(Ayuda, ExampleLabelsShowTheEffectAndIgnoreClicks)
{
    frmAyuda a(ctx, nullptr);
    a.show();
    const struct {
        QRect lugar;
        const char *texto;
        QColor tinta;
    } ejemplos[] = {{{256, 40, 145, 25}, "RED", QColor(0, 0, 255)},
        {{144, 208, 145, 25}, "GREEN", QColor(0, 192, 0)}, {{368, 208, 145, 25}, "GREEN", QColor(255, 0, 0)}};
    for (int i = 0; i < 3; ++i) {
        auto *l = Control(&a, QStringLiteral("lblTextos_%1").arg(i));
        QTest::mouseClick(l, Qt::LeftButton);
        EXPECT_EQ(l->geometry(), ejemplos[i].lugar) << i;
        EXPECT_EQ(l->text(), QString::fromLatin1(ejemplos[i].texto)) << i;
        EXPECT_EQ(l->ColorTexto(), ejemplos[i].tinta) << i;
        EXPECT_EQ(l->Fondo(), QColor(Qt::white)) << i;
        EXPECT_TRUE(l->font().bold()) << i;
        EXPECT_EQ(l->grab().toImage().pixelColor(0, 0), QColor(Qt::black)) << i;  // its border
    }
    EXPECT_TRUE(a.isVisible());
    EXPECT_TRUE(web.pedidas.isEmpty());
    EXPECT_EQ(Textos(&a), Esperados());
}

TEST_F(Ayuda, MenuShowsItModalAndEachShowingStartsAfresh)
{
    frmIntro menu(ctx);
    menu.show();
    auto *hotspot = menu.findChild<QWidget *>(QStringLiteral("imgAyuda"));
    ASSERT_NE(hotspot, nullptr);

    auto visto = std::make_shared<int>(0);
    QPointer<frmAyuda> primera;
    AlAbrirseLaAyuda(visto, [&](frmAyuda *a) {
        primera = a;
        EXPECT_TRUE(a->isModal());
        EXPECT_EQ(a->parentWidget(), &menu);
        EXPECT_TRUE(menu.isVisible());  // the menu stays underneath
        EXPECT_EQ(Textos(a), Esperados());
        // Scribble on it: the next showing must not see this.
        Control(a, QStringLiteral("lblAyuda_3"))->setText(QStringLiteral("changed"));
        QTest::mouseClick(Control<QPushButton>(a, QStringLiteral("Command1")), Qt::LeftButton);
    });
    QTest::mouseClick(hotspot, Qt::LeftButton);  // returns once the help window has closed
    EXPECT_EQ(*visto, 1);
    EXPECT_TRUE(primera.isNull());  // unloaded on closing
    EXPECT_TRUE(menu.findChildren<frmAyuda *>().isEmpty());

    AlAbrirseLaAyuda(visto, [&](frmAyuda *a) {
        EXPECT_EQ(Textos(a), Esperados());
        a->close();  // the close box does what OK does
    });
    QTest::mouseClick(hotspot, Qt::LeftButton);
    EXPECT_EQ(*visto, 2);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_TRUE(web.pedidas.isEmpty());
}

TEST_F(Ayuda, WebLinkWorksWhileModalAndTheHelpStaysOpen)
{
    frmIntro menu(ctx);
    menu.show();
    auto visto = std::make_shared<int>(0);
    AlAbrirseLaAyuda(visto, [&](frmAyuda *a) {
        QTest::mouseClick(Control<QWidget>(a, QStringLiteral("Image2")), Qt::LeftButton);
        EXPECT_EQ(web.pedidas, QStringList{DireccionWeb()});
        EXPECT_TRUE(a->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), a);
        a->Command1_Click();
    });
    QTest::mouseClick(menu.findChild<QWidget *>(QStringLiteral("imgAyuda")), Qt::LeftButton);
    EXPECT_EQ(*visto, 1);
    EXPECT_EQ(web.pedidas.size(), 1);
}
