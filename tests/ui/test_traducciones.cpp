// The game in the player's language: the catalogues are whole and keep every number and
// line of their English texts, every translated text fits the fixed control it goes into,
// the language comes from the player's preferences, the title menu draws its own words,
// and a high-score table reads the same in every language.
#include "Arte.h"
#include "Contexto.h"
#include "Controles.h"
#include "Estilo.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Idioma.h"
#include "Modales.h"
#include "TablaHOF.h"
#include "TextosJuego.h"
#include "frmAyuda.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

const QString kCarpetaTs = QStringLiteral(VELUNDA_SOURCE_DIR "/translations");

QStringList CodigosTs()
{
    QStringList codigos;
    for (const QString &a : QDir(kCarpetaTs).entryList({QStringLiteral("velunda_*.ts")}))
        codigos << a.mid(8).chopped(3);
    return codigos;
}

// Leaves English behind whatever a test does.
struct EnIdioma {
    explicit EnIdioma(const QString &codigo) { ok = InstalarIdioma(codigo); }
    ~EnIdioma() { QuitarIdioma(); }
    bool ok = false;
};

std::multiset<QString> Argumentos(const QString &s)
{
    static const QRegularExpression arg(QStringLiteral("%\\d"));
    std::multiset<QString> v;
    for (auto it = arg.globalMatch(s); it.hasNext();)
        v.insert(it.next().captured());
    return v;
}

// Why `texto` does not fit `w` at its own font, or empty when it fits.
QString NoCabe(QWidget *w, const QString &texto)
{
    const QFontMetrics fm(w->font());
    if (auto *b = qobject_cast<QPushButton *>(w)) {
        // A button's bevel and padding take a few pixels on each side.
        const int ancho = fm.horizontalAdvance(QString(texto).remove(u'&')) + 12;
        return ancho <= b->width() ? QString() : QStringLiteral("%1 px > %2 px").arg(ancho).arg(b->width());
    }
    auto *l = qobject_cast<QLabel *>(w);
    const QRect caja = l->contentsRect();
    if (l->wordWrap()) {
        const QRect r = fm.boundingRect(caja, int(l->alignment()) | Qt::TextWordWrap, texto);
        return r.height() <= caja.height() && r.width() <= caja.width()
            ? QString()
            : QStringLiteral("wraps to %1 x %2 px in %3 x %4")
                  .arg(r.width())
                  .arg(r.height())
                  .arg(caja.width())
                  .arg(caja.height());
    }
    // A translation changes a text's width and its number of lines, never its font: one
    // line is as high as the English one, more lines need their line spacing each.
    const QStringList lineas = texto.split(u'\n');
    int ancho = 0;
    for (const QString &s : lineas)
        ancho = std::max(ancho, fm.horizontalAdvance(s));
    const int alto = lineas.size() > 1 ? lineas.size() * fm.lineSpacing() : 0;
    return ancho <= caja.width() && alto <= caja.height()
        ? QString()
        : QStringLiteral("%1 x %2 px in %3 x %4").arg(ancho).arg(alto).arg(caja.width()).arg(caja.height());
}

// Every label and button of a window, with the text it shows now.
void CabeTodo(QWidget *ventana, const QString &idioma)
{
    QList<QWidget *> controles;
    for (auto *l : ventana->findChildren<QLabel *>())
        controles << l;
    for (auto *b : ventana->findChildren<QPushButton *>())
        controles << b;
    for (QWidget *w : controles) {
        auto *b = qobject_cast<QPushButton *>(w);
        const QString texto = b ? b->text() : static_cast<QLabel *>(w)->text();
        if (texto.isEmpty())
            continue;
        const QString fallo = NoCabe(w, texto);
        EXPECT_TRUE(fallo.isEmpty()) << idioma.toStdString() << " " << ventana->objectName().toStdString()
                                     << "." << w->objectName().toStdString() << ": \"" << texto.toStdString()
                                     << "\" " << fallo.toStdString();
    }
}

struct Ventanas : ::testing::Test {
    QTemporaryDir dir;
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{3};
    Contexto ctx{estado, sonido, web, azar, dir.path(), {}, {}};

