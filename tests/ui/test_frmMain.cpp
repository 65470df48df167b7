// The game screen under the offscreen platform: its controls, and what level setup shows.
#include "Apariencia.h"
#include "Contexto.h"
#include "ContadorSegundos.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Modales.h"
#include "Pixeles.h"
#include "Web.h"
#include "frmMain.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Pantalla : ::testing::Test {
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{42};
    Contexto ctx{estado, sonido, web, azar, QStringLiteral("/no/such/dir"), {}, {}};
    QPointer<frmMain> f;
    int menus = 0;

    void SetUp() override
    {
        ctx.mostrarMenu = [this] { ++menus; };
        estado.DificultadActual = Normal;
        f = new frmMain(ctx);
        f->show();
    }
    void TearDown() override
    {
        if (f)
            delete f.data();
    }
    template <class T = Etiqueta> T *Control(const QString &nombre)
    {
        T *w = f->findChild<T *>(nombre);
        EXPECT_NE(w, nullptr) << nombre.toStdString();
        return w;
    }
    QString Texto(const char *nombre) { return Control(QString::fromLatin1(nombre))->text(); }
};

}  // namespace

TEST_F(Pantalla, WindowHasTheCommonTitleAndAFixedClientArea)
{
    EXPECT_EQ(f->size(), QSize(752, 480));
    EXPECT_EQ(f->minimumSize(), f->maximumSize());
    EXPECT_EQ(f->windowTitle(), TituloVentana());
    EXPECT_TRUE(f->windowTitle().startsWith(
        QStringLiteral("Velunda - A game by Quorlan! ( get more FREE GAMES at ")));
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Pantalla, FirstLoadLeavesAllWordLabelsHiddenAsRedOnWhite)
{
    for (int i = 0; i < 32; ++i) {
        auto *l = Control(QStringLiteral("lblTextos_%1").arg(i));
        EXPECT_TRUE(l->isHidden());
        EXPECT_EQ(l->text(), QStringLiteral("RED"));
        EXPECT_EQ(l->ColorTexto(), QColor(255, 0, 0));
        EXPECT_EQ(l->Fondo(), QColor(Qt::white));
    }
}

TEST_F(Pantalla, WordLabelsTileTheBoardInReadingOrderUnderTheStartPanel)
{
    // Left to right, then row under row back at the first column: equal rows and columns of
    // same-sized labels with a gap between neighbours, so no click lands on two of them.
    QList<QRect> lugares;
    for (int i = 0; i < 32; ++i) {
        auto *l = Control(QStringLiteral("lblTextos_%1").arg(i));
        EXPECT_TRUE(l->font().bold()) << i;
        lugares << l->geometry();
    }
    int columnas = 1;
    while (columnas < 32 && lugares[columnas].top() == lugares[0].top())
        ++columnas;
    ASSERT_TRUE(columnas > 1 && 32 % columnas == 0 && columnas < 32);
    QRect tablero;
    for (int i = 0; i < 32; ++i) {
        const QRect &l = lugares[i], &antes = lugares[std::max(i - 1, 0)];
        tablero |= l;
        EXPECT_TRUE(i == 0
            || (i % columnas ? l.top() == antes.top() && l.left() > antes.right() + 1
                             : l.top() > antes.bottom() + 1))
            << i;
        EXPECT_TRUE(
            l.size() == lugares[0].size() && (i < columnas || l.left() == lugares[i - columnas].left()))
            << i;
    }
    EXPECT_TRUE(f->rect().contains(tablero));
    auto *panel = Control<QWidget>(QStringLiteral("picMensaje"));
    EXPECT_EQ(panel->geometry(), tablero);  // hides the whole board before START, nothing more
    auto *start = Control<QPushButton>(QStringLiteral("cmdEmpezar"));
    EXPECT_EQ(start->text(), QStringLiteral("START"));
    EXPECT_EQ(start->parentWidget(), panel);
    EXPECT_TRUE(panel->rect().contains(start->geometry()));

    // The rows of squares: one square each side of the board, level with each other and in
    // one of the game's colours, row under row down the window.
    for (int i = 0; i < 8; ++i) {
        auto *cuadroIzq = Control<Forma>(QStringLiteral("shpIzq_%1").arg(i));
        auto *cuadroDch = Control<Forma>(QStringLiteral("shpDch_%1").arg(i));
        EXPECT_EQ(cuadroIzq->Relleno(), ColorDe(estado.ColorRGB[i])) << i;
        EXPECT_EQ(cuadroDch->Relleno(), cuadroIzq->Relleno()) << i;
        const QRect izq = cuadroIzq->geometry(), dch = cuadroDch->geometry();
        EXPECT_TRUE(izq.width() == izq.height() && izq.size() == dch.size()) << i;
        EXPECT_EQ(izq.top(), dch.top()) << i;
        EXPECT_TRUE(izq.right() < tablero.left() && dch.left() > tablero.right()) << i;
        EXPECT_TRUE(f->rect().contains(izq) && f->rect().contains(dch)) << i;
        EXPECT_TRUE(
            i == 0 || izq.top() > Control<Forma>(QStringLiteral("shpIzq_%1").arg(i - 1))->geometry().bottom())
            << i;
    }
    // The cheat's hidden corner lies above the right-hand squares, clear of the board.
    const QRect trampa = Control<QWidget>(QStringLiteral("imgCHEAT"))->geometry();
    EXPECT_TRUE(trampa.top() == 0 && trampa.left() > tablero.right() && f->rect().contains(trampa));
}

