// The quit question: how it asks, what each answer does, and that ending the program runs
// no close handling at all.
#include "Contexto.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Modales.h"
#include "Mensajes.h"
#include "Web.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

struct Salida : ::testing::Test {
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{5};
    Contexto ctx{estado, sonido, web, azar, QStringLiteral("/juego"), {}, {}};
    int terminar = 0;
    void SetUp() override
    {
        ctx.terminar = [this] { ++terminar; };
    }
};

}  // namespace

TEST_F(Salida, AsksAreYouSureWithYesAsTheDefaultAndNoIcon)
{
    QWidget padre;
    padre.show();
    bool mirado = false;
    auto reg = ResponderModales(1, [&](QWidget *w) {
        auto *mb = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(mb, nullptr);
        mirado = true;
        EXPECT_EQ(mb->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(mb->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(static_cast<QAbstractButton *>(mb->defaultButton()), mb->button(QMessageBox::Yes));
        EXPECT_EQ(mb->parentWidget(), &padre);
        PulsarBoton(w, QMessageBox::No);
    });
    ConfirmarSalida(ctx, &padre);
    EXPECT_TRUE(mirado);
    EXPECT_EQ(reg->textos, QStringList{QStringLiteral("Are you sure?")});
    EXPECT_EQ(reg->titulos, QStringList{QStringLiteral("Quit!")});
    EXPECT_EQ(terminar, 0);
}

TEST_F(Salida, YesEndsTheProgramOnceNoAndEscapeDoNot)
{
    auto no = ResponderModales(1, [](QWidget *w) { PulsarBoton(w, QMessageBox::No); });
    ConfirmarSalida(ctx, nullptr);
    EXPECT_EQ(no->pendientes, 0);
    EXPECT_EQ(terminar, 0);

    auto escape = ResponderModales(1, Cancelar);
    ConfirmarSalida(ctx, nullptr);
    EXPECT_EQ(escape->pendientes, 0);
    EXPECT_EQ(terminar, 0);

    auto si = ResponderModales(1, [](QWidget *w) { PulsarBoton(w, QMessageBox::Yes); });
    ConfirmarSalida(ctx, nullptr);
    EXPECT_EQ(si->pendientes, 0);
    EXPECT_EQ(terminar, 1);
}

TEST_F(Salida, EndingTheProgramRunsNoExitHandlersAndReportsSuccess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // Qt runs threads of its own
    EXPECT_EXIT(
        {
            std::atexit([] { std::fputs("exit handler ran", stderr); });
            TerminarPrograma();
        },
        ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("exit handler ran")));
}

TEST_F(Salida, YesWithoutAnInjectedEndStillEndsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ctx.terminar = nullptr;
    EXPECT_EXIT(
        {
            auto si = ResponderModales(1, [](QWidget *w) { PulsarBoton(w, QMessageBox::Yes); });
            ConfirmarSalida(ctx, nullptr);
            std::fputs("still running", stderr);
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("still running")));
}
