// The high-score screen under the offscreen platform: its grid, the band on the new row,
// who gets asked for a name and what reaches the file, and a won game carried from the
// game screen all the way into the file.
#include "Apariencia.h"
#include "ArchivoINI.h"
#include "ComoOtroUsuario.h"
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Modales.h"
#include "Pixeles.h"
#include "TablaHOF.h"
#include "TextosJuego.h"
#include "Web.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QInputDialog>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>

namespace {

struct Fila {
    const char *nombre;
    int32_t puntos;
    int dificultad;
};

// The demo table's scores, best first, tenth 500.
const std::vector<Fila> kDiez = {
    {"Ana", 9000, 0},
    {"Bea", 8000, 1},
    {"Cris", 7000, 2},
    {"Dani", 6000, 3},
    {"Eva", 5000, 0},
    {"Fede", 4000, 1},
    {"Gala", 3000, 2},
    {"Hugo", 2000, 3},
    {"Ines", 1000, 0},
    {"Juan", 500, 1},
};

struct Records : ::testing::Test {
    QTemporaryDir dir;
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{7};
    Contexto ctx{estado, sonido, web, azar, dir.path(), {}, {}};
    int menus = 0;    // menu shown with the difficulty panel hidden
    int traidos = 0;  // menu brought forward as it was

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
        ctx.mostrarMenu = [this] { ++menus; };
        ctx.traerMenu = [this] { ++traidos; };
        estado.DificultadActual = Normal;
    }
    QString Ruta() const { return dir.path() + QStringLiteral("/Data/HOF.rec"); }

    // Places in the given order, dated so each row can be told apart.
    void EscribirTabla(const std::vector<Fila> &filas)
    {
        QByteArray texto;
        for (std::size_t p = 0; p < filas.size(); ++p)
            texto += QStringLiteral(
                "[%1]\nNombre=%2\nPuntos=%3\nDificultad=%4\nFecha=0%5/01/2026\nHora=10:00:0%5\n")
                         .arg(SeccionHOF(int(p)), QString::fromUtf8(filas[p].nombre))
                         .arg(filas[p].puntos)
                         .arg(filas[p].dificultad)
                         .arg(p)
                         .toUtf8();
        QFile f(Ruta());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(texto);
    }
    TablaHOF Leida() const
    {
        TablaHOF t;
        t.Cargar(Ruta());
        return t;
    }
    void GanarCon(int32_t total, float dificultad = Normal)
    {
        estado.PuntosTotales = total;
        estado.PartidaGanada = true;
        estado.DificultadActual = dificultad;
    }
    std::unique_ptr<frmHOF> Abrir() { return std::make_unique<frmHOF>(ctx, nullptr); }

    static Etiqueta *Celda(frmHOF &h, const char *columna, int i)
    {
        auto *l = h.findChild<Etiqueta *>(QStringLiteral("%1_%2").arg(QLatin1String(columna)).arg(i));
        EXPECT_NE(l, nullptr) << columna << i;
        return l;
    }
    static QString Texto(frmHOF &h, const char *columna, int i) { return Celda(h, columna, i)->text(); }
    static QWidget *Banda(frmHOF &h) { return h.findChild<QWidget *>(QStringLiteral("Shape1")); }
    // The band shows round row `i` alone: past its cells above and below, short of the rows
    // either side.
    static bool BandaEnFila(frmHOF &h, int i)
    {
        const QRect b = Banda(h)->geometry(), fila = Celda(h, "lblPuntos", i)->geometry();
        bool rodea = !Banda(h)->isHidden() && b.top() < fila.top() && b.bottom() > fila.bottom();
        if (i > 0)
            rodea = rodea && b.top() > Celda(h, "lblPuntos", i - 1)->geometry().bottom();
        if (i < TablaHOF::kPuestos - 1)
            rodea = rodea && b.bottom() < Celda(h, "lblPuntos", i + 1)->geometry().top();
        return rodea;
    }
};

// Places 0..9 of two tables hold the same records.
void MismosPuestos(const TablaHOF &a, const TablaHOF &b)
{
    for (int p = 0; p < TablaHOF::kPuestos; ++p) {
        EXPECT_EQ(a.Registros[p].Nombre, b.Registros[p].Nombre) << p;
        EXPECT_EQ(a.Registros[p].Puntos, b.Registros[p].Puntos) << p;
        EXPECT_EQ(a.Registros[p].Dificultad, b.Registros[p].Dificultad) << p;
        EXPECT_EQ(a.Registros[p].Fecha, b.Registros[p].Fecha) << p;
        EXPECT_EQ(a.Registros[p].Hora, b.Registros[p].Hora) << p;
    }
}

}  // namespace

