// Whole games on the real game screen: clicks on the labels, START, the boxes answered.
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Modales.h"
#include "Web.h"
#include "frmMain.h"

#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Partida : ::testing::Test {
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{2024};
    Contexto ctx{estado, sonido, web, azar, QStringLiteral("/juego"), {}, {}};
    QPointer<frmMain> f;
    int menus = 0, records = 0;
    int32_t totalAlAbrirRecords = -1;

    void Empezar(float dificultad)
    {
        ctx.mostrarMenu = [this] { ++menus; };
        ctx.abrirRecords = [this] {
            ++records;
            totalAlAbrirRecords = estado.PuntosTotales;
        };
        estado.DificultadActual = dificultad;
        f = new frmMain(ctx);
        f->show();
        f->juego().PrepararNivel(0);
    }
    void TearDown() override { delete f.data(); }

    Etiqueta *Palabra(int i) { return f->findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(i)); }
    void PulsarStart()
    {
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("cmdEmpezar")), Qt::LeftButton);
    }
    // The word labels on screen whose word names their print colour, read off the widgets.
    std::vector<int> AciertosEnPantalla()
    {
        std::vector<int> v;
        for (int i = 0; i < 32; ++i) {
            Etiqueta *l = Palabra(i);
            if (l->isHidden() || l->Fondo() == QColor(Qt::black))
                continue;
            for (int c = 0; c < kNumColores; ++c)
                if (l->text().toStdString() == estado.NombreColor[c]
                    && l->ColorTexto()
                        == QColor(estado.ColorRGB[c] & 0xFF, (estado.ColorRGB[c] >> 8) & 0xFF,
                            (estado.ColorRGB[c] >> 16) & 0xFF))
                    v.push_back(i);
        }
        return v;
    }
};

}  // namespace

TEST_F(Partida, PlayingOnlyMatchesFromLevelOneReachesTheWinWithTheReportedTotal)
{
    ContestadorAutomatico contestador;
    Empezar(Normal);
    int niveles = 0;
    while (f && !f->isHidden() && niveles < 60) {
        ASSERT_EQ(estado.NivelActual, niveles);
        PulsarStart();
        const auto aciertos = AciertosEnPantalla();
        ASSERT_EQ(static_cast<int>(aciertos.size()), estado.NivelEnJuego.Aciertos);
        f->tmrJuego_Timer();  // at least one tick of the clock on every level
        for (int i : aciertos)
            QTest::mouseClick(Palabra(i), Qt::LeftButton);
        ++niveles;
    }
    EXPECT_EQ(niveles, 50);
    EXPECT_EQ(records, 1);
    EXPECT_TRUE(estado.PartidaGanada);
    // The total equals the sum of the fifty reported level points.
    int32_t suma = 0, informes = 0;
    const QRegularExpression puntos(QStringLiteral("^Level Finished !\nYou got (\\d+) points\\.\n"));
    for (const QString &t : contestador.textos()) {
        const auto m = puntos.match(t);
        if (m.hasMatch()) {
            suma += m.captured(1).toInt();
            ++informes;
        }
    }
    EXPECT_EQ(informes, 50);
    EXPECT_EQ(totalAlAbrirRecords, suma);
    EXPECT_EQ(
        contestador.textos().last(), QStringLiteral("CONGRATS! YOU WIN!\nYOU GOT %1 POINTS!").arg(suma));
    for (const QString &t : contestador.titulos())
        EXPECT_EQ(t, QStringLiteral("Velunda"));
    EXPECT_EQ(sonido.pedidos.back(), Senal::Victoria);
}

TEST_F(Partida, AWrongClickAndATimeOutFallBackTwoLevels)
{
    ContestadorAutomatico contestador;
    Empezar(Dificil);
    f->juego().PrepararNivel(4);
    PulsarStart();
    int fallo = -1;
    for (int i = 0; i < 32 && fallo < 0; ++i)
        if (estado.Casillas[i].Visible && !estado.Casillas[i].EsAcierto())
            fallo = i;
    QTest::mouseClick(Palabra(fallo), Qt::LeftButton);
    ASSERT_EQ(contestador.textos().size(), 1);
    EXPECT_EQ(contestador.textos()[0], QStringLiteral("Failed.\nYou go back 2 levels till level 3"));
    EXPECT_EQ(estado.NivelActual, 2);
    EXPECT_FALSE(f->tmrJuego.isActive());

    PulsarStart();
    const float segundos = estado.TiempoNivel;
    int ticks = 0;
    while (f->tmrJuego.isActive() && ticks < 10000) {
        f->tmrJuego_Timer();
        ++ticks;
    }
    EXPECT_NEAR(ticks, segundos * 50, 1);  // counted in ticks, whatever the real time
    ASSERT_EQ(contestador.textos().size(), 2);
    EXPECT_EQ(contestador.textos()[1], QStringLiteral("Time over.\nYou go back 2 levels till level 1"));
    EXPECT_EQ(estado.NivelActual, 0);
    EXPECT_EQ(f->findChild<Etiqueta *>(QStringLiteral("lblSegundos"))->text(), QStringLiteral("7.00"));
}
