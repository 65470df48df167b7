// Keyboard play on the game screen, beside the mouse: Enter/Space start, arrows move a
// visible focus mark over the shown labels, Space/Enter judge the focused label.
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "MarcaFoco.h"
#include "Modales.h"
#include "NavegacionTeclado.h"
#include "Web.h"
#include "frmMain.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::array<bool, 32> Rejilla(const char *filas)
{
    // Eight rows of four, '#' shown, '.' hidden, rows separated by '|'.
    std::array<bool, 32> v{};
    int i = 0;
    for (const char *c = filas; *c; ++c)
        if (*c == '#' || *c == '.')
            v[i++] = *c == '#';
    return v;
}

struct Teclado : ::testing::Test {
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{77};
    Contexto ctx{estado, sonido, web, azar, QStringLiteral("/juego"), {}, {}};
    QPointer<frmMain> f;
    void SetUp() override
    {
        estado.DificultadActual = Normal;
        f = new frmMain(ctx);
        f->show();
        f->juego().PrepararNivel(0);
    }
    void TearDown() override { delete f.data(); }
    void Tecla(Qt::Key k) { QTest::keyClick(f, k); }
    MarcaFoco *Marca() { return f->findChild<MarcaFoco *>(); }
    Etiqueta *Palabra(int i) { return f->findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(i)); }
    std::vector<int> Aciertos() const { return AciertosVisibles(estado); }
    // Walks the focus to label `destino` with the arrow keys only: along the row once on it,
    // down the column otherwise.
    void IrA(int destino)
    {
        for (int paso = 0; f->FocoTeclado() != destino && paso < 64; ++paso)
            Tecla(f->FocoTeclado() / 4 == destino / 4 ? Qt::Key_Right : Qt::Key_Down);
    }
};

}  // namespace

TEST(MoverFoco, WrapsAlongRowsAndColumnsSkippingHiddenLabels)
{
    const auto v = Rejilla("#.#.|....|..#.|....|....|....|#...|...#");
    EXPECT_EQ(MoverFoco(v, -1, Direccion::Derecha), 0);  // first key: first shown label
    EXPECT_EQ(MoverFoco(v, 0, Direccion::Derecha), 2);
    EXPECT_EQ(MoverFoco(v, 2, Direccion::Derecha), 0);  // wraps within the row
    EXPECT_EQ(MoverFoco(v, 0, Direccion::Izquierda), 2);
    EXPECT_EQ(MoverFoco(v, 0, Direccion::Abajo), 24);  // column 0: rows 0 and 6
    EXPECT_EQ(MoverFoco(v, 24, Direccion::Abajo), 0);
    EXPECT_EQ(MoverFoco(v, 2, Direccion::Arriba), 10);    // column 2 upwards wraps to row 2
    EXPECT_EQ(MoverFoco(v, 31, Direccion::Derecha), 31);  // alone in its row: stays
    EXPECT_EQ(MoverFoco(Rejilla("....|....|....|....|....|....|....|...."), -1, Direccion::Abajo), -1);
    EXPECT_EQ(MoverFoco(v, 1, Direccion::Derecha), 0);  // a hidden focus starts over
}

TEST_F(Teclado, EnterStartsTheLevelAndNoMarkShowsUntilAnArrowIsUsed)
{
    Tecla(Qt::Key_Return);
    EXPECT_TRUE(f->tmrJuego.isActive());
    EXPECT_FALSE(f->findChild<QWidget *>(QStringLiteral("picMensaje"))->isVisible());
    EXPECT_FALSE(Marca()->isVisible());
    EXPECT_EQ(f->FocoTeclado(), -1);
    Tecla(Qt::Key_Right);
    ASSERT_GE(f->FocoTeclado(), 0);
    EXPECT_TRUE(Marca()->isVisible());
    const QRect r = Palabra(f->FocoTeclado())->geometry();
    EXPECT_TRUE(Marca()->geometry().contains(r));
    EXPECT_GE(Marca()->geometry().left(), r.left() - MarcaFoco::kGrosor);
}

TEST_F(Teclado, ArrowsBeforeStartDoNothingAndSpaceStarts)
{
    Tecla(Qt::Key_Down);
    EXPECT_EQ(f->FocoTeclado(), -1);
    Tecla(Qt::Key_Space);
    EXPECT_TRUE(f->tmrJuego.isActive());
}

TEST_F(Teclado, SpaceJudgesTheFocusedLabelExactlyLikeAClick)
{
    Tecla(Qt::Key_Return);
    const std::vector<int> aciertos = Aciertos();
    // Walk the focus to the first match through the arrow keys only.
    Tecla(Qt::Key_Right);
    IrA(aciertos[0]);
    ASSERT_EQ(f->FocoTeclado(), aciertos[0]);
    Tecla(Qt::Key_Space);
    EXPECT_TRUE(estado.Casillas[aciertos[0]].Encontrada);
    EXPECT_EQ(Palabra(aciertos[0])->Fondo(), QColor(Qt::black));
    EXPECT_EQ(f->juego().Encontrados(), 1);
    // A second press on the found label is ignored, as a second click is.
    Tecla(Qt::Key_Enter);
    EXPECT_EQ(f->juego().Encontrados(), 1);
}

TEST_F(Teclado, AFocusedWrongLabelFallsBackLikeAClick)
{
    Tecla(Qt::Key_Return);
    int fallo = -1;
    for (int i = 0; i < 32 && fallo < 0; ++i)
        if (estado.Casillas[i].Visible && !estado.Casillas[i].EsAcierto())
            fallo = i;
    Tecla(Qt::Key_Right);
    IrA(fallo);
    ASSERT_EQ(f->FocoTeclado(), fallo);
    auto reg = ResponderModales(1, PulsarOk);
    Tecla(Qt::Key_Space);
    EXPECT_EQ(reg->textos.value(0), QStringLiteral("Failed.\nBack to Level 1"));
    EXPECT_FALSE(Marca()->isVisible());  // the panel covers the grid again
}

TEST_F(Teclado, KeyboardOnlyPlayReachesTheWin)
{
    ContestadorAutomatico contestador;
    int records = 0;
    ctx.abrirRecords = [&] { ++records; };
    f->juego().PrepararNivel(47);
    for (int nivel = 47; nivel < 50; ++nivel) {
        Tecla(Qt::Key_Return);
        const std::vector<int> aciertos = Aciertos();
        Tecla(Qt::Key_Right);
        for (int a : aciertos) {
            IrA(a);
            ASSERT_EQ(f->FocoTeclado(), a);
            Tecla(Qt::Key_Space);
        }
    }
    EXPECT_EQ(records, 1);
    EXPECT_TRUE(estado.PartidaGanada);
}

TEST_F(Teclado, WithoutKeysTheLabelsLookAsBefore)
{
    Tecla(Qt::Key_Return);
    int acierto = 0;
    while (!estado.Casillas[acierto].Visible || !estado.Casillas[acierto].EsAcierto())
        ++acierto;
    QTest::mouseClick(Palabra(acierto), Qt::LeftButton);
    EXPECT_TRUE(estado.Casillas[acierto].Encontrada);
    EXPECT_FALSE(Marca()->isVisible());
    EXPECT_EQ(f->FocoTeclado(), -1);
}
