// The player's comforts on the real windows: pause (keys, button, minimising), the focus
// ring, the settings kept in a file of the test's own, sound off through M or the settings
// window, and calm flashing on the game screen.
#include "Ajustes.h"
#include "AtajoSonido.h"
#include "ComoOtroUsuario.h"
#include "Controles.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "MarcaFoco.h"
#include "Pixeles.h"
#include "SonidoConmutable.h"
#include "SonidoOpenAL.h"
#include "frmAjustes.h"
#include "frmAyuda.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Comodidades : ::testing::Test {
    QTemporaryDir dir;
    QString archivo = dir.filePath(QStringLiteral("ajustes.ini"));
    Ajustes ajustes{archivo};
    EstadoJuego estado;
    ReproductorFalso falso;
    SonidoConmutable sonido{falso, ajustes, QStringLiteral("/juego"), nullptr};
    WebFalsa web;
    GeneradorFijo azar{77};
    Contexto ctx{estado, sonido, web, azar, QStringLiteral("/juego"), {}, {}};
    QPointer<frmMain> f;
    void SetUp() override { ctx.ajustes = &ajustes; }
    void TearDown() override { delete f.data(); }
    void Jugar()
    {
        estado.DificultadActual = Normal;
        f = new frmMain(ctx);
        f->show();
        f->juego().PrepararNivel(0);
        QTest::keyClick(f, Qt::Key_Return);
    }
    QWidget *Hijo(const char *nombre) { return f->findChild<QWidget *>(QString::fromLatin1(nombre)); }
    // The board is covered: the pause panel is up over every label.
    bool Tapado()
    {
        QRect rejilla;
        for (auto *l : f->findChildren<Etiqueta *>(QRegularExpression(QStringLiteral("^lblTextos_"))))
            rejilla |= l->geometry();
        return Hijo("lblPausa")->isVisible() && Hijo("picMensaje")->geometry().contains(rejilla);
    }
};

// Runs `abrir`, closing the settings window once it shows; tells whether it showed.
bool SeAbrenLosAjustes(const std::function<void()> &abrir)
{
    bool visto = false;
    QTimer sondeo;
    QObject::connect(&sondeo, &QTimer::timeout, [&] {
        if (auto *v = qobject_cast<frmAjustes *>(QApplication::activeModalWidget())) {
            visto = true;
            v->reject();
        }
    });
    sondeo.start(10);
    abrir();
    return visto;
}

}  // namespace

TEST_F(Comodidades, EscapeOrPPausesUnderACoverAndEnterSpaceOrGoOnPlayOn)
{
    Jugar();
    const auto seguir = [&](const std::function<void()> &como) {
        ASSERT_TRUE(Tapado() && !f->tmrJuego.isActive());
        como();
        EXPECT_TRUE(f->tmrJuego.isActive() && !Hijo("picMensaje")->isVisible());
    };
    QTest::keyClick(f, Qt::Key_Escape);
    seguir([&] { QTest::keyClick(f, Qt::Key_Return); });
    QTest::keyClick(f, Qt::Key_P);
    seguir([&] { QTest::keyClick(f, Qt::Key_Space); });
    QTest::keyClick(f, Qt::Key_Escape);
    seguir([&] { QTest::mouseClick(Hijo("cmdSeguir"), Qt::LeftButton); });
    f->showMinimized();
    EXPECT_TRUE(f->juego().EnPausa() && Tapado());
    f->juego().PrepararNivel(1);  // the level jump's prompt can open over a pause
    EXPECT_TRUE(Hijo("cmdEmpezar")->isVisible() && !Hijo("cmdSeguir")->isVisible());
}

TEST_F(Comodidades, PausedPanelLeadsBackToTheMenuByKeysAlone)
{
    int menus = 0;
    ctx.mostrarMenu = [&] { ++menus; };
    Jugar();
    estado.PuntosTotales = 4321;
    auto *marca = Hijo("picMensaje")->findChild<MarcaFoco *>();
    ASSERT_NE(marca, nullptr);
    // Tab and the arrows go between the two buttons, the choice ringed; Enter takes it.
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_TRUE(marca->isVisible() && marca->geometry().contains(Hijo("cmdSeguir")->geometry()));
    QTest::keyClick(f, Qt::Key_Tab);
    QTest::keyClick(f, Qt::Key_Down);
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_TRUE(f->tmrJuego.isActive() && !Hijo("picMensaje")->isVisible()) << "twice moved is GO ON again";
    QTest::keyClick(f, Qt::Key_Escape);
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_TRUE(marca->geometry().contains(Hijo("cmdMenuPausa")->geometry()));
    EXPECT_EQ(menus, 0);
    QTest::keyClick(f, Qt::Key_Return);
    // What the back-to-menu picture does: the score dropped, the game screen gone, the menu up.
    EXPECT_EQ(menus, 1);
    EXPECT_EQ(estado.PuntosTotales, 0);
    EXPECT_TRUE(f.isNull() || !f->isVisible());
}