TEST_F(Records, WindowHasItsSizeCaptionsAndColumnTitles)
{
    EscribirTabla(kDiez);
    auto h = Abrir();
    EXPECT_EQ(h->size(), QSize(705, 412));
    EXPECT_EQ(h->minimumSize(), h->maximumSize());
    EXPECT_EQ(h->windowTitle(), TituloVentana());
    EXPECT_FALSE(h->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(h->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(h->palette().color(QPalette::Window), QColor(192, 192, 255));

    auto *titulo = h->findChild<Etiqueta *>(QStringLiteral("Label1"));
    ASSERT_NE(titulo, nullptr);
    EXPECT_EQ(titulo->text(), QStringLiteral("HIGH SCORES"));
    EXPECT_TRUE(h->rect().contains(titulo->geometry()));
    EXPECT_EQ(titulo->ColorTexto(), QColor(0, 0, 255));
    EXPECT_TRUE(titulo->font().bold());
    EXPECT_EQ(titulo->font().pixelSize(), FuenteVentana(24).pixelSize());

    for (int k = 0; k < 5; ++k) {
        Etiqueta *l = Celda(*h, "lblTitulo", k);
        EXPECT_TRUE(h->rect().contains(l->geometry()) && l->geometry().top() > titulo->geometry().bottom())
            << k;
        EXPECT_EQ(l->Fondo(), QColor(0, 0, 255));
        EXPECT_EQ(l->ColorTexto(), QColor(Qt::white));
        EXPECT_TRUE(l->font().bold());
        // The caption fits its cell (no clipped titles).
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width() - 2) << k;
    }

    auto *enlace = h->findChild<Etiqueta *>(QStringLiteral("Label2"));
    ASSERT_NE(enlace, nullptr);
    EXPECT_EQ(enlace->text(), QStringLiteral("If you like Velunda, get more FREE GAMES at ") + HostWeb());
    EXPECT_EQ(enlace->Fondo(), QColor(255, 192, 128));
    EXPECT_LE(QFontMetrics(enlace->font()).horizontalAdvance(enlace->text()), enlace->width());
    auto *image2 = h->findChild<ZonaActiva *>(QStringLiteral("Image2"));
    ASSERT_NE(image2, nullptr);
    // The hotspot takes the clicks on the whole line.
    EXPECT_TRUE(image2->geometry().contains(enlace->geometry()) && h->rect().contains(image2->geometry()));
    EXPECT_EQ(h->childAt(enlace->geometry().center()), image2);

    auto *ok = h->findChild<QPushButton *>(QStringLiteral("Command1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(h->rect().contains(ok->geometry()) && !ok->geometry().intersects(image2->geometry()));
    QWidget *primero = h->nextInFocusChain();
    while (primero != h.get() && !(primero->focusPolicy() & Qt::TabFocus))
        primero = primero->nextInFocusChain();
    EXPECT_EQ(primero, ok);
}

TEST_F(Records, RowsStackInPlaceOrderUnderTheirTitlesEachLighterThanTheOneAbove)
{
    EscribirTabla(kDiez);
    auto h = Abrir();
    // Each column under the title that names it; the cells of a row on one line, left to right.
    const struct {
        const char *columna, *titulo;
    } columnas[] = {{"lblPuesto", nullptr}, {"lblPuntos", "SCORE"}, {"lblNombre", "NAME"},
        {"lblDificultad", "DIFFICULTY"}, {"lblFecha", "DATE"}, {"lblHora", "TIME"}};
    const int filaTitulos = Celda(*h, "lblTitulo", 0)->geometry().center().y();
    for (const auto &c : columnas) {
        const QRect l = Celda(*h, c.columna, 0)->geometry();
        auto *t = qobject_cast<Etiqueta *>(h->childAt(l.center().x(), filaTitulos));
        EXPECT_TRUE(!c.titulo
            || (t && t->text() == QLatin1String(c.titulo) && t->geometry().bottom() < l.top()
                && t->x() == l.x() && t->width() == l.width()))
            << c.columna;
    }
    for (int i = 0; i < TablaHOF::kPuestos; ++i) {
        EXPECT_EQ(Texto(*h, "lblPuesto", i), QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0')));
        const QColor fondo = Celda(*h, "lblPuesto", i)->Fondo();
        for (std::size_t c = 0; c < std::size(columnas); ++c) {
            const QRect l = Celda(*h, columnas[c].columna, i)->geometry();
            EXPECT_TRUE(h->rect().contains(l)) << columnas[c].columna << i;
            EXPECT_EQ(Celda(*h, columnas[c].columna, i)->Fondo(), fondo) << columnas[c].columna << i;
            if (c > 0) {
                const QRect antes = Celda(*h, columnas[c - 1].columna, i)->geometry();
                EXPECT_TRUE(
                    l.top() == antes.top() && l.height() == antes.height() && l.left() > antes.right() + 1)
                    << columnas[c].columna << i;
            }
            if (i > 0) {
                const QRect arriba = Celda(*h, columnas[c].columna, i - 1)->geometry();
                EXPECT_TRUE(
                    l.left() == arriba.left() && l.width() == arriba.width() && l.top() > arriba.bottom() + 1)
                    << columnas[c].columna << i;
            }
        }
        // Salmon at the top shading to pink: one hue, lighter row by row.
        if (i > 0) {
            const QColor arriba = Celda(*h, "lblPuesto", i - 1)->Fondo();
            EXPECT_EQ(fondo.hue(), arriba.hue()) << i;
            EXPECT_GT(fondo.lightness(), arriba.lightness()) << i;
        }
    }
    EXPECT_TRUE(Celda(*h, "lblPuesto", 0)->font().bold());
    EXPECT_FALSE(Celda(*h, "lblNombre", 0)->font().bold());
}

TEST_F(Records, FromTheMenuTheFileShowsInFileOrderWithoutBandOrPromptAndIsRewrittenAsRead)
{
    std::vector<Fila> desordenada = kDiez;
    std::swap(desordenada[0], desordenada[9]);
    EscribirTabla(desordenada);
    const TablaHOF antes = Leida();
    ContestadorAutomatico contestador(QStringLiteral("X"));
    auto h = Abrir();
    EXPECT_TRUE(contestador.textos().isEmpty());
    EXPECT_TRUE(Banda(*h)->isHidden());
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Texto(*h, "lblNombre", i), QString::fromUtf8(desordenada[i].nombre));
        EXPECT_EQ(Texto(*h, "lblPuntos", i), QString::number(desordenada[i].puntos));
        EXPECT_EQ(Texto(*h, "lblDificultad", i), TextoDificultad(desordenada[i].dificultad));
        EXPECT_EQ(Texto(*h, "lblFecha", i), QStringLiteral("0%1/01/2026").arg(i));
        EXPECT_EQ(Texto(*h, "lblHora", i), QStringLiteral("10:00:0%1").arg(i));
    }
    MismosPuestos(Leida(), antes);
}

TEST_F(Records, FromTheMenuNoNameIsAskedEvenOverATableOfZerosOrAStaleTotal)
{
    EscribirTabla(std::vector<Fila>(10, Fila{"", 0, 0}));
    ContestadorAutomatico contestador(QStringLiteral("X"));
    estado.PuntosTotales = 0;
    Abrir();
    // A total left behind by a screen closed with its close box is not a new result either.
    estado.PuntosTotales = 123456;
    auto h = Abrir();
    EXPECT_TRUE(contestador.textos().isEmpty());
    EXPECT_TRUE(Banda(*h)->isHidden());
    for (int p = 0; p < 10; ++p)
        EXPECT_EQ(Leida().Registros[p].Puntos, 0);
}

TEST_F(Records, CellsShowDifficultyNamesPlainDigitsAndEmptyCellsInTheirRowColour)
{
    EscribirTabla({{"", 1234567, 7}, {"B", 900, 0}, {"C", 800, 1}, {"D", 700, 2}, {"E", 600, 3}});
    auto h = Abrir();
    EXPECT_EQ(Texto(*h, "lblPuntos", 0), QStringLiteral("1234567"));
    EXPECT_EQ(Texto(*h, "lblDificultad", 0), QString());
    EXPECT_EQ(Texto(*h, "lblNombre", 0), QString());
    EXPECT_EQ(Celda(*h, "lblNombre", 0)->Fondo(), QColor(255, 100, 100));
    EXPECT_EQ(Texto(*h, "lblDificultad", 1), QStringLiteral("VERY EASY"));
    EXPECT_EQ(Texto(*h, "lblDificultad", 2), QStringLiteral("EASY"));
    EXPECT_EQ(Texto(*h, "lblDificultad", 3), QStringLiteral("NORMAL"));
    EXPECT_EQ(Texto(*h, "lblDificultad", 4), QStringLiteral("HARD"));
    // Places missing from the file read as the "0" defaults and are written back so.
    EXPECT_EQ(Texto(*h, "lblNombre", 9), QStringLiteral("0"));
    EXPECT_EQ(LeerINI(Ruta(), QStringLiteral("09"), QStringLiteral("Nombre")), QStringLiteral("0"));
}

TEST_F(Records, AMissingFileIsCreatedWithTenEmptyPlaces)
{
    auto h = Abrir();
    ASSERT_TRUE(QFile::exists(Ruta()));
    for (int p = 0; p < 10; ++p) {
        const QString s = SeccionHOF(p);
        EXPECT_EQ(LeerINI(Ruta(), s, QStringLiteral("Nombre")), QString()) << p;
        EXPECT_EQ(LeerINI(Ruta(), s, QStringLiteral("Puntos")), QStringLiteral("0")) << p;
    }
    EXPECT_TRUE(Banda(*h)->isHidden());
}

TEST_F(Records, AWonTotalEqualToTheTenthEntersAboveItAndPushesItOut)
{
    EscribirTabla(kDiez);
    GanarCon(500);
    ContestadorAutomatico contestador(QStringLiteral("Nueva"));
    auto h = Abrir();
    ASSERT_EQ(contestador.textos().size(), 1);
    EXPECT_EQ(Texto(*h, "lblNombre", 9), QStringLiteral("Nueva"));
    EXPECT_EQ(Texto(*h, "lblPuntos", 9), QStringLiteral("500"));
    EXPECT_TRUE(BandaEnFila(*h, 9));
    const TablaHOF t = Leida();
    EXPECT_EQ(t.Registros[9].Nombre, QStringLiteral("Nueva"));
    EXPECT_EQ(t.Registros[8].Nombre, QStringLiteral("Ines"));
    for (int p = 0; p < 10; ++p)
        EXPECT_NE(t.Registros[p].Nombre, QStringLiteral("Juan")) << p;
}

TEST_F(Records, AWonTotalOneBelowTheTenthIsNotOfferedAndTheTableIsSavedUnchanged)
{
    EscribirTabla(kDiez);
    const TablaHOF antes = Leida();
    GanarCon(499);
    ContestadorAutomatico contestador(QStringLiteral("Nueva"));
    auto h = Abrir();
    EXPECT_TRUE(contestador.textos().isEmpty());
    EXPECT_TRUE(Banda(*h)->isHidden());
    EXPECT_EQ(Texto(*h, "lblNombre", 9), QStringLiteral("Juan"));
    MismosPuestos(Leida(), antes);
    EXPECT_FALSE(estado.PartidaGanada);
    EXPECT_EQ(estado.PuntosTotales, 0);
}

TEST_F(Records, AWonTotalAboveAllTakesPlaceOneWithTheBandBehindItsCells)
{
    EscribirTabla(kDiez);
    GanarCon(1000000);
    ContestadorAutomatico contestador(QStringLiteral("Cima"));
    auto h = Abrir();
    EXPECT_EQ(Texto(*h, "lblNombre", 0), QStringLiteral("Cima"));
    EXPECT_EQ(Texto(*h, "lblPuntos", 0), QStringLiteral("1000000"));
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(Texto(*h, "lblNombre", i), QString::fromUtf8(kDiez[i - 1].nombre)) << i;
    ASSERT_TRUE(BandaEnFila(*h, 0));
    const QRect banda = Banda(*h)->geometry(), puesto = Celda(*h, "lblPuesto", 0)->geometry(),
                puntos = Celda(*h, "lblPuntos", 0)->geometry(),
                nombre = Celda(*h, "lblNombre", 0)->geometry(), hora = Celda(*h, "lblHora", 0)->geometry();
    EXPECT_TRUE(banda.left() < puntos.left() && banda.right() > hora.right());
    // As painted: red in the gaps around the row, the row's cells drawn over the band,
    // the window colour just outside it.
    const Pixeles imagen(h.get());
    const QColor rojo(255, 0, 0), fila = Celda(*h, "lblPuntos", 0)->Fondo(),
                                  ventana = h->palette().color(QPalette::Window);
    const int medio = puntos.center().y();
    EXPECT_EQ(imagen(puntos.left() - 2, medio), rojo);
    EXPECT_EQ(imagen(nombre.left() - 2, medio), rojo);
    EXPECT_EQ(imagen(nombre.center().x(), banda.top() + 1), rojo);
    EXPECT_EQ(imagen(hora.right(), banda.bottom() - 1), rojo);
    EXPECT_EQ(imagen(Celda(*h, "lblDificultad", 0)->geometry().topLeft() + QPoint(2, 2)),
        fila);  // clear of its text
    EXPECT_EQ(imagen(nombre.center().x(), banda.top() - 2), ventana);
    ASSERT_TRUE(puesto.contains(banda.left() - 2, medio));  // the place cell, left of the band
    EXPECT_EQ(imagen(banda.left() - 2, medio), fila);
    EXPECT_EQ(imagen(banda.right() + 1, medio), ventana);
    EXPECT_EQ(Leida().Registros[0].Nombre, QStringLiteral("Cima"));
    EXPECT_EQ(Leida().Registros[0].Puntos, 1000000);
}

TEST_F(Records, TheNamePromptIsPrefilledAndDateAndTimeAreTakenAfterTheAnswer)
{
    EscribirTabla(kDiez);
    GanarCon(6500, Dificil);
    QString previo;
    const QTime desde = QTime::currentTime();
    auto reg = ResponderModales(1, [&](QWidget *w) {
        auto *id = qobject_cast<QInputDialog *>(w);
        ASSERT_NE(id, nullptr);
        previo = id->textValue();
        id->accept();
    });
    auto h = Abrir();
    const QTime hasta = QTime::currentTime();
    ASSERT_EQ(reg->pendientes, 0);
    EXPECT_EQ(reg->titulos.value(0), QStringLiteral("Congrats! You got a High Score!"));
    EXPECT_EQ(reg->textos.value(0), QStringLiteral("What's your name?"));
    EXPECT_EQ(previo, QStringLiteral("Quorlan"));

    const tRegistroHOF r = Leida().Registros[3];
    EXPECT_EQ(r.Nombre, QStringLiteral("Quorlan"));
    EXPECT_EQ(r.Puntos, 6500);
    EXPECT_EQ(r.Dificultad, 3);
    EXPECT_EQ(Texto(*h, "lblDificultad", 3), QStringLiteral("HARD"));
    EXPECT_EQ(r.Fecha, QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QStringList posibles;
    for (QTime t = desde; t.isValid() && t <= hasta.addSecs(1); t = t.addSecs(1))
        posibles << TextoHora(QLocale::system(), t);
    EXPECT_TRUE(posibles.contains(r.Hora)) << r.Hora.toStdString();
    EXPECT_EQ(Texto(*h, "lblHora", 3), r.Hora);
}

TEST_F(Records, CancelAtThePromptEntersTheScoreWithAnEmptyName)
{
    EscribirTabla(kDiez);
    GanarCon(6500);
    auto reg = ResponderModales(1, Cancelar);
    auto h = Abrir();
    ASSERT_EQ(reg->pendientes, 0);
    EXPECT_EQ(Texto(*h, "lblNombre", 3), QString());
    EXPECT_EQ(Texto(*h, "lblPuntos", 3), QStringLiteral("6500"));
    EXPECT_TRUE(BandaEnFila(*h, 3));
    // Present and empty, not missing (which would read "0").
    EXPECT_EQ(LeerINI(Ruta(), QStringLiteral("03"), QStringLiteral("Nombre")), QString());
    EXPECT_EQ(LeerINI(Ruta(), QStringLiteral("03"), QStringLiteral("Puntos")), QStringLiteral("6500"));
}

TEST_F(Records, AWonGameIsEnteredOnceEvenWhenTheScreenIsLeftByItsCloseBox)
{
    EscribirTabla(kDiez);
    GanarCon(2500);
    ContestadorAutomatico contestador(QStringLiteral("Una"));
    {
        auto h = Abrir();
        h->show();
        h->close();
    }
    EXPECT_EQ(contestador.textos().size(), 1);
    EXPECT_FALSE(estado.PartidaGanada);
    EXPECT_EQ(estado.PuntosTotales, 0);
    auto otra = Abrir();
    EXPECT_EQ(contestador.textos().size(), 1);
    EXPECT_TRUE(Banda(*otra)->isHidden());
    int veces = 0;
    for (const tRegistroHOF &r : Leida().Registros)
        veces += r.Nombre == QStringLiteral("Una");
    EXPECT_EQ(veces, 1);
}

TEST_F(Records, OkClearsTheTotalClosesAndReturnsToTheMenu)
{
    EscribirTabla(kDiez);
    auto h = Abrir();
    h->show();
    estado.PuntosTotales = 4321;
    QTest::mouseClick(h->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(estado.PuntosTotales, 0);
    EXPECT_EQ(traidos, 1);
    EXPECT_EQ(menus, 0);
    EXPECT_FALSE(h->isVisible());
    EXPECT_EQ(h->result(), QDialog::Accepted);
}

TEST_F(Records, WebHotspotAsksForThePageOnceAndTheScreenStaysOpen)
{
    EscribirTabla(kDiez);
    auto h = Abrir();
    h->show();
    QTest::mouseClick(h->findChild<ZonaActiva *>(QStringLiteral("Image2")), Qt::LeftButton);
    EXPECT_EQ(web.pedidas, QStringList{DireccionWeb()});
    EXPECT_TRUE(h->isVisible());
    EXPECT_EQ(menus + traidos, 0);
}

TEST_F(Records, AFailedSaveIsToldInOneLineThatMovesNothingAndTheTableStillShows)
{
    auto guardada = Abrir();
    auto *sinAviso = guardada->findChild<Etiqueta *>(QStringLiteral("lblAviso"));
    ASSERT_NE(sinAviso, nullptr);
    EXPECT_TRUE(sinAviso->isHidden());  // a save that works says nothing

    QFile::remove(Ruta());
    ASSERT_TRUE(QDir().mkpath(Ruta()));  // a folder where the file should be
    GanarCon(300);
    ContestadorAutomatico contestador(QStringLiteral("Sola"));
    auto h = Abrir();
    h->show();
    EXPECT_EQ(contestador.textos(), QStringList{QStringLiteral("What's your name?")});  // no other box
    EXPECT_EQ(Texto(*h, "lblNombre", 0), QStringLiteral("Sola"));
    EXPECT_EQ(Banda(*h)->y(), 107);
    EXPECT_TRUE(QFileInfo(Ruta()).isDir());

    auto *aviso = h->findChild<Etiqueta *>(QStringLiteral("lblAviso"));
    EXPECT_TRUE(aviso->isVisible());
    EXPECT_FALSE(aviso->text().isEmpty());
    EXPECT_LE(aviso->fontMetrics().horizontalAdvance(aviso->text()), aviso->width());  // one line
    EXPECT_TRUE(h->rect().contains(aviso->geometry()));
    // Every other control stays where it is when the save works, clear of the line; the
    // band too, even behind the tenth row.
    for (QWidget *w : h->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w == aviso)
            continue;
        auto *gemelo = guardada->findChild<QWidget *>(w->objectName());
        ASSERT_NE(gemelo, nullptr) << w->objectName().toStdString();
        if (w != Banda(*h)) {
            EXPECT_EQ(w->geometry(), gemelo->geometry()) << w->objectName().toStdString();
            EXPECT_FALSE(w->geometry().intersects(aviso->geometry())) << w->objectName().toStdString();
        }
    }
    const QRect bandaAbajo = Banda(*h)->geometry().translated(0, 24 * 9);
    EXPECT_FALSE(bandaAbajo.intersects(aviso->geometry()));
}

TEST_F(Records, WhenDataCannotBeWrittenTheWinGoesToThePlayersOwnCopy)
{
    EscribirTabla(kDiez);
    const TablaHOF enviada = Leida();
    QTemporaryDir casa;
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x5555));
    QFile::setPermissions(dir.path() + QStringLiteral("/Data"), QFileDevice::Permissions(0x5555));
    QFile::setPermissions(casa.path(), QFileDevice::Permissions(0x7777));
    GanarCon(8500);
    const bool enLaSuya = ComoUsuarioComun([&] {
        const QByteArray antes = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(casa.path()));
        const QString propia = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        bool ok = false;
        {
            ContestadorAutomatico contestador(QStringLiteral("Propia"));
            auto h = Abrir();
            TablaHOF t;
            t.Cargar(propia + QStringLiteral("/HOF.rec"));
            ok = propia.startsWith(casa.path()) && t.Registros[0].Nombre == QStringLiteral("Ana")
                && t.Registros[1].Nombre == QStringLiteral("Propia")
                && h->findChild<QWidget *>(QStringLiteral("lblAviso"))->isHidden();
        }
        qputenv("XDG_DATA_HOME", antes);
        return ok;
    });
    QFile::setPermissions(dir.path() + QStringLiteral("/Data"), QFileDevice::Permissions(0x7700));
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
    EXPECT_TRUE(enLaSuya);
    MismosPuestos(Leida(), enviada);
}

