// The title menu driven for real under the offscreen platform: its look and hotspots, the
// difficulty choice and the game it starts, the ways back from the game, the quit question
// and the web link, and a menu whose title picture is missing.
#include "Apariencia.h"
#include "Arte.h"
#include "Contexto.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Modales.h"
#include "Web.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Notes, in order, the showing and hiding of the windows and of the difficulty panel, with
// what the game state held at that moment.
class Cronica : public QObject {
public:
    struct Paso {
        QString que;
        float dificultad;
        float tiempoNivel;
    };
    explicit Cronica(const EstadoJuego &e) : e_(e) { qApp->installEventFilter(this); }
    ~Cronica() override { qApp->removeEventFilter(this); }
    std::vector<Paso> pasos;

protected:
    bool eventFilter(QObject *o, QEvent *ev) override
    {
        const QString n = o->objectName();
        const bool vigilado = n == QLatin1String("frmIntro") || n == QLatin1String("frmMain")
            || n == QLatin1String("picDificultad");
        if (vigilado && (ev->type() == QEvent::Show || ev->type() == QEvent::Hide))
            pasos.push_back(
                {(ev->type() == QEvent::Show ? QStringLiteral("show ") : QStringLiteral("hide ")) + n,
                    e_.DificultadActual, e_.TiempoNivel});
        return false;
    }

private:
    const EstadoJuego &e_;
};

struct Menu : ::testing::Test {
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{7};
    Contexto ctx{estado, sonido, web, azar, QStringLiteral(VELUNDA_SOURCE_DIR), {}, {}};
    std::unique_ptr<frmIntro> menu;
    int terminar = 0, records = 0;

    void SetUp() override
    {
        ctx.terminar = [this] { ++terminar; };
        ctx.abrirRecords = [this] { ++records; };
        Abrir();
    }
    void Abrir()
    {
        menu.reset();  // one menu at a time: each takes over the context's menu hook
        menu = std::make_unique<frmIntro>(ctx);
        menu->show();
    }
    void TearDown() override { menu.reset(); }  // takes an open game screen with it

    template <class T = QWidget> T *Control(const QString &nombre)
    {
        T *w = menu->findChild<T *>(nombre);
        EXPECT_NE(w, nullptr) << nombre.toStdString();
        return w;
    }
    QWidget *Panel() { return Control(QStringLiteral("picDificultad")); }
    void Clic(const char *nombre) { QTest::mouseClick(Control(QString::fromLatin1(nombre)), Qt::LeftButton); }
    void Elegir(int index)
    {
        Clic("imgJugar");
        QTest::mouseClick(
            Control<QPushButton>(QStringLiteral("cmdDificultad_%1").arg(index)), Qt::LeftButton);
    }
    QString Segundos()
    {
        frmMain *j = menu->JuegoAbierto();
        return j ? j->findChild<QLabel *>(QStringLiteral("lblSegundos"))->text() : QString();
    }
    // The game screen closes itself with a deferred delete; let it go.
    static void SoltarVentanasCerradas()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

const struct Zona {
    const char *nombre;
    QRect lugar;
} kZonas[] = {
    {"imgJugar", {544, 104, 185, 97}},
    {"imgHOF", {568, 232, 177, 81}},
    {"imgAyuda", {480, 336, 153, 65}},
    {"imgSalir1", {648, 368, 97, 41}},
    {"imgSalir2", {592, 408, 153, 65}},
    {"imgWeb", {224, 440, 297, 33}},
};

}  // namespace