TEST_F(Pantalla, HotspotsLieOnTopWithThePinkCursorButTheCheatAreaStaysUnmarked)
{
    const auto zonas = f->findChildren<ZonaActiva *>();
    ASSERT_GE(zonas.size(), 4);
    for (ZonaActiva *z : zonas) {
        const std::string n = z->objectName().toStdString();
        EXPECT_EQ(f->childAt(z->geometry().center()), z) << n;
        const bool trampa = z->objectName() == QLatin1String("imgCHEAT");
        EXPECT_TRUE(MismoCursor(z->cursor(), trampa ? CursorFlecha() : CursorMano())) << n;
    }
}

TEST_F(Pantalla, ThreeTimersAtTheirPacesTheDecorativeOnesFromTheLoadAllStoppedOnClose)
{
    EXPECT_EQ(f->tmrJuego.interval(), 20);
    EXPECT_EQ(f->tmrAnim.interval(), 100);
    EXPECT_EQ(f->tmrFlash.interval(), 200);
    EXPECT_FALSE(f->tmrJuego.isActive());
    EXPECT_TRUE(f->tmrAnim.isActive());
    EXPECT_TRUE(f->tmrFlash.isActive());
    // Each drives its own part: the lit squares move, the low-time flash turns the window
    // red, the clock counts down once START is pressed.
    const int16_t paso = estado.PasoAnimacion;
    EXPECT_TRUE(QTest::qWaitFor([&] { return estado.PasoAnimacion != paso; }, 3000));
    f->juego().PrepararNivel(0);
    estado.TiempoRestante = 1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return Pixeles(f)(3, 240) == QColor(255, 0, 0); }, 3000));
    f->juego().PrepararNivel(0);
    f->cmdEmpezar_Click();
    EXPECT_TRUE(f->tmrJuego.isActive());
    const float resto = estado.TiempoRestante;
    EXPECT_TRUE(QTest::qWaitFor([&] { return estado.TiempoRestante < resto; }, 3000));
    f->close();
    EXPECT_FALSE(f->tmrJuego.isActive());
    EXPECT_FALSE(f->tmrAnim.isActive());
    EXPECT_FALSE(f->tmrFlash.isActive());
}

TEST_F(Pantalla, LitSquaresAndTheLowTimeFlashShowOnTheWindowItself)
{
    f->tmrAnim.stop();  // stepped by hand below
    f->tmrFlash.stop();
    f->juego().PrepararNivel(0);
    // The rows whose two squares show a white border around their own colour.
    auto filasEncendidas = [&] {
        const Pixeles imagen(f);
        QList<int> filas;
        for (int i = 0; i < 8; ++i) {
            int blancos = 0;
            for (const char *lado : {"shpIzq_%1", "shpDch_%1"}) {
                const Forma *s = Control<Forma>(QString::fromLatin1(lado).arg(i));
                EXPECT_EQ(imagen(s->geometry().center()), s->Relleno()) << i;
                const QColor borde = imagen(s->geometry().topLeft() + QPoint(1, 8));
                blancos += borde == QColor(Qt::white);
                EXPECT_TRUE(borde == QColor(Qt::white) || borde == s->Relleno()) << i;
            }
            EXPECT_NE(blancos, 1) << "row " << i << " lit on one side only";
            if (blancos == 2)
                filas << i;
        }
        return filas;
    };
    f->tmrAnim_Timer();
    const QList<int> primera = filasEncendidas();
    ASSERT_EQ(primera.size(), 1);
    f->tmrAnim_Timer();
    EXPECT_EQ(filasEncendidas(), QList<int>{(primera[0] + 7) % 8});  // one row up, wrapping

    auto fondo = [&] { return Pixeles(f)(3, 240); };
    EXPECT_EQ(fondo(), QColor(Qt::white));
    estado.TiempoRestante = 3;
    f->tmrFlash_Timer();
    EXPECT_EQ(fondo(), QColor(255, 150, 150));
    f->tmrFlash_Timer();
    EXPECT_EQ(fondo(), QColor(Qt::white));
    estado.TiempoRestante = 1;
    f->tmrFlash_Timer();
    EXPECT_EQ(fondo(), QColor(255, 0, 0));
}