TEST(RecordsHora, TheFullLocalTimeKeepsSecondsAndDropsTheZone)
{
    const QTime t(21, 5, 9);
    EXPECT_EQ(TextoHora(QLocale::c(), t), QStringLiteral("21:05:09"));
    EXPECT_EQ(TextoHora(QLocale(QStringLiteral("en_US")), t), QStringLiteral("9:05:09 PM"));
    EXPECT_EQ(TextoHora(QLocale(QStringLiteral("es_ES")), t), QStringLiteral("21:05:09"));
    EXPECT_EQ(TextoHora(QLocale(QStringLiteral("zh_CN")), t), QStringLiteral("21:05:09"));
    EXPECT_EQ(TextoHora(QLocale(QStringLiteral("ja_JP")), t), QStringLiteral("21時05分09秒"));
    EXPECT_EQ(TextoHora(QLocale(QStringLiteral("bg_BG")), t), QStringLiteral("21:05:09 ч."));
}

namespace {

// Presses OK on the high-score screen once it is the modal window, after noting what
// it shows.
struct VigiaRecords {
    QTimer timer;
    QPointer<QWidget> padre;
    int vistas = 0;
    std::function<void(frmHOF &)> alVerla;
    VigiaRecords()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *h = qobject_cast<frmHOF *>(QApplication::activeModalWidget());
            if (!h || !h->isVisible())
                return;
            ++vistas;
            padre = h->parentWidget();
            if (alVerla)
                alVerla(*h);
            QTest::mouseClick(h->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        });
        timer.start();
    }
};

}  // namespace

