// The check-up window driven for real: a whole check-up by keyboard alone and by mouse alone,
// each trial's clock starting once its word is painted, pause and leaving, and the two ways in.
#include "Ajustes.h"
#include "Contexto.h"
#include "Controles.h"
#include "Estilo.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Historial.h"
#include "Modales.h"
#include "ModuloProgreso.h"
#include "frmChequeo.h"
#include "frmIntro.h"
#include "frmProgreso.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr qint64 kMs = 1'000'000;

struct Chequeo : ::testing::Test {
    QTemporaryDir dir;
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{11};
    Contexto ctx{estado, sonido, web, azar, dir.path(), {}, {}};
    Historial historial{dir.filePath(QStringLiteral("history.sqlite"))};
    Ajustes ajustes{dir.filePath(QStringLiteral("ajustes.ini"))};
    qint64 ahora = 5000 * kMs;  // the window's clock, moved by the test alone

    Chequeo()
    {
        ctx.historial = &historial;
        ctx.ajustes = &ajustes;
    }
    std::unique_ptr<frmChequeo> Abrir()
    {
        auto f = std::make_unique<frmChequeo>(ctx, nullptr, 1, [this] { return ahora; });
        f->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        return f;
    }
    static Etiqueta *Control(frmChequeo &f, const QString &nombre) { return f.findChild<Etiqueta *>(nombre); }
    static bool PalabraEnPantalla(frmChequeo &f)
    {
        return QTest::qWaitFor([&f] { return f.Sesion().Estado() == SesionChequeo::Fase::Palabra; }, 3000);
    }
    static int BotonDe(int tinta)
    {
        for (int b = 0; b < 4; ++b)
            if (frmChequeo::TintaBoton(b) == tinta)
                return b;
        return -1;
    }
    // Every trial answered right `ms` after its word, by key or by a click on its button.
    void Contestar(frmChequeo &f, bool teclado, int ms)
    {
        while (!f.Terminado()) {
            ASSERT_TRUE(PalabraEnPantalla(f)) << "trial " << f.Sesion().Numero();
            const int boton = BotonDe(f.Sesion().Actual().tinta);
            Etiqueta *tinta = Control(f, QStringLiteral("lblTinta_%1").arg(boton));
            // The word wears the ink of the button that answers it.
            EXPECT_EQ(Control(f, QStringLiteral("lblPalabra"))->ColorTexto(), tinta->Fondo());
            ahora += ms * kMs;
            if (teclado)
                QTest::keyClick(&f, static_cast<Qt::Key>(Qt::Key_1 + boton));
            else
                QTest::mouseClick(tinta, Qt::LeftButton);
        }
    }
};
}  // namespace

TEST_F(Chequeo, ACheckUpRunsToItsResultByKeyboardAloneAndIsKept)
{
    auto f = Abrir();
    QTest::keyClick(f.get(), Qt::Key_Return);
    Contestar(*f, true, 450);
    for (const tEnsayo &e : f->Sesion().Ensayos()) {
        EXPECT_TRUE(e.Acertado());
        EXPECT_EQ(e.ms, 450);
    }
    EXPECT_DOUBLE_EQ(*f->Resultado().interferencia, 0);
    auto *ok = f->findChild<QPushButton *>(QStringLiteral("cmdAceptar"));
    ASSERT_TRUE(ok && ok->isVisible());
    EXPECT_TRUE(Control(*f, QStringLiteral("lblSignificado"))->text().contains(QStringLiteral("not a medical")));
    const auto guardados = historial.Chequeos();
    ASSERT_EQ(guardados.size(), 1u);
    EXPECT_DOUBLE_EQ(*guardados[0].interferencia, 0);
    QTest::keyClick(f.get(), Qt::Key_Return);
    EXPECT_EQ(f->result(), QDialog::Accepted);
}

TEST_F(Chequeo, ACheckUpRunsByMouseAloneInTheSafeInksWhenChosen)
{
    ajustes.Poner(Ajustes::Clave::TintasSeguras, true);
    auto f = Abrir();
    bool otraTinta = false;
    for (int b = 0; b < 4; ++b)
        otraTinta |= Control(*f, QStringLiteral("lblTinta_%1").arg(b))->Fondo() != ColorPaleta(frmChequeo::TintaBoton(b));
    EXPECT_TRUE(otraTinta) << "the buttons still wear the standard inks";
    QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("cmdEmpezar")), Qt::LeftButton);
    Contestar(*f, false, 620);
    EXPECT_EQ(f->Resultado().conservados, f->Sesion().Total() - kEnsayosPractica);
    EXPECT_DOUBLE_EQ(*f->Resultado().De(Condicion::Neutra).mediana, 620);
    QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(historial.Chequeos().size(), 1u);
}