TEST_F(Pantalla, LevelZeroShowsItsGoalCountersAndBoard)
{
    f->juego().PrepararNivel(0);
    EXPECT_EQ(Texto("lblMensaje"), QStringLiteral("LEVEL 1\n\nFIND 3 CORRECT MATCHES\n\nIN 15 SECONDS"));
    EXPECT_EQ(Texto("lblSegundos"), QStringLiteral("15.00"));
    EXPECT_EQ(Texto("lblNivel"), QStringLiteral("1"));
    EXPECT_EQ(Texto("lblNivelMax"), QStringLiteral("50"));
    EXPECT_EQ(Texto("lblPuntos"), QStringLiteral("0"));
    EXPECT_EQ(Texto("lblEncontrados"), QStringLiteral("0"));
    EXPECT_EQ(Texto("lblEncontradosTotal"), QStringLiteral("3"));
    auto *barra = Control<Forma>(QStringLiteral("shpBarraEncontrados"));
    EXPECT_FLOAT_EQ(barra->Altura(), 2.f);
    EXPECT_EQ(barra->geometry(), QRect(520, 384, 17, 2));  // top edge stays at 384
    int visibles = 0;
    for (int i = 0; i < 32; ++i) {
        auto *l = Control(QStringLiteral("lblTextos_%1").arg(i));
        const tCasilla &c = estado.Casillas[i];
        EXPECT_EQ(!l->isHidden(), c.Visible);
        EXPECT_EQ(l->text().toStdString(), estado.NombreColor[c.Texto]);
        EXPECT_EQ(l->ColorTexto(), ColorDe(estado.ColorRGB[c.Color]));
        EXPECT_EQ(l->Fondo(), QColor(Qt::white));
        visibles += c.Visible;
    }
    EXPECT_EQ(visibles, 12);
    EXPECT_TRUE(Control<QWidget>(QStringLiteral("picMensaje"))->isVisible());
    EXPECT_FALSE(f->tmrJuego.isActive());
}

TEST_F(Pantalla, ClicksOnTheGridReachThePanelNotTheLabelsBeforeStart)
{
    f->juego().PrepararNivel(0);
    int acierto = -1;
    for (int i = 0; i < 32; ++i)
        if (estado.Casillas[i].Visible && estado.Casillas[i].EsAcierto())
            acierto = i;
    auto *l = Control(QStringLiteral("lblTextos_%1").arg(acierto));
    const QPoint centro = l->geometry().center();
    QWidget *bajo = f->childAt(centro);
    ASSERT_NE(bajo, nullptr);
    EXPECT_NE(bajo, l);
    QTest::mouseClick(f, Qt::LeftButton, {}, centro);
    EXPECT_FALSE(estado.Casillas[acierto].Encontrada);
    // After START the same click finds the match.
    QTest::mouseClick(Control<QPushButton>(QStringLiteral("cmdEmpezar")), Qt::LeftButton);
    EXPECT_TRUE(f->tmrJuego.isActive());
    QTest::mouseClick(l, Qt::LeftButton);
    EXPECT_TRUE(estado.Casillas[acierto].Encontrada);
    EXPECT_EQ(l->Fondo(), QColor(Qt::black));
}

