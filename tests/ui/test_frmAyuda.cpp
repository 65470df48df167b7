// The help screen: its texts readable in reading order, the example labels, OK and the web
// link, and how the title menu shows it (modal, built afresh each time).
#include "Apariencia.h"
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Paleta.h"
#include "Pixeles.h"
#include "Web.h"
#include "frmAyuda.h"
#include "frmIntro.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// WCAG's contrast ratio of two colours, 1 to 21: at least 4.5 for body text.
double Contraste(const QColor &a, const QColor &b)
{
    auto luz = [](const QColor &c) {
        auto lineal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineal(c.redF()) + 0.7152 * lineal(c.greenF()) + 0.0722 * lineal(c.blueF());
    };
    const double x = luz(a), y = luz(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The word of the game's colour nearest to `tinta`: what a player would call that ink.
QString NombreDeLaTinta(const QColor &tinta)
{
    auto distancia = [&](const ColorDeTabla &c) {
        return std::hypot(c.r - tinta.red(), c.g - tinta.green(), c.b - tinta.blue());
    };
    return QLatin1String(std::min_element(kPaleta.begin(), kPaleta.end(), [&](const auto &x, const auto &y) {
        return distancia(x) < distancia(y);
    })->nombre);
}

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
    // What a help window shows when it is just built.
    QStringList Esperados()
    {
        frmAyuda nueva(ctx, nullptr);
        return Textos(&nueva);
    }
};

}  // namespace

TEST_F(Ayuda, EveryTextIsReadableInItsOwnPlaceInReadingOrder)
{
    frmAyuda a(ctx, nullptr);
    a.show();
    const QStringList textos = Textos(&a);
    EXPECT_EQ(QSet<QString>(textos.begin(), textos.end()).size(), 8);  // eight texts, none empty
    EXPECT_FALSE(textos.contains(QString()));
    for (int i = 0; i < 8; ++i) {
        auto *l = Control(&a, QStringLiteral("lblAyuda_%1").arg(i));
        EXPECT_TRUE(a.rect().contains(l->geometry())) << i;
        EXPECT_EQ(l->Fondo(), Control(&a, QStringLiteral("lblAyuda_0"))->Fondo()) << i;
        EXPECT_GE(Contraste(l->ColorTexto(), l->Fondo()), 4.5) << i;
        // Wrapped within its width, every text fits its label's height.
        const QRect necesario = l->fontMetrics().boundingRect(
            QRect(0, 0, l->width(), 10000), Qt::TextWordWrap | l->alignment(), l->text());
        EXPECT_LE(necesario.height(), l->height()) << i;
        EXPECT_LE(necesario.width(), l->width()) << i;
        // Each text comes under the one before, or beside it on the same line.
        if (i > 0) {
            const QRect antes = Control(&a, QStringLiteral("lblAyuda_%1").arg(i - 1))->geometry();
            EXPECT_TRUE(l->y() > antes.bottom() || (l->y() == antes.y() && l->x() > antes.right())) << i;
        }
    }
    EXPECT_TRUE(Control(&a, QStringLiteral("lblAyuda_0"))->font().bold());
    EXPECT_TRUE(Control(&a, QStringLiteral("lblAyuda_7"))->font().bold());
    EXPECT_FALSE(Control(&a, QStringLiteral("lblAyuda_1"))->font().bold());
    // No text, example or button covers another.
    QList<QWidget *> piezas;
    for (QWidget *w : a.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<ZonaActiva *>(w) && w->isVisible())
            piezas << w;
    for (int i = 0; i < piezas.size(); ++i)
        for (int j = i + 1; j < piezas.size(); ++j)
            EXPECT_FALSE(piezas[i]->geometry().intersects(piezas[j]->geometry()))
                << piezas[i]->objectName().toStdString() << " " << piezas[j]->objectName().toStdString();

    auto *enlace = Control(&a, QStringLiteral("Label1"));
    EXPECT_EQ(enlace->text(), QStringLiteral("If you like Velunda, get more FREE GAMES at ") + HostWeb());
    EXPECT_EQ(a.childAt(enlace->geometry().center()), Control<QWidget>(&a, QStringLiteral("Image2")));
    EXPECT_GE(Contraste(enlace->ColorTexto(), enlace->Fondo()), 4.5);
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
    // The hotspot takes the clicks on the whole link line.
    EXPECT_TRUE(image2->geometry().contains(Control(&a, QStringLiteral("Label1"))->geometry()));
    EXPECT_TRUE(MismoCursor(image2->cursor(), CursorMano()));
    EXPECT_TRUE(MismoCursor(a.cursor(), CursorFlecha()));
    auto *ok = Control<QPushButton>(&a, QStringLiteral("Command1"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(a.rect().contains(ok->geometry()) && !ok->geometry().intersects(image2->geometry()));
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
    const QStringList antes = Textos(&a);
    // The first example, between the title and the text about it, is a colour word in
    // another colour; the next two sit over their captions: a word in its own colour over
    // "CORRECT", one in another over "INCORRECT".
    const struct {
        QWidget *encima, *debajo;
        bool enSuColor;
    } ejemplos[]
        = {{Control(&a, QStringLiteral("lblAyuda_0")), Control(&a, QStringLiteral("lblAyuda_1")), false},
            {nullptr, Control(&a, QStringLiteral("lblAyuda_4")), true},
            {nullptr, Control(&a, QStringLiteral("lblAyuda_5")), false}};
    for (int i = 0; i < 3; ++i) {
        auto *l = Control(&a, QStringLiteral("lblTextos_%1").arg(i));
        QTest::mouseClick(l, Qt::LeftButton);
        const bool esPalabra = std::any_of(kPaleta.begin(), kPaleta.end(),
            [&](const auto &c) { return l->text() == QLatin1String(c.nombre); });
        EXPECT_TRUE(esPalabra) << l->text().toStdString();
        EXPECT_EQ(NombreDeLaTinta(l->ColorTexto()) == l->text(), ejemplos[i].enSuColor) << i;
        EXPECT_NE(l->ColorTexto(), l->Fondo()) << i;
        const QRect debajo = ejemplos[i].debajo->geometry();
        EXPECT_LT(l->geometry().bottom(), debajo.top()) << i;
        const QWidget *encima = ejemplos[i].encima;
        EXPECT_TRUE(encima ? l->y() > encima->geometry().bottom()
                           : l->x() >= debajo.left() && l->geometry().right() <= debajo.right())
            << i;
        EXPECT_EQ(l->Fondo(), QColor(Qt::white)) << i;
        EXPECT_TRUE(l->font().bold()) << i;
        EXPECT_EQ(Pixeles(l)(0, 0), QColor(Qt::black)) << i;  // its border
    }
    EXPECT_TRUE(a.isVisible());
    EXPECT_TRUE(web.pedidas.isEmpty());
    EXPECT_EQ(Textos(&a), antes);
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