TEST_F(Records, TheMenuHotspotShowsTheScreenModallyOverTheMenu)
{
    EscribirTabla(kDiez);
    frmIntro menu(ctx);
    ctx.abrirRecords = [this, &menu] { AbrirRecords(ctx, &menu); };
    menu.show();
    menu.imgJugar_Click();  // the difficulty panel is up, and stays up through OK
    ContestadorAutomatico contestador(QStringLiteral("X"));
    VigiaRecords vigia;
    bool modal = false;
    vigia.alVerla = [&](frmHOF &h) { modal = h.isModal() && menu.isVisible(); };
    menu.imgHOF_Click();
    EXPECT_EQ(vigia.vistas, 1);
    EXPECT_EQ(vigia.padre, &menu);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(contestador.textos().isEmpty());
    EXPECT_TRUE(menu.findChild<QWidget *>(QStringLiteral("picDificultad"))->isVisible());
}

TEST_F(Records, AfterAWinTheNamePromptShowsOverTheMenuBeforeTheScreenAppears)
{
    EscribirTabla(kDiez);
    frmIntro menu(ctx);
    menu.show();
    GanarCon(8500);
    QWidget *sobre = nullptr;
    bool pantallaVisible = true;
    auto reg = ResponderModales(1, [&](QWidget *w) {
        sobre = w->parentWidget();
        pantallaVisible = false;
        for (QWidget *v : QApplication::topLevelWidgets())
            pantallaVisible |= qobject_cast<frmHOF *>(v) && v->isVisible();
        EscribirYAceptar(w, QStringLiteral("Tras"));
    });
    VigiaRecords vigia;
    AbrirRecords(ctx, &menu);
    ASSERT_EQ(reg->pendientes, 0);
    EXPECT_EQ(sobre, &menu);
    EXPECT_FALSE(pantallaVisible);
    EXPECT_EQ(vigia.vistas, 1);
    EXPECT_EQ(Leida().Registros[1].Nombre, QStringLiteral("Tras"));
}