TEST_F(Pantalla, BackToMenuDropsTheGameAndShowsTheMenu)
{
    f->juego().PrepararNivel(0);
    estado.PuntosTotales = 1234;
    QTest::mouseClick(Control<QWidget>(QStringLiteral("imgVolverAlMenu")), Qt::LeftButton);
    EXPECT_EQ(estado.PuntosTotales, 0);
    EXPECT_EQ(menus, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(f.isNull());
}

TEST_F(Pantalla, CloseBoxKeepsTheTotalOnlyAfterAWin)
{
    estado.PuntosTotales = 500;
    estado.PartidaGanada = true;
    f->close();
    EXPECT_EQ(estado.PuntosTotales, 500);
    EXPECT_EQ(menus, 1);
}

TEST_F(Pantalla, WebHotspotsAskForThePageOnceAndLeaveTheClockRunning)
{
    f->juego().PrepararNivel(0);
    f->cmdEmpezar_Click();
    QTest::mouseClick(Control<QWidget>(QStringLiteral("Image1")), Qt::LeftButton);
    QTest::mouseClick(Control<QWidget>(QStringLiteral("Image2")), Qt::LeftButton);
    ASSERT_EQ(web.pedidas.size(), 2);
    EXPECT_EQ(web.pedidas[0], DireccionWeb());
    EXPECT_TRUE(DireccionWeb().endsWith(QStringLiteral("/Games/Velunda/RedirectedFromVelundaVivozu.htm")));
    EXPECT_TRUE(f->tmrJuego.isActive());
}

TEST_F(Pantalla, LevelJumpPromptPausesTheClockAndSetsUpTheChosenLevel)
{
    f->juego().PrepararNivel(0);
    f->cmdEmpezar_Click();
    bool relojDuranteLaPregunta = true;
    auto reg = ResponderModales(1, [&](QWidget *w) {
        relojDuranteLaPregunta = f->tmrJuego.isActive();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("You're a Cheater :)"));
        auto *d = qobject_cast<QInputDialog *>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->textValue(), QStringLiteral("0"));
        EscribirYAceptar(w, QStringLiteral("12"));
    });
    QTest::mouseClick(Control<QWidget>(QStringLiteral("imgCHEAT")), Qt::LeftButton);
    EXPECT_EQ(reg->pendientes, 0);
    EXPECT_EQ(reg->textos.value(0), QStringLiteral("Go to Level (0 - 49) :"));
    EXPECT_FALSE(relojDuranteLaPregunta);
    EXPECT_EQ(estado.NivelActual, 12);
    EXPECT_EQ(Texto("lblNivel"), QStringLiteral("13"));
    EXPECT_FALSE(f->tmrJuego.isActive());
    EXPECT_TRUE(Control<QWidget>(QStringLiteral("picMensaje"))->isVisible());
}

TEST_F(Pantalla, CancellingTheLevelJumpGoesToTheFirstLevel)
{
    f->juego().PrepararNivel(30);
    auto reg = ResponderModales(1, Cancelar);
    QTest::mouseClick(Control<QWidget>(QStringLiteral("imgCHEAT")), Qt::LeftButton);
    EXPECT_EQ(reg->pendientes, 0);
    EXPECT_EQ(estado.NivelActual, 0);
}

namespace {
// Counts the paint events each control of a window receives.
struct Pintados : QObject {
    std::map<QString, int> n;
    bool eventFilter(QObject *o, QEvent *ev) override
    {
        if (ev->type() == QEvent::Paint)
            ++n[o->objectName()];
        return false;
    }
    void Vaciar()
    {
        for (int k = 0; k < 5; ++k)
            QApplication::processEvents();
        n.clear();
    }
};
}  // namespace

TEST_F(Pantalla, AClockTickAndAFlashRepaintOnlyWhatChanged)
{
    f->juego().PrepararNivel(0);
    f->cmdEmpezar_Click();
    // The test drives the timers by hand.
    f->tmrJuego.stop();
    f->tmrAnim.stop();
    f->tmrFlash.stop();
    Pintados pintados;
    f->installEventFilter(&pintados);
    for (QWidget *w : f->findChildren<QWidget *>())
        w->installEventFilter(&pintados);
    pintados.Vaciar();

    f->tmrJuego_Timer();
    pintados.Vaciar();  // what START and the first tick repainted
    f->tmrJuego_Timer();
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
    EXPECT_GE(pintados.n[QStringLiteral("lblSegundos")], 1);
    for (const char *quieto : {"lblPuntos", "lblNivel", "lblEncontrados", "Label8", "shpIzq_0"})
        EXPECT_EQ(pintados.n[QString::fromLatin1(quieto)], 0) << quieto;

    // The flash changes the window's back colour: only the background that shows repaints.
    int visible = 0;
    while (estado.Casillas[visible].Visible == false)
        ++visible;
    auto *etiqueta = Control(QStringLiteral("lblTextos_%1").arg(visible));
    pintados.Vaciar();
    f->FondoVentana(0x0000FF);  // red, packed as the rules keep colours
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
    EXPECT_EQ(pintados.n[etiqueta->objectName()], 0);
    EXPECT_EQ(pintados.n[QStringLiteral("lblSegundos")], 0);
    EXPECT_GE(pintados.n[QStringLiteral("frmMain")], 1);
    const Pixeles imagen(f);
    EXPECT_EQ(imagen(2, 2), QColor(Qt::red));
    EXPECT_EQ(imagen(etiqueta->geometry().topLeft() + QPoint(1, 1)), QColor(Qt::white));
}

