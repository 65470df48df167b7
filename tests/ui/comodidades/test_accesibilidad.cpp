// The comforts for colour-blind, low-vision and screen-reader players on the real windows:
// every control a player can reach has a name, the board's names never give the ink away,
// outlined words keep a dark (or light) edge between any ink and any back, and the settings
// window holds every comfort.
#include "Ajustes.h"
#include "Apariencia.h"
#include "Controles.h"
#include "Daltonismo.h"
#include "Estilo.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Paleta.h"
#include "frmAjustes.h"
#include "frmAyuda.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Accesibilidad : ::testing::Test {
    QTemporaryDir dir;
    Ajustes ajustes{dir.filePath(QStringLiteral("ajustes.ini"))};
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{5};
    Contexto ctx{estado, sonido, web, azar, dir.path(), {}, {}};
    QPointer<frmMain> f;
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
        ctx.ajustes = &ajustes;
        estado.DificultadActual = Normal;
    }
    void TearDown() override { delete f.data(); }
    frmMain &Jugar(int nivel)
    {
        f = new frmMain(ctx);
        f->juego().PrepararNivel(nivel);
        return *f;
    }
};

// A player reaches a control by focus or by a click; clickable word labels and hotspots
// take no focus, so they are named here by what they are.
bool Alcanzable(QWidget *w)
{
    if (w->focusPolicy() != Qt::NoFocus || w->inherits("ZonaActiva"))
        return true;
    return qobject_cast<frmMain *>(w->window()) && w->objectName().startsWith(QLatin1String("lblTextos_"));
}

void SinNombre(QAccessibleInterface *i, QStringList &faltan)
{
    if (!i)
        return;
    auto *w = qobject_cast<QWidget *>(i->object());
    if (w && !w->isWindow() && Alcanzable(w) && i->text(QAccessible::Name).trimmed().isEmpty())
        faltan << w->window()->objectName() + QLatin1Char('/') + w->objectName();
    for (int k = 0; k < i->childCount(); ++k)
        SinNombre(i->child(k), faltan);
}

QStringList SinNombre(QWidget *ventana)
{
    QStringList faltan;
    SinNombre(QAccessible::queryAccessibleInterface(ventana), faltan);
    return faltan;
}

// No pixel of the ink touches a pixel of the back: an edge of some other colour lies between.
// Returns how many such touches the picture holds.
int TintaTocaFondo(const QImage &img, const QColor &tinta, const QColor &fondo)
{
    auto lab = [](QRgb p) { return LabDeSrgb({double(qRed(p)), double(qGreen(p)), double(qBlue(p))}); };
    const ColorLab t = LabDeSrgb({double(tinta.red()), double(tinta.green()), double(tinta.blue())});
    const ColorLab b = LabDeSrgb({double(fondo.red()), double(fondo.green()), double(fondo.blue())});
    int toques = 0;
    for (int y = 0; y + 1 < img.height(); ++y)
        for (int x = 0; x + 1 < img.width(); ++x) {
            const ColorLab p = lab(img.pixel(x, y));
            for (QRgb vecino : {img.pixel(x + 1, y), img.pixel(x, y + 1)}) {
                const ColorLab v = lab(vecino);
                const bool pt = DeltaE00(p, t) < 3, pb = DeltaE00(p, b) < 3;
                const bool vt = DeltaE00(v, t) < 3, vb = DeltaE00(v, b) < 3;
                if ((pt && vb && !pb) || (pb && vt && !vb))
                    ++toques;
            }
        }
    return toques;
}

QImage Pintada(Etiqueta &l, qreal densidad)
{
    QImage img(l.size() * densidad, QImage::Format_RGB32);
    img.setDevicePixelRatio(densidad);
    img.fill(Qt::white);
    QPainter p(&img);
    l.render(&p);
    return img;
}
}  // namespace

TEST_F(Accesibilidad, EveryControlAPlayerCanReachInEveryWindowHasAName)
{
    frmIntro menu(ctx);
    frmAyuda ayuda(ctx, nullptr);
    frmHOF records(ctx, nullptr);
    frmAjustes ventanaAjustes(ajustes, nullptr);
    frmMain &juego = Jugar(49);
    for (QWidget *w : std::initializer_list<QWidget *>{&menu, &ayuda, &records, &ventanaAjustes, &juego})
        EXPECT_TRUE(SinNombre(w).isEmpty()) << SinNombre(w).join(QLatin1String(", ")).toStdString();
}