TEST_F(Records, WinningOnTheGameScreenPutsTheNamedScoreIntoTheFile)
{
    QFile::remove(Ruta());
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELUNDA_DATOS_FUENTE "/HOF.rec"), Ruta()));
    QFile::setPermissions(Ruta(), QFile::ReadOwner | QFile::WriteOwner);
    const TablaHOF antes = Leida();
    ASSERT_EQ(antes.Registros[4].Puntos, 51260);  // the known file: the win lands below it
    ASSERT_EQ(antes.Registros[5].Puntos, 45033);

    int records = 0;
    ctx.abrirRecords = [this, &records] {
        ++records;
        AbrirRecords(ctx, nullptr);
    };
    estado.DificultadActual = Dificil;
    QPointer<frmMain> f = new frmMain(ctx);
    f->show();
    for (int n = 0; n < kUltimoNivel; ++n)
        estado.PuntosNivel[n] = 1000;  // levels 1..49 already played
    f->juego().PrepararNivel(kUltimoNivel);
    ASSERT_EQ(estado.PuntosTotales, 49000);

    ContestadorAutomatico contestador(QStringLiteral("Lucía Prueba"));
    VigiaRecords vigia;
    QString nombreEnPantalla;
    bool bandaEnSuFila = false;
    vigia.alVerla = [&](frmHOF &h) {
        nombreEnPantalla = Texto(h, "lblNombre", 5);
        bandaEnSuFila = BandaEnFila(h, 5);
    };
    QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("cmdEmpezar")), Qt::LeftButton);
    for (int i = 0; i < kNumCasillas && f; ++i)
        if (estado.Casillas[i].Visible && estado.Casillas[i].EsAcierto())
            QTest::mouseClick(
                f->findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(i)), Qt::LeftButton);
    const int32_t total = std::accumulate(estado.PuntosNivel.begin(), estado.PuntosNivel.end(), 0);

    EXPECT_EQ(records, 1);
    EXPECT_EQ(vigia.vistas, 1);
    ASSERT_GE(contestador.textos().size(), 2);
    EXPECT_EQ(contestador.textos().at(contestador.textos().size() - 2),
        QStringLiteral("CONGRATS! YOU WIN!\nYOU GOT %1 POINTS!").arg(total));
    EXPECT_EQ(contestador.textos().last(), QStringLiteral("What's your name?"));
    EXPECT_EQ(nombreEnPantalla, QStringLiteral("Lucía Prueba"));
    EXPECT_TRUE(bandaEnSuFila);

    const TablaHOF despues = Leida();
    EXPECT_EQ(despues.Registros[5].Nombre, QStringLiteral("Lucía Prueba"));
    EXPECT_EQ(despues.Registros[5].Puntos, total);
    EXPECT_EQ(despues.Registros[5].Dificultad, 3);
    EXPECT_EQ(despues.Registros[4].Nombre, antes.Registros[4].Nombre);
    EXPECT_EQ(despues.Registros[6].Nombre, antes.Registros[5].Nombre);
    EXPECT_EQ(despues.Registros[9].Nombre, antes.Registros[8].Nombre);
    EXPECT_FALSE(estado.PartidaGanada);
    EXPECT_EQ(estado.PuntosTotales, 0);
    delete f.data();
}

// Ten times the time would buy a score no usual game can reach: a relaxed win is told why
// it stays out, in the line a failed save uses.
TEST_F(Records, ARelaxedWinAboveAllIsNotOfferedAndTheScreenSaysWhyInOneLine)
{
    EscribirTabla(kDiez);
    const TablaHOF antes = Leida();
    GanarCon(99999);
    estado.PartidaRelajada = true;
    ContestadorAutomatico contestador(QStringLiteral("Nueva"));
    auto h = Abrir();
    EXPECT_TRUE(contestador.textos().isEmpty());
    EXPECT_TRUE(Banda(*h)->isHidden());
    MismosPuestos(Leida(), antes);
    auto *aviso = h->findChild<Etiqueta *>(QStringLiteral("lblAviso"));
    ASSERT_NE(aviso, nullptr);
    EXPECT_FALSE(aviso->isHidden());
    EXPECT_FALSE(aviso->text().isEmpty());
    EXPECT_FALSE(aviso->text().contains(u'\n'));
}