TEST_F(Comodidades, FirstKeyShowsTheRingOnTheFirstLabelAndThenAClickMovesIt)
{
    Jugar();
    QTest::keyClick(f, Qt::Key_Space);  // shows the ring, chooses nothing
    int primera = 0;
    while (!estado.Casillas[primera].Visible)
        ++primera;
    EXPECT_EQ(f->FocoTeclado(), primera);
    EXPECT_TRUE(f->juego().Encontrados() == 0 && f->findChild<MarcaFoco *>()->isVisible());
    const int acierto = AciertosVisibles(estado).back();
    QTest::mouseClick(f->findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(acierto)), Qt::LeftButton);
    EXPECT_TRUE(f->FocoTeclado() == acierto && f->juego().Encontrados() == 1);
    auto *marca = f->findChild<MarcaFoco *>();
    const Pixeles anillo(marca);
    EXPECT_EQ(anillo(0, marca->height() / 2), QColor(Qt::black));
    EXPECT_EQ(anillo(MarcaFoco::kGrosor - 1, marca->height() / 2), QColor(Qt::white));
}

TEST_F(Comodidades, DefaultsAreTheGameAsItWasAndChoicesSurviveARestart)
{
    EXPECT_TRUE(ajustes.Valor(Ajustes::Clave::Sonido) && !ajustes.Valor(Ajustes::Clave::DestelloTranquilo));
    ajustes.Poner(Ajustes::Clave::Sonido, false);
    ajustes.Poner(Ajustes::Clave::DestelloTranquilo, true);
    Ajustes otraVez(archivo);
    EXPECT_TRUE(!otraVez.Valor(Ajustes::Clave::Sonido) && otraVez.Valor(Ajustes::Clave::DestelloTranquilo));
    otraVez.Poner(Ajustes::Clave::DestelloTranquilo, false);
    otraVez.PonerDeseoCalma(true);  // the player's own choice wins over the desktop's
    EXPECT_FALSE(otraVez.Valor(Ajustes::Clave::DestelloTranquilo));
    Ajustes nuevo(dir.filePath(QStringLiteral("otro.ini")));
    nuevo.PonerDeseoCalma(true);  // no choice yet: the desktop's wish for less motion
    EXPECT_TRUE(nuevo.Valor(Ajustes::Clave::DestelloTranquilo));
}

TEST_F(Comodidades, AChoiceTheSettingsFileCannotKeepIsToldInTheSettingsWindow)
{
    // Open to `nobody`, who runs the checks when the suite runs as root.
    QFile::setPermissions(dir.path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::WriteOther
            | QFile::ExeOther);
    EXPECT_TRUE(ComoUsuarioComun([&] {
        const QString propio = dir.filePath(QStringLiteral("solo_lectura.ini"));
        Ajustes a(propio);
        frmAjustes ventana(a, nullptr);
        auto *aviso = ventana.findChild<QLabel *>(QStringLiteral("lblAviso"));
        if (!aviso)
            return false;
        a.Alternar(Ajustes::Clave::Sonido);  // kept: the window says nothing
        const bool callaSiSeGuarda = aviso->isHidden();
        QFile::setPermissions(propio, QFile::ReadOwner | QFile::ReadOther);
        a.Alternar(Ajustes::Clave::Sonido);  // as M does
        return callaSiSeGuarda && !aviso->isHidden() && !aviso->text().isEmpty()
            && a.UltimaConservacion() == Ajustes::Conservacion::SinPermiso;
    }));
}

TEST_F(Comodidades, CalmFlashingSettingHoldsTheGameScreensColour)
{
    ajustes.Poner(Ajustes::Clave::DestelloTranquilo, true);
    Jugar();
    estado.TiempoRestante = 3.f;
    f->tmrFlash_Timer();
    f->tmrFlash_Timer();
    // The colour the window shows: a corner of its background.
    EXPECT_EQ(Pixeles(f)(2, 2), QColor(255, 150, 150));
}