TEST_F(Pantalla, TheSecondsCounterDrawsAnyTextAsAPlainLabelWould)
{
    // The counter paints its back and its line itself, in one painter.
    auto *segundos = Control<ContadorSegundos>(QStringLiteral("lblSegundos"));
    QLabel referencia;
    referencia.setFont(segundos->font());
    referencia.setPalette(segundos->palette());
    referencia.setAutoFillBackground(true);
    referencia.setFixedSize(segundos->size());
    QStringList textos{QString(), QStringLiteral("-"), QStringLiteral("AVAWAYTo.,"), QStringLiteral("12 34"),
        QStringLiteral("1\n2"), QStringLiteral("WWWWWWWWWWWWW.99"), QStringLiteral("\u05e9\u05dc\u05d5\u05dd 5")};
    for (int centesimas = -250; centesimas <= 12000; centesimas += 997)
        textos << QString::asprintf("%.2f", centesimas / 100.0);
    for (Qt::Alignment alineacion :
        {Qt::Alignment(Qt::AlignCenter), Qt::AlignLeft | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom}) {
        segundos->setAlignment(alineacion);
        referencia.setAlignment(alineacion);
        for (const QString &texto : textos) {
            segundos->PonerTexto(texto);
            referencia.setText(texto);
            EXPECT_EQ(Pixeles(segundos).Imagen(), Pixeles(&referencia).Imagen())
                << texto.toStdString() << " " << int(alineacion);
        }
    }
}

TEST(Forma, ALitSquareIsItsColourInsideAWhiteBandOfTheBordersWidth)
{
    QWidget fondo;
    Forma cuadro(&fondo, QStringLiteral("cuadro"), QRect(0, 0, 17, 17), QColor(170, 85, 0));
    cuadro.PonerBorde(true);
    const Pixeles imagen(&cuadro);
    const int k = Forma::kAnchoBorde;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x) {
            const bool enBanda = x < k || y < k || x >= 17 - k || y >= 17 - k;
            ASSERT_EQ(imagen(x, y), enBanda ? QColor(Qt::white) : cuadro.Relleno()) << x << "," << y;
        }
}

TEST(Etiqueta, ABorderIsEquallyThickOnEverySideAndOnTheOutermostPixels)
{
    QWidget fondo;
    Etiqueta etiqueta(&fondo, QStringLiteral("etiqueta"), QRect(0, 0, 60, 20));
    etiqueta.PonerFondo(Qt::white);
    etiqueta.PonerBorde(true);
    const QImage imagen = Pixeles(&etiqueta).Imagen();
    // Black pixels from each edge inwards, across the middle of the label.
    const auto grosor = [&](QPoint desde, QPoint paso) {
        int n = 0;
        for (QPoint p = desde; imagen.rect().contains(p) && imagen.pixelColor(p) == QColor(Qt::black); p += paso)
            ++n;
        return n;
    };
    const int w = imagen.width(), h = imagen.height();
    const int izquierda = grosor({0, h / 2}, {1, 0});
    EXPECT_GE(izquierda, 1);
    EXPECT_EQ(grosor({w - 1, h / 2}, {-1, 0}), izquierda);
    EXPECT_EQ(grosor({w / 2, 0}, {0, 1}), izquierda);
    EXPECT_EQ(grosor({w / 2, h - 1}, {0, -1}), izquierda);
    // Square corners, not cut off.
    for (QPoint esquina : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(imagen.pixelColor(esquina), QColor(Qt::black)) << esquina.x() << "," << esquina.y();
}

TEST_F(Pantalla, TheSecondsCounterRepaintedInPlaceLooksFreshlyPainted)
{
    f->juego().PrepararNivel(0);
    f->cmdEmpezar_Click();
    f->tmrJuego.stop();
    auto *segundos = Control(QStringLiteral("lblSegundos"));
    const QRect lugar = segundos->geometry();
    // What the window shows at the counter's place, against the counter painted afresh.
    auto enPantalla = [&] { return Pixeles(f, lugar).Imagen(); };
    auto fresco = [&] { return Pixeles(segundos).Imagen(); };
    QApplication::processEvents();
    // Each tick repaints only from the first character that changes, one or several of them;
    // from "10.00" to "9.98" the text narrows: no trace of the wider one may stay.
    estado.TiempoRestante = 12.44f;
    for (int tick = 0; tick < 200 && segundos->text() != QLatin1String("9.96"); ++tick) {
        f->tmrJuego_Timer();
        ASSERT_EQ(enPantalla(), fresco()) << segundos->text().toStdString();
    }
    EXPECT_EQ(segundos->text(), QLatin1String("9.96"));
}