TEST_F(Menu, WindowHasTheCommonLookAndAFixedClientArea)
{
    EXPECT_EQ(menu->size(), QSize(752, 480));
    EXPECT_EQ(menu->minimumSize(), menu->maximumSize());
    EXPECT_EQ(menu->windowTitle(), TituloVentana());
    EXPECT_FALSE(menu->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(menu->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(menu->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(MismoCursor(menu->cursor(), CursorFlecha()));
    EXPECT_FALSE(menu->windowIcon().pixmap(32).isNull());
}

TEST_F(Menu, HotspotsSitOnTopAtTheirPlacesWithThePinkCursor)
{
    // The game's own 32 x 32 arrows, not the desktop's stand-ins.
    EXPECT_EQ(CursorMano().shape(), Qt::BitmapCursor);
    EXPECT_EQ(CursorMano().pixmap().deviceIndependentSize(), QSizeF(32, 32));
    ASSERT_FALSE(MismoCursor(CursorMano(), CursorFlecha()));
    for (const Zona &z : kZonas) {
        auto *w = Control(QString::fromLatin1(z.nombre));
        EXPECT_EQ(w->geometry(), z.lugar) << z.nombre;
        EXPECT_TRUE(MismoCursor(w->cursor(), CursorMano())) << z.nombre;
        // Nothing lies over the hotspot: a click anywhere on it reaches it.
        EXPECT_EQ(menu->childAt(z.lugar.topLeft()), w) << z.nombre;
        EXPECT_EQ(menu->childAt(z.lugar.bottomRight()), w) << z.nombre;
    }
    auto *titulo = Control<QLabel>(QStringLiteral("imgTitulo"));
    EXPECT_EQ(titulo->geometry(), QRect(0, 0, 752, 480));
    EXPECT_FALSE(titulo->pixmap().isNull());
    auto *version = Control<Etiqueta>(QStringLiteral("Label2"));
    EXPECT_EQ(version->text(), QStringLiteral("Velunda v1.0"));
    EXPECT_EQ(version->geometry(), QRect(552, 8, 185, 17));
    EXPECT_TRUE(version->alignment() & Qt::AlignRight);
    EXPECT_EQ(version->Fondo(), QColor(Qt::transparent));
}

TEST_F(Menu, DifficultyPanelIsHiddenAtStartAndLaidOutAsDrawn)
{
    QWidget *panel = Panel();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->geometry(), QRect(256, 112, 297, 257));
    auto *rotulo = Control<Etiqueta>(QStringLiteral("Label1"));
    EXPECT_EQ(rotulo->parentWidget(), panel);
    EXPECT_EQ(rotulo->text(), QStringLiteral("DIFFICULTY"));
    EXPECT_EQ(rotulo->geometry(), QRect(16, 8, 265, 33));
    EXPECT_EQ(rotulo->ColorTexto(), QColor(0, 0, 255));
    EXPECT_TRUE(rotulo->font().bold());
    EXPECT_TRUE(rotulo->font().underline());
    EXPECT_EQ(rotulo->font().pixelSize(), 32);  // 24 pt at 96 dpi
    const char *textos[] = {"VERY EASY (TRAINING)", "EASY", "NORMAL", "HARD"};
    const int tops[] = {56, 104, 152, 200};
    for (int i = 0; i < 4; ++i) {
        auto *b = Control<QPushButton>(QStringLiteral("cmdDificultad_%1").arg(i));
        EXPECT_EQ(b->parentWidget(), panel);
        EXPECT_EQ(b->text(), QString::fromLatin1(textos[i]));
        EXPECT_EQ(b->geometry(), QRect(72, tops[i], 153, 33));
        // Every caption fits its button in the window font.
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 8) << i;
        if (i > 0) {  // keyboard focus moves through the buttons in index order
            auto *antes = Control<QPushButton>(QStringLiteral("cmdDificultad_%1").arg(i - 1));
            EXPECT_EQ(antes->nextInFocusChain(), b) << i;
        }
    }
}

TEST_F(Menu, PlayShowsThePanelOverThePictureAndTheOtherHotspotsStayActive)
{
    const float antes = estado.DificultadActual;
    Clic("imgJugar");
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(estado.DificultadActual, antes);
    EXPECT_EQ(menu->JuegoAbierto(), nullptr);
    // The panel lies over the edge of the Play and Help hotspots.
    EXPECT_TRUE(Panel()->isAncestorOf(menu->childAt(548, 150)) || menu->childAt(548, 150) == Panel());
    Clic("imgWeb");
    EXPECT_EQ(web.pedidas.size(), 1);
    Clic("imgJugar");  // a second Play changes nothing
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(menu->JuegoAbierto(), nullptr);
}

TEST_F(Menu, EachDifficultyStartsLevelOneWithItsAllowance)
{
    const struct {
        int index;
        const char *segundos;
    } casos[] = {{0, "61.00"}, {1, "30.00"}, {2, "15.00"}, {3, "7.00"}};
    for (const auto &c : casos) {
        Elegir(c.index);
        frmMain *juego = menu->JuegoAbierto();
        ASSERT_NE(juego, nullptr) << c.index;
        EXPECT_EQ(estado.DificultadActual, static_cast<float>(c.index));
        EXPECT_EQ(Segundos(), QString::fromLatin1(c.segundos)) << c.index;
        EXPECT_EQ(estado.NivelActual, 0);
        EXPECT_TRUE(juego->isVisible());
        EXPECT_FALSE(menu->isVisible());
        EXPECT_TRUE(Panel()->isHidden());
        EXPECT_TRUE(juego->juego().EsperandoEmpezar());
        juego->close();
        SoltarVentanasCerradas();
        EXPECT_EQ(menu->JuegoAbierto(), nullptr);
    }
}

TEST_F(Menu, ChoosingADifficultySetsTheValueHidesThenShowsTheGameThenSetsUpTheLevel)
{
    Clic("imgJugar");
    Cronica cronica(estado);
    QTest::mouseClick(Control<QPushButton>(QStringLiteral("cmdDificultad_3")), Qt::LeftButton);
    ASSERT_EQ(cronica.pasos.size(), 3u);
    EXPECT_EQ(cronica.pasos[0].que, QStringLiteral("hide picDificultad"));
    EXPECT_EQ(cronica.pasos[1].que, QStringLiteral("hide frmIntro"));
    EXPECT_EQ(cronica.pasos[2].que, QStringLiteral("show frmMain"));
    for (const auto &p : cronica.pasos) {
        EXPECT_EQ(p.dificultad, static_cast<float>(Dificil)) << p.que.toStdString();
        EXPECT_EQ(p.tiempoNivel, 0.f) << p.que.toStdString();  // level 0 not yet set up
    }
    EXPECT_EQ(estado.TiempoNivel, 7.f);
    EXPECT_EQ(Segundos(), QStringLiteral("7.00"));
}

TEST_F(Menu, LeavingTheGameByItsMenuHotspotOrCloseBoxDropsItAndShowsTheMenuWithThePanelHidden)
{
    for (const bool porElCierre : {false, true}) {
        const Dificultad dificultad = porElCierre ? Facil : Dificil;
        Elegir(dificultad);
        QPointer<frmMain> juego = menu->JuegoAbierto();
        juego->cmdEmpezar_Click();
        estado.PuntosTotales = 4321;
        if (porElCierre)
            EXPECT_TRUE(juego->close());  // what the window's close box asks for
        else
            QTest::mouseClick(juego->findChild<QWidget *>(QStringLiteral("imgVolverAlMenu")), Qt::LeftButton);
        SoltarVentanasCerradas();
        EXPECT_TRUE(juego.isNull()) << porElCierre;
        EXPECT_EQ(estado.PuntosTotales, 0) << porElCierre;
        EXPECT_TRUE(menu->isVisible() && Panel()->isHidden()) << porElCierre;
        EXPECT_EQ(estado.DificultadActual, static_cast<float>(dificultad));  // the choice survives
    }
    // The next game loads a fresh game screen.
    Elegir(Normal);
    ASSERT_NE(menu->JuegoAbierto(), nullptr);
    EXPECT_EQ(Segundos(), QStringLiteral("15.00"));
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(Menu, QuitAnsweredNoFromEitherHotspotOrTheCloseBoxChangesNothing)
{
    Clic("imgJugar");  // the panel is up, and must stay up
    estado.DificultadActual = Facil;
    estado.PuntosTotales = 77;
    estado.NivelActual = 5;
    const QWidgetList ventanas = QApplication::topLevelWidgets();

    auto reg = ResponderModales(3, [](QWidget *w) { PulsarBoton(w, QMessageBox::No); });
    Clic("imgSalir1");
    Clic("imgSalir2");
    EXPECT_FALSE(menu->close());  // the close box: refused, then the question
    EXPECT_EQ(reg->pendientes, 0);
    EXPECT_EQ(reg->textos, QStringList(3, QStringLiteral("Are you sure?")));
    EXPECT_EQ(reg->titulos, QStringList(3, QStringLiteral("Quit!")));

    EXPECT_EQ(terminar, 0);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(QApplication::topLevelWidgets(), ventanas);
    EXPECT_EQ(estado.DificultadActual, static_cast<float>(Facil));
    EXPECT_EQ(estado.PuntosTotales, 77);
    EXPECT_EQ(estado.NivelActual, 5);
    EXPECT_TRUE(web.pedidas.isEmpty());
    // Still usable: Play after No starts a game as usual.
    QTest::mouseClick(Control<QPushButton>(QStringLiteral("cmdDificultad_2")), Qt::LeftButton);
    EXPECT_EQ(Segundos(), QStringLiteral("15.00"));
}

TEST_F(Menu, QuitAnsweredYesEndsTheProgramFromEachWayIn)
{
    auto reg = ResponderModales(3, [](QWidget *w) { PulsarBoton(w, QMessageBox::Yes); });
    Clic("imgSalir1");
    EXPECT_EQ(terminar, 1);
    Clic("imgSalir2");
    EXPECT_EQ(terminar, 2);
    menu->close();  // though the close itself was cancelled first
    EXPECT_EQ(terminar, 3);
    EXPECT_EQ(reg->pendientes, 0);
}

TEST_F(Menu, WebHotspotAsksForThePageOnceAndChangesNothingElse)
{
    Clic("imgJugar");
    estado.DificultadActual = Dificil;
    Clic("imgWeb");
    ASSERT_EQ(web.pedidas.size(), 1);
    EXPECT_EQ(web.pedidas[0], DireccionWeb());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(menu->JuegoAbierto(), nullptr);
    EXPECT_EQ(estado.DificultadActual, static_cast<float>(Dificil));
    EXPECT_EQ(terminar + records, 0);
}

TEST_F(Menu, HighScoresHotspotOpensTheHighScoreScreen)
{
    Clic("imgHOF");
    EXPECT_EQ(records, 1);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(web.pedidas.isEmpty());
}

TEST_F(Menu, TheMenuHookBringsTheMenuBackWithThePanelHidden)
{
    Clic("imgJugar");
    menu->hide();
    ASSERT_TRUE(ctx.mostrarMenu);
    ctx.mostrarMenu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(Panel()->isHidden());
    menu.reset();
    EXPECT_FALSE(ctx.mostrarMenu);  // no hook left pointing at a window that is gone
}

TEST_F(Menu, WinningShowsTheMenuBeforeTheHighScoreScreenAndKeepsTheTotal)
{
    bool menuVisibleAlAbrirRecords = false;
    int32_t totalAlAbrirRecords = -1;
    ctx.abrirRecords = [&] {
        menuVisibleAlAbrirRecords = menu->isVisible() && Panel()->isHidden();
        totalAlAbrirRecords = estado.PuntosTotales;
    };
    Elegir(Normal);
    estado.PartidaGanada = true;
    estado.PuntosTotales = 123456;
    menu->JuegoAbierto()->PartidaGanadaCerrar();
    EXPECT_TRUE(menuVisibleAlAbrirRecords);
    EXPECT_EQ(totalAlAbrirRecords, 123456);
}

TEST_F(Menu, WithoutTheTitlePictureTheMenuDrawsItsChoicesAndEveryHotspotWorks)
{
    QTemporaryDir vacia;
    ASSERT_TRUE(vacia.isValid());
    ctx.dirApp = vacia.path();
    Abrir();

    auto *titulo = Control<QLabel>(QStringLiteral("imgTitulo"));
    ASSERT_FALSE(titulo->pixmap().isNull());
    EXPECT_EQ(titulo->geometry(), QRect(QPoint(0, 0), TamanoTitulo));
    const QImage pintada = titulo->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage esperada
        = ImagenTitulo(titulo->pixmap().devicePixelRatio()).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(pintada == esperada);

    Clic("imgWeb");
    Clic("imgHOF");
    EXPECT_EQ(web.pedidas.size(), 1);
    EXPECT_EQ(records, 1);
    auto reg = ResponderModales(2, [](QWidget *w) { PulsarBoton(w, QMessageBox::Yes); });
    Clic("imgSalir1");
    Clic("imgSalir2");
    EXPECT_EQ(terminar, 2);
    Elegir(Normal);
    EXPECT_EQ(Segundos(), QStringLiteral("15.00"));
}

TEST_F(Menu, AnUnreadableTitlePictureIsTreatedAsMissing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data")));
    QFile roto(dir.path() + QStringLiteral("/Data/Titulo.jpg"));
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("not a picture at all");
    roto.close();
    ctx.dirApp = dir.path();
    Abrir();
    auto *titulo = Control<QLabel>(QStringLiteral("imgTitulo"));
    ASSERT_FALSE(titulo->pixmap().isNull());
    EXPECT_EQ(titulo->size(), TamanoTitulo);
}