TEST_F(Comodidades, MSilencesTheCuesAnywhereButInATextBoxAndTheSettingsWindowFollows)
{
    AtajoSonido atajo(ajustes);
    qApp->installEventFilter(&atajo);
    frmAjustes ventana(ajustes, nullptr);
    auto *chk = ventana.findChild<QCheckBox *>(QStringLiteral("chkSonido"));
    Jugar();
    QTest::keyClick(f, Qt::Key_M);
    EXPECT_FALSE(ajustes.Valor(Ajustes::Clave::Sonido) || chk->isChecked());
    f->lblTextos_Click(AciertosVisibles(estado)[0]);
    EXPECT_TRUE(falso.pedidos.empty());
    QLineEdit nombre;
    QTest::keyClick(&nombre, Qt::Key_M);
    EXPECT_EQ(nombre.text(), QStringLiteral("m"));
    EXPECT_FALSE(ajustes.Valor(Ajustes::Clave::Sonido));
    chk->click();
    EXPECT_TRUE(ajustes.Valor(Ajustes::Clave::Sonido));
    f->lblTextos_Click(AciertosVisibles(estado)[1]);
    EXPECT_EQ(falso.pedidos.size(), 1u);
    qApp->removeEventFilter(&atajo);
}

TEST_F(Comodidades, MReachesAPathTypedInAFileDialogWithItsCompletionListOpen)
{
    AtajoSonido atajo(ajustes);
    qApp->installEventFilter(&atajo);
    ASSERT_TRUE(
        QDir(dir.path()).mkpath(QStringLiteral("dm1")) && QDir(dir.path()).mkpath(QStringLiteral("dm2")));
    QFileDialog dialogo(nullptr, QStringLiteral("Export history"), dir.path());
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.show();
    auto *nombre = dialogo.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(nombre && nombre->completer());
    QWidget *lista = nombre->completer()->popup();
    // The folder is read on a thread of Qt's: type until the list offers the two folders.
    for (int vez = 0; vez < 200 && !lista->isVisible(); ++vez) {
        nombre->clear();
        QTest::keyClick(nombre, Qt::Key_D);
        QTest::qWait(10);
    }
    ASSERT_TRUE(lista->isVisible());
    QTest::keyClick(lista, Qt::Key_M);  // an open list takes the keys first
    EXPECT_EQ(nombre->text(), QStringLiteral("dm"));
    EXPECT_TRUE(ajustes.Valor(Ajustes::Clave::Sonido));
    QTest::keyClick(nombre, Qt::Key_Escape);
    QTest::keyClick(&dialogo, Qt::Key_M);  // nor in the dialog itself
    EXPECT_TRUE(ajustes.Valor(Ajustes::Clave::Sonido));
    qApp->removeEventFilter(&atajo);
}

TEST_F(Comodidades, WithSoundOffNoAudioDeviceIsOpenedAndAnOpenOneCloses)
{
    SonidoOpenAL reproductor;
    SonidoConmutable conmutable(
        reproductor, ajustes, QStringLiteral(VELUNDA_SOURCE_DIR), [&reproductor] { reproductor.Cerrar(); });
    ajustes.Poner(Ajustes::Clave::Sonido, false);
    conmutable.ReproducirSonido(Senal::Bien);
    EXPECT_FALSE(reproductor.AudioAbierto());
    ajustes.Poner(Ajustes::Clave::Sonido, true);
    conmutable.ReproducirSonido(Senal::Bien);
    ASSERT_TRUE(reproductor.AudioAbierto());
    ajustes.Alternar(Ajustes::Clave::Sonido);
    EXPECT_FALSE(reproductor.AudioAbierto());
}

TEST_F(Comodidades, SettingsOpenFromTheMenuByTheSKeyAndFromTheHelpScreen)
{
    frmIntro menu(ctx);
    menu.show();
    EXPECT_TRUE(SeAbrenLosAjustes([&] { QTest::keyClick(&menu, Qt::Key_S); }));
    frmAyuda ayuda(ctx, &menu);
    auto *boton = ayuda.findChild<QPushButton *>(QStringLiteral("cmdAjustes"));
    ASSERT_NE(boton, nullptr);
    EXPECT_TRUE(SeAbrenLosAjustes([&] { boton->click(); }));
}