    void SetUp() override
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
        ctx.mostrarMenu = [] {};
    }
    QString Ruta() const { return dir.path() + QStringLiteral("/Data/HOF.rec"); }
    // One row per difficulty code, hardest first.
    void EscribirTabla()
    {
        QFile f(Ruta());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int p = 0; p < 4; ++p)
            f.write(QStringLiteral(
                "[%1]\nNombre=Ana\nPuntos=%2\nDificultad=%3\nFecha=01/02/2026\nHora=10:00:00\n")
                        .arg(SeccionHOF(p))
                        .arg(9000 - p)
                        .arg(3 - p)
                        .toUtf8());
    }
};

}  // namespace

TEST(Traducciones, CataloguesAreWholeAndKeepEveryNumberAndLine)
{
    const QStringList codigos = CodigosTs();
    ASSERT_TRUE(codigos.contains(QStringLiteral("es")) && codigos.contains(QStringLiteral("fr"))
        && codigos.contains(QStringLiteral("de")));
    for (const QString &codigo : codigos) {
        // Compiled into the program, not only present in the source tree.
        EXPECT_TRUE(IdiomasDisponibles().contains(codigo)) << codigo.toStdString();
        QFile f(kCarpetaTs + QStringLiteral("/velunda_%1.ts").arg(codigo));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        QString fuente;
        int mensajes = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source") {
                fuente = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const bool sinAcabar
                    = xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
                const QString t = xml.readElementText();
                ++mensajes;
                const std::string donde = codigo.toStdString() + ": \"" + fuente.toStdString() + "\"";
                EXPECT_FALSE(sinAcabar || t.isEmpty()) << donde;
                EXPECT_EQ(Argumentos(t), Argumentos(fuente)) << donde;
                EXPECT_EQ(t.count(u'\n'), fuente.count(u'\n')) << donde;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(mensajes, 60) << codigo.toStdString();
    }
}

TEST(Traducciones, LanguageIsTheFirstPreferenceThatIsEnglishOrTranslated)
{
    const QStringList hay{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
    const struct {
        QStringList preferidos;
        const char *elegido;
    } casos[] = {
        {{QStringLiteral("de-DE"), QStringLiteral("de")}, "de"},
        {{QStringLiteral("es-MX")}, "es"},
        {{QStringLiteral("it-IT"), QStringLiteral("fr-CA")}, "fr"},
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, ""},  // English first stays English
        {{QStringLiteral("C"), QStringLiteral("es")}, ""},
        {{QStringLiteral("pt-BR"), QStringLiteral("ja")}, ""},  // nothing translated: English
        {{}, ""},
    };
    for (const auto &c : casos)
        EXPECT_EQ(ElegirIdioma(c.preferidos, hay), QLatin1String(c.elegido))
            << c.preferidos.join(u',').toStdString();

    EXPECT_FALSE(InstalarIdioma(QStringLiteral("en")));
    EXPECT_FALSE(InstalarIdioma(QStringLiteral("xx")));
    EXPECT_FALSE(TraduccionActiva());
    EXPECT_EQ(NombrePaleta(0), QStringLiteral("RED"));
}

TEST(Traducciones, QtsOwnButtonsFollowOnlyATranslatedGame)
{
    const char *contexto = "QPlatformTheme";
    EXPECT_EQ(QCoreApplication::translate(contexto, "&Yes"), QStringLiteral("&Yes"));
    {
        EnIdioma es(QStringLiteral("es"));
        ASSERT_TRUE(es.ok);
        EXPECT_TRUE(TraduccionActiva());
        EXPECT_NE(QCoreApplication::translate(contexto, "&Yes"), QStringLiteral("&Yes"));
    }
    EXPECT_EQ(QCoreApplication::translate(contexto, "&Yes"), QStringLiteral("&Yes"));
}

TEST_F(Ventanas, EveryTranslatedTextFitsItsControl)
{
    EscribirTabla();
    for (const QString &codigo : CodigosTs()) {
        EnIdioma idioma(codigo);
        ASSERT_TRUE(idioma.ok) << codigo.toStdString();
        ASSERT_NE(NombrePaleta(0), QStringLiteral("RED"));

        frmIntro menu(ctx);
        menu.imgJugar_Click();
        CabeTodo(&menu, codigo);

        frmAyuda ayuda(ctx, &menu);
        CabeTodo(&ayuda, codigo);

        // Every colour word on a word label; the widest goal (level 50 at VERY EASY).
        estado.DificultadActual = MuyFacil;
        auto *juego = new frmMain(ctx);
        juego->juego().PrepararNivel(kUltimoNivel);
        for (int c = 0; c < kNumColores; ++c) {
            juego->PintarEtiqueta(c, true, 0, c, 0xFFFFFF);
            juego->FondoEtiqueta(c, 0xFFFFFF);
        }
        CabeTodo(juego, codigo);
        delete juego;

        frmHOF hof(ctx, nullptr);  // four rows, one per difficulty name
        CabeTodo(&hof, codigo);
    }
}