TEST_F(Accesibilidad, AWordLabelIsNamedByItsWordAndPlaceNeverByItsInk)
{
    frmMain &juego = Jugar(49);
    for (int i = 0; i < kNumCasillas; ++i) {
        auto *l = juego.findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(i));
        ASSERT_NE(l, nullptr);
        const QString nombre = QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name);
        const tCasilla &c = estado.Casillas[i];
        EXPECT_TRUE(nombre.contains(NombrePaleta(c.Texto))) << nombre.toStdString();
        if (c.Color != c.Texto) {
            EXPECT_FALSE(nombre.contains(NombrePaleta(c.Color))) << nombre.toStdString();
        }
    }
    // Two labels differ by their place.
    EXPECT_NE(
        QAccessible::queryAccessibleInterface(juego.findChild<Etiqueta *>(QStringLiteral("lblTextos_0")))
            ->text(QAccessible::Name),
        QAccessible::queryAccessibleInterface(juego.findChild<Etiqueta *>(QStringLiteral("lblTextos_5")))
            ->text(QAccessible::Name));
}

// On white, a found label's black and a missed label's pink, every ink of both sets, at 1x and 2x.
TEST_F(Accesibilidad, OutlinedWordsKeepAnEdgeBetweenEveryInkAndTheirBack)
{
    QWidget padre;
    Etiqueta l(&padre, QStringLiteral("lblPrueba"), QRect(0, 0, 145, 25));
    l.setFont(FuenteVentana(13.5, true));
    const QColor fondos[] = {Qt::white, Qt::black, QColor(255, 200, 200)};
    // The check can fail: without the outline a pale ink touches white all along its letters.
    l.PonerFondo(Qt::white);
    l.PonerColorTexto(QColor(235, 235, 0));
    l.setText(NombrePaleta(5));
    EXPECT_GT(TintaTocaFondo(Pintada(l, 1), QColor(235, 235, 0), Qt::white), 10);

    l.PonerContorno(true);
    for (Tintas juego : {Tintas::Estandar, Tintas::Seguras})
        for (int i = 0; i < kNumColores; ++i) {
            const Tinta t = TintaDe(juego, i);
            const QColor tinta(t.r, t.g, t.b);
            l.PonerColorTexto(tinta);
            l.setText(NombrePaleta(i));
            for (const QColor &fondo : fondos) {
                if (DeltaE00(ColorSrgb{double(t.r), double(t.g), double(t.b)},
                        ColorSrgb{double(fondo.red()), double(fondo.green()), double(fondo.blue())})
                    < 3)
                    continue;  // an ink that is its back has no edge to keep
                l.PonerFondo(fondo);
                for (qreal densidad : {1.0, 2.0})
                    EXPECT_EQ(TintaTocaFondo(Pintada(l, densidad), tinta, fondo), 0)
                        << NombrePaleta(i).toStdString() << " on " << fondo.name().toStdString() << " x"
                        << densidad;
            }
        }
}

TEST_F(Accesibilidad, TheSettingsWindowHoldsEveryComfortAndTheGameFollowsIt)
{
    {
        frmAjustes ventana(ajustes, nullptr);
        for (auto [nombre, clave] : {std::pair{"chkTintasSeguras", Ajustes::Clave::TintasSeguras},
                 {"chkContornoPalabras", Ajustes::Clave::ContornoPalabras},
                 {"chkRitmoRelajado", Ajustes::Clave::RitmoRelajado}}) {
            auto *b = ventana.findChild<QCheckBox *>(QString::fromLatin1(nombre));
            ASSERT_NE(b, nullptr) << nombre;
            EXPECT_FALSE(b->isChecked() || ajustes.Valor(clave)) << nombre;  // off by default
            b->click();
            EXPECT_TRUE(ajustes.Valor(clave)) << nombre;
        }
    }
    frmMain &juego = Jugar(49);
    EXPECT_TRUE(estado.PartidaRelajada);
    for (int i = 0; i < kNumCasillas; ++i) {
        const Tinta t = TintaDe(Tintas::Seguras, estado.Casillas[i].Color);
        EXPECT_EQ(juego.findChild<Etiqueta *>(QStringLiteral("lblTextos_%1").arg(i))->ColorTexto(),
            QColor(t.r, t.g, t.b));
    }
    frmAyuda ayuda(ctx, nullptr);
    const Tinta azul = TintaDe(Tintas::Seguras, 2);
    EXPECT_EQ(ayuda.findChild<Etiqueta *>(QStringLiteral("lblTextos_0"))->ColorTexto(),
        QColor(azul.r, azul.g, azul.b));
}