TEST_F(Chequeo, TheClockStartsOnceTheWordIsPaintedNotWhenItIsAskedFor)
{
    auto f = Abrir();
    // Painting the word takes a quarter of a second here: a clock started before it would
    // count that quarter in the answer.
    struct PintarTarda : QObject {
        frmChequeo *f;
        qint64 *ahora;
        bool eventFilter(QObject *, QEvent *ev) override
        {
            if (ev->type() == QEvent::Paint && f->Sesion().Estado() == SesionChequeo::Fase::Pintando)
                *ahora += 250 * kMs;
            return false;
        }
    } tarda;
    tarda.f = f.get();
    tarda.ahora = &ahora;
    Control(*f, QStringLiteral("lblPalabra"))->installEventFilter(&tarda);
    qint64 mostrada = -1;
    QObject::connect(f.get(), &frmChequeo::PalabraMostrada, [&mostrada](qint64 ns) { mostrada = ns; });
    const qint64 antes = ahora;
    QTest::keyClick(f.get(), Qt::Key_Return);
    ASSERT_TRUE(PalabraEnPantalla(*f));
    EXPECT_EQ(mostrada, antes + 250 * kMs);
    ahora += 500 * kMs;
    QTest::keyClick(f.get(), static_cast<Qt::Key>(Qt::Key_1 + BotonDe(f->Sesion().Actual().tinta)));
    EXPECT_EQ(f->Sesion().Ensayos()[0].ms, 500);
}

TEST_F(Chequeo, PauseHidesTheWordAndBringsTheTrialBackAndLeavingKeepsNothing)
{
    auto f = Abrir();
    QTest::keyClick(f.get(), Qt::Key_Return);
    ASSERT_TRUE(PalabraEnPantalla(*f));
    const int numero = f->Sesion().Numero();
    QTest::keyClick(f.get(), Qt::Key_Escape);
    ASSERT_TRUE(f->EnPausa());
    EXPECT_TRUE(Control(*f, QStringLiteral("lblPalabra"))->text().isEmpty());
    QTest::keyClick(f.get(), Qt::Key_1);  // not an answer while paused
    QTest::keyClick(f.get(), Qt::Key_Return);
    EXPECT_FALSE(f->EnPausa());
    ASSERT_TRUE(PalabraEnPantalla(*f));
    EXPECT_EQ(f->Sesion().Numero(), numero);
    EXPECT_FALSE(f->Sesion().Ensayos()[numero].Contestado());

    QTest::keyClick(f.get(), Qt::Key_P);
    QTest::keyClick(f.get(), Qt::Key_Right);  // to LEAVE IT
    QTest::keyClick(f.get(), Qt::Key_Return);
    EXPECT_EQ(f->result(), QDialog::Rejected);
    EXPECT_TRUE(historial.Chequeos().empty());
}

TEST_F(Chequeo, OpensFromTheMenuKeyAndFromTheProgressWindowThroughTheModule)
{
    ctx.abrirChequeo = [this](QWidget *padre) {
        AbrirChequeoDesdeModulo(ctx, padre, QCoreApplication::applicationDirPath());
    };
    int abiertos = 0;
    auto cerrar = [&abiertos](QWidget *w) {
        if (w->objectName() == QStringLiteral("frmChequeo"))
            ++abiertos;
        QTest::keyClick(w, Qt::Key_Escape);  // before the first word, Escape closes it
    };
    frmIntro menu(ctx);
    menu.show();
    AlAbrirse desdeMenu(cerrar);
    QTest::keyClick(&menu, Qt::Key_C);
    EXPECT_EQ(abiertos, 1);

    frmProgreso progreso(&historial, nullptr, &ctx);
    AlAbrirse desdeProgreso(cerrar);
    QTest::mouseClick(progreso.findChild<QPushButton *>(QStringLiteral("cmdChequeo")), Qt::LeftButton);
    EXPECT_EQ(abiertos, 2);
}