TEST_F(Ventanas, TitleMenuPaintsItsOwnTitleInTheTranslationWithTheSameHotspots)
{
    auto zonas = [](frmIntro &m) {
        QList<QRect> v;
        for (auto *z : m.findChildren<ZonaActiva *>())
            v << z->geometry();
        return v;
    };
    auto cuadro
        = [](frmIntro &m) { return m.findChild<QLabel *>(QStringLiteral("imgTitulo"))->pixmap().toImage(); };
    // The picture in the Data folder is English; a translated menu must not show it.
    ASSERT_TRUE(ImagenTitulo().save(dir.path() + QStringLiteral("/Data/Titulo.jpg")));
    frmIntro ingles(ctx);
    const QImage imagenIngles = cuadro(ingles);
    const QImage dibujoIngles = ImagenTitulo(2);

    EnIdioma de(QStringLiteral("de"));
    ASSERT_TRUE(de.ok);
    frmIntro aleman(ctx);
    EXPECT_EQ(zonas(aleman), zonas(ingles));
    const QImage imagen = cuadro(aleman);
    EXPECT_EQ(imagen.convertToFormat(QImage::Format_ARGB32),
        ImagenTitulo(imagen.devicePixelRatio()).convertToFormat(QImage::Format_ARGB32));
    EXPECT_NE(
        imagen.convertToFormat(QImage::Format_RGB32), imagenIngles.convertToFormat(QImage::Format_RGB32));
    // The high-density drawing is translated too, at twice the pixels.
    const QImage doble = ImagenTitulo(2);
    EXPECT_EQ(doble.size(), QSize(1504, 960));
    EXPECT_NE(doble, dibujoIngles);
}

TEST_F(Ventanas, HighScoreTableReadsTheSameInEveryLanguage)
{
    EscribirTabla();
    QFile f(Ruta());
    auto dificultades = [this] {
        QStringList v;
        frmHOF hof(ctx, nullptr);
        for (int i = 0; i < 4; ++i)
            v << hof.findChild<QLabel *>(QStringLiteral("lblDificultad_%1").arg(i))->text();
        return v;
    };
    const QStringList ingles = dificultades();
    EXPECT_EQ(ingles.first(), QStringLiteral("HARD"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray escritaEnIngles = f.readAll();
    f.close();
    ASSERT_TRUE(escritaEnIngles.contains("Dificultad=3"));
    for (const QString &codigo : CodigosTs()) {
        EnIdioma idioma(codigo);
        const QStringList traducidas = dificultades();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(traducidas[i], NombreDificultad(3 - i)) << codigo.toStdString();
            if (ingles[i] != QLatin1String("NORMAL")) {  // the same word in every language here
                EXPECT_NE(traducidas[i], ingles[i]) << codigo.toStdString() << " " << i;
            }
        }
        // Showing the table rewrote it: with the codes, not the names.
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), escritaEnIngles) << codigo.toStdString();
        f.close();
    }
    EXPECT_EQ(dificultades(), ingles);

    // A win entered in Spanish keeps its difficulty as a number.
    {
        EnIdioma es(QStringLiteral("es"));
        estado.PuntosTotales = 9500;
        estado.PartidaGanada = true;
        estado.DificultadActual = Facil;
        auto reg = ResponderModales(1, [](QWidget *w) { EscribirYAceptar(w, QStringLiteral("Bea")); });
        frmHOF hof(ctx, nullptr);
    }
    TablaHOF t;
    t.Cargar(Ruta());
    EXPECT_EQ(t.Registros[0].Nombre, QStringLiteral("Bea"));
    EXPECT_EQ(t.Registros[0].Dificultad, Facil);
    EXPECT_EQ(dificultades().first(), QStringLiteral("EASY"));
}
