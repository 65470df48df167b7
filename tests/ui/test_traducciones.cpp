// The game in the player's language: whole catalogues that keep every number and line,
// every translated text fitting its fixed control, the language taken from the player's
// preferences, the title menu in each language's words (shipped as pictures), and scores that read alike
// everywhere.
#include "Ajustes.h"
#include "AlmacenHistorial.h"
#include "ArchivoINI.h"
#include "Arte.h"
#include "Controles.h"
#include "Estilo.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "Historial.h"
#include "Idioma.h"
#include "TablaHOF.h"
#include "TextosJuego.h"
#include "frmAjustes.h"
#include "frmAyuda.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"
#include "frmChequeo.h"
#include "frmProgreso.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
const QString kCarpetaTs = QStringLiteral(VELUNDA_SOURCE_DIR "/translations");
const QString kCarpetaDatos = QStringLiteral(VELUNDA_SOURCE_DIR "/Data/");

QStringList CodigosTs()
{
    QStringList v;
    for (const QString &a : QDir(kCarpetaTs).entryList({QStringLiteral("velunda_*.ts")}))
        v << a.mid(8).chopped(3);
    return v;
}

struct EnIdioma {  // back to English whatever the test does
    explicit EnIdioma(const QString &codigo) : ok(InstalarIdioma(codigo)) { }
    ~EnIdioma() { QuitarIdioma(); }
    bool ok;
};

QStringList Argumentos(const QString &s)
{
    static const QRegularExpression arg(QStringLiteral("%\\d"));
    QStringList v;
    for (auto it = arg.globalMatch(s); it.hasNext();)
        v << it.next().captured();
    v.sort();
    return v;
}

// Every label, button and check box of `ventana` shows its text whole at its own font. A
// translation changes a text's width and line count, never its font: one line is as high as
// in English. A button's bevel takes 6 px a side; a check box's indicator its own width.
void CabeTodo(QWidget *ventana, const QString &idioma)
{
    for (QWidget *w : ventana->findChildren<QWidget *>()) {
        auto *b = qobject_cast<QAbstractButton *>(w);
        auto *l = qobject_cast<QLabel *>(w);
        const QString texto = b ? b->text() : l ? l->text() : QString();
        if (texto.isEmpty())
            continue;
        const QFontMetrics fm(w->font());
        QRect caja = l ? l->contentsRect() : b->rect().adjusted(6, 0, -6, 0);
        if (qobject_cast<QCheckBox *>(w))
            caja = b->rect().adjusted(
                b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) + 4, 0, 0, 0);
        const QStringList lineas = texto.split(u'\n');
        QSize medida(0, lineas.size() > 1 ? lineas.size() * fm.lineSpacing() : 0);
        if (l && l->wordWrap())
            medida = fm.boundingRect(caja, int(l->alignment()) | Qt::TextWordWrap, texto).size();
        else
            for (const QString &s : lineas)
                medida.setWidth(std::max(medida.width(), fm.horizontalAdvance(s)));
        EXPECT_TRUE(medida.width() <= caja.width() && medida.height() <= caja.height())
            << idioma.toStdString() << " " << w->objectName().toStdString() << " \"" << texto.toStdString()
            << "\" needs " << medida.width() << "x" << medida.height() << " in " << caja.width() << "x"
            << caja.height();
    }
}

struct Ventanas : ::testing::Test {
    QTemporaryDir dir;
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{3};
    Ajustes ajustes{dir.filePath(QStringLiteral("ajustes.ini"))};
    Contexto ctx{estado, sonido, web, azar, dir.path(), [] {}, {}, {}, &ajustes};
    QString Ruta() const { return dir.path() + QStringLiteral("/Data/HOF.rec"); }
    void SetUp() override
    {
        // One row per difficulty code, hardest first.
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
        for (int p = 0; p < 4; ++p)
            EscribirINI(Ruta(), SeccionHOF(p), QStringLiteral("Dificultad"), QString::number(3 - p));
    }
    QStringList Dificultades()
    {
        frmHOF hof(ctx, nullptr);
        QStringList v;
        for (int i = 0; i < 4; ++i)
            v << hof.findChild<QLabel *>(QStringLiteral("lblDificultad_%1").arg(i))->text();
        return v;
    }
};
}  // namespace

TEST(Traducciones, CataloguesAreWholeCompiledInAndKeepEveryNumberAndLine)
{
    const QStringList codigos = CodigosTs();
    for (const char *c : {"es", "fr", "de"})
        EXPECT_TRUE(codigos.contains(QLatin1String(c)) && IdiomasDisponibles().contains(QLatin1String(c)))
            << c;
    for (const QString &codigo : codigos) {
        QFile f(kCarpetaTs + QStringLiteral("/velunda_%1.ts").arg(codigo));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        QString fuente;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source"))
                fuente = xml.readElementText();
            if (xml.name() != QLatin1String("translation"))
                continue;
            const bool sinAcabar = !xml.attributes().value(QStringLiteral("type")).isEmpty();
            // A text with a count has one form per plural of the language, each checked alike.
            QStringList formas{QString()};
            while (!(xml.readNext() == QXmlStreamReader::EndElement
                       && xml.name() == QLatin1String("translation"))
                && !xml.atEnd()) {
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    formas << xml.readElementText();
                else if (xml.isCharacters() && !xml.isWhitespace())
                    formas.first() += xml.text();
            }
            if (formas.size() > 1) {
                formas.removeFirst();
                EXPECT_TRUE(fuente.contains(QStringLiteral("%n"))) << fuente.toStdString();
            }
            const std::string donde = codigo.toStdString() + ": " + fuente.toStdString();
            for (const QString &t : formas) {
                EXPECT_FALSE(sinAcabar || t.isEmpty()) << donde;
                EXPECT_EQ(Argumentos(t), Argumentos(fuente)) << donde;
                EXPECT_EQ(t.count(u'\n'), fuente.count(u'\n')) << donde;
                EXPECT_EQ(t.contains(QStringLiteral("%n")), fuente.contains(QStringLiteral("%n"))) << donde;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
}

TEST(Traducciones, TheFirstPreferenceThatIsEnglishOrTranslatedWins)
{
    const QStringList hay{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
    auto elegir = [&](QStringList p) { return ElegirIdioma(p, hay); };
    EXPECT_EQ(elegir({QStringLiteral("de-DE"), QStringLiteral("de")}), QStringLiteral("de"));
    EXPECT_EQ(elegir({QStringLiteral("it-IT"), QStringLiteral("fr-CA")}), QStringLiteral("fr"));
    EXPECT_EQ(elegir({QStringLiteral("en-GB"), QStringLiteral("de-DE")}), QString());
    EXPECT_EQ(elegir({QStringLiteral("C"), QStringLiteral("es")}), QString());
    EXPECT_EQ(elegir({QStringLiteral("pt-BR")}), QString());
    EXPECT_FALSE(InstalarIdioma(QStringLiteral("en")));
    EXPECT_FALSE(TraduccionActiva());
}

TEST(Traducciones, QtsOwnButtonsAreTranslatedOnlyWithTheGame)
{
    auto si = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    EXPECT_EQ(si(), QStringLiteral("&Yes"));
    {
        EnIdioma es(QStringLiteral("es"));
        ASSERT_TRUE(es.ok);
        EXPECT_NE(si(), QStringLiteral("&Yes"));
    }
    EXPECT_EQ(si(), QStringLiteral("&Yes"));
}

TEST_F(Ventanas, EveryTranslatedTextFitsItsControl)
{
    // A history whose worst slips pair the longest colour words, counted in four digits.
    const QString ruta = dir.filePath(QStringLiteral("history.sqlite"));
    {
        AlmacenHistorial a(ruta);
        ASSERT_TRUE(a.Abrir());
        std::vector<tClicMedido> clics;
        for (auto [palabra, tinta, veces] : {std::tuple{5, 7, 1000}, {7, 5, 999}, {3, 7, 998}})
            for (int i = 0; i < veces; ++i)
                clics.push_back({tClic{0, palabra, tinta, false, false}, 1000, 1000});
        for (int p = 0; p < 4; ++p)
            a.GuardarNivel(*a.EmpezarPartida(QDateTime::currentDateTimeUtc(), p),
                QDateTime::currentDateTimeUtc(),
                tResultadoNivel{p, 50, 20, 10, 12, 12, 888888, FinNivel::ClicErroneo, 8, 32},
                p ? clics : std::vector<tClicMedido>{});
    }
    Historial historial(ruta);
    for (const QString &codigo : CodigosTs()) {
        EnIdioma idioma(codigo);
        ASSERT_TRUE(idioma.ok) << codigo.toStdString();
        frmIntro menu(ctx);
        menu.imgJugar_Click();
        CabeTodo(&menu, codigo);
        frmAyuda ayuda(ctx, &menu);
        CabeTodo(&ayuda, codigo);
        frmAjustes opciones(ajustes, &ayuda);
        CabeTodo(&opciones, codigo);
        frmProgreso progreso(nullptr, &menu);  // the empty state, the numbers and a reason line
        CabeTodo(&progreso, codigo);
        progreso.cmdVista_Click();  // and the slips view before there is anything to show
        CabeTodo(&progreso, codigo);
        frmProgreso tropiezos(&historial, &menu);  // the slips and pace view, with its texts in place
        tropiezos.cmdVista_Click();
        CabeTodo(&tropiezos, codigo);
        // The check-up, run by keyboard alone in this language: its start page, trial page and
        // paused panel, then its result.
        qint64 ahora = 0;
        frmChequeo chequeo(ctx, &menu, 0, [&ahora] { return ahora; });
        CabeTodo(&chequeo, codigo);
        chequeo.show();
        QTest::keyClick(&chequeo, Qt::Key_Return);
        while (!chequeo.Terminado()) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&chequeo] { return chequeo.Sesion().Estado() == SesionChequeo::Fase::Palabra; }, 3000));
            ahora += 500'000'000;
            QTest::keyClick(&chequeo, Qt::Key_1);
        }
        CabeTodo(&chequeo, codigo);
        QTest::keyClick(&chequeo, Qt::Key_Return);
        EXPECT_EQ(chequeo.result(), QDialog::Accepted) << codigo.toStdString();
        // The widest goal (level 50 at VERY EASY) and every colour word on a word label.
        estado.DificultadActual = MuyFacil;
        auto juego = std::make_unique<frmMain>(ctx);
        juego->juego().PrepararNivel(kUltimoNivel);
        for (int c = 0; c < kNumColores; ++c)
            juego->PintarEtiqueta(c, true, 0, c, 0xFFFFFF);
        CabeTodo(juego.get(), codigo);  // the paused panel's text and button too, hidden as they are
        frmHOF hof(ctx, nullptr);       // a row of each difficulty
        CabeTodo(&hof, codigo);
        for (MotivoFallo m : {MotivoFallo::Bloqueado, MotivoFallo::SinPermiso, MotivoFallo::SinEspacio,
                 MotivoFallo::NoEsArchivo, MotivoFallo::Ilegible, MotivoFallo::Otro}) {
            hof.MostrarAviso(m, Ruta());  // each reason a failed save can give
            CabeTodo(&hof, codigo);
        }
    }
}

namespace {
// The band of rows a word's capitals fill inside `caja`: rows holding at least a fifth of the
// busiest row's ink, so accents above and a letter's tail below are left out.
std::pair<int, int> BandaCapitales(const QImage &img, const QRect &caja)
{
    std::vector<int> tinta;
    for (int y = caja.top(); y <= caja.bottom(); ++y) {
        int n = 0;
        for (int x = caja.left(); x <= caja.right(); ++x)
            n += qGray(img.pixel(x, y)) < 128;
        tinta.push_back(n);
    }
    const int umbral = std::max(1, *std::max_element(tinta.begin(), tinta.end()) / 5);
    int arriba = -1, abajo = -1;
    for (int i = 0; i < int(tinta.size()); ++i)
        if (tinta[i] >= umbral) {
            arriba = arriba < 0 ? i : arriba;
            abajo = i;
        }
    return {arriba, abajo};
}
}  // namespace

TEST(Traducciones, ColourWordTilesShareOneSizeAndOneLine)
{
    const QStringList idiomas = CodigosTs() << QString();  // English too
    for (const QString &codigo : idiomas) {
        EnIdioma idioma(codigo);
        // Tiles narrow enough that the longest colour word of a language must shrink.
        constexpr int ancho = 80, alto = 26, paso = 40;
        QList<Tesela> teselas;
        for (int c = 0; c < ColoresPaleta; ++c)
            teselas.append({QRectF(0, paso * c, ancho, alto), NombrePaleta(c), Qt::black});
        QImage img(ancho, paso * ColoresPaleta, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        DibujarTeselas(p, teselas);
        p.end();
        const auto primera = BandaCapitales(img, QRect(2, 2, ancho - 4, alto - 4));
        for (int c = 1; c < ColoresPaleta; ++c) {
            const auto banda = BandaCapitales(img, QRect(2, paso * c + 2, ancho - 4, alto - 4));
            EXPECT_LE(std::abs(banda.first - primera.first), 1) << codigo.toStdString() << " "
                                                                << NombrePaleta(c).toStdString();
            EXPECT_LE(std::abs(banda.second - primera.second), 1) << codigo.toStdString() << " "
                                                                  << NombrePaleta(c).toStdString();
        }
    }
}

TEST_F(Ventanas, QuitWordsOnTheTitleAreAsLargeAsTheEnglishOnes)
{
    // The height of the red words in the right part of each quit choice (the big one has a
    // door and a red arrow on its left).
    auto alturas = [this] {
        frmIntro menu(ctx);
        const QImage titulo = ImagenTitulo().convertToFormat(QImage::Format_RGB32);
        const QColor rojo = ColorPaleta(0);
        QList<int> v;
        for (const char *nombre : {"imgSalir1", "imgSalir2"}) {
            const QRect zona = menu.findChild<QWidget *>(QString::fromLatin1(nombre))->geometry();
            const QRect texto(zona.right() - zona.width() * 2 / 5, zona.top(), zona.width() * 2 / 5, zona.height());
            int arriba = -1, abajo = -1;
            for (int y = texto.top(); y <= texto.bottom(); ++y)
                for (int x = texto.left(); x <= texto.right(); ++x) {
                    const QColor c = titulo.pixelColor(x, y);
                    if (std::abs(c.red() - rojo.red()) + std::abs(c.green() - rojo.green())
                            + std::abs(c.blue() - rojo.blue())
                        < 60) {
                        arriba = arriba < 0 ? y : arriba;
                        abajo = y;
                    }
                }
            v << abajo - arriba;
        }
        return v;
    };
    const QList<int> ingles = alturas();
    for (const QString &codigo : CodigosTs()) {
        EnIdioma idioma(codigo);
        const QList<int> traducidas = alturas();
        for (int i = 0; i < 2; ++i)
            EXPECT_GE(traducidas[i], ingles[i] - 2)
                << codigo.toStdString() << " " << QCoreApplication::translate("Titulo", i ? "EXIT" : "QUIT").toStdString()
                << " is shrunk to fit";
    }
}

TEST_F(Ventanas, DecimalsTakeTheLanguagesCommaAndEnglishKeepsThePoint)
{
    Informe nivel;
    nivel.tipo = Aviso::NivelTerminado;
    nivel.puntos = 474;
    nivel.usado = 3.26f;
    nivel.aciertos = 2;
    nivel.porAcierto = 1.63f;
    estado.DificultadActual = Normal;
    auto segundos = [this] {
        frmMain juego(ctx);
        juego.juego().PrepararNivel(0);
        return juego.findChild<QLabel *>(QStringLiteral("lblSegundos"))->text();
    };
    const QString ingles = TextoInforme(nivel);
    EXPECT_TRUE(ingles.contains(QStringLiteral(" 3.26 ")) && ingles.contains(QStringLiteral(" 1.63 ")))
        << ingles.toStdString();
    EXPECT_TRUE(segundos().endsWith(QStringLiteral(".00"))) << segundos().toStdString();
    for (const QString &codigo : CodigosTs()) {
        EnIdioma idioma(codigo);
        const QString texto = TextoInforme(nivel);
        EXPECT_TRUE(texto.contains(QStringLiteral("3,26")) && texto.contains(QStringLiteral("1,63")))
            << codigo.toStdString() << ": " << texto.toStdString();
        EXPECT_TRUE(segundos().endsWith(QStringLiteral(",00"))) << codigo.toStdString();
    }
}

TEST_F(Ventanas, TranslatedTitleMenuDrawsItsOwnWordsOverTheSameHotspots)
{
    auto zonas = [](frmIntro &m) {
        QList<QRect> v;
        for (auto *z : m.findChildren<ZonaActiva *>())
            v << z->geometry();
        return v;
    };
    auto cuadro = [](frmIntro &m) {
        return m.findChild<QLabel *>(QStringLiteral("imgTitulo"))
            ->pixmap()
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    // The English picture is there; a translated menu must not show it, but the German one
    // shipped with the game.
    ASSERT_TRUE(ImagenTitulo().save(dir.path() + QStringLiteral("/Data/Titulo.jpg")));
    for (const char *nombre : {"Titulo_de.png", "Titulo_de@2x.png"})
        ASSERT_TRUE(QFile::copy(kCarpetaDatos + QLatin1String(nombre),
            dir.path() + QStringLiteral("/Data/") + QLatin1String(nombre)));
    frmIntro ingles(ctx);
    const QImage dobleIngles = ImagenTitulo(2);
    EnIdioma de(QStringLiteral("de"));
    frmIntro aleman(ctx);
    EXPECT_EQ(zonas(aleman), zonas(ingles));
    const QImage pintado = cuadro(aleman);  // drawn for the screen's scale
    EXPECT_EQ(pintado, ImagenTitulo(pintado.devicePixelRatio()).convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(cuadro(aleman), cuadro(ingles));
    EXPECT_NE(ImagenTitulo(2), dobleIngles);
}

TEST_F(Ventanas, TranslatedTitleMenuShowsItsLanguagesPictureOrPaintsItWhenUnreadable)
{
    EnIdioma fr(QStringLiteral("fr"));
    const QString propia = dir.path() + QStringLiteral("/Data/Titulo_fr");
    QImage liso(TamanoTitulo * 2, QImage::Format_RGB32);
    liso.fill(Qt::darkGreen);
    ASSERT_TRUE(liso.save(propia + QStringLiteral("@2x.png")));
    ASSERT_TRUE(liso.scaled(TamanoTitulo).save(propia + QStringLiteral(".png")));
    {
        frmIntro menu(ctx);
        const auto *titulo = menu.findChild<QLabel *>(QStringLiteral("imgTitulo"));
        const QImage visto = titulo->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(titulo->size(), TamanoTitulo);
        EXPECT_EQ(visto.size(), TamanoTitulo * titulo->devicePixelRatioF());
        EXPECT_EQ(visto.pixelColor(visto.width() / 2, visto.height() / 2), QColor(Qt::darkGreen));
    }
    for (const QString &sufijo : {QStringLiteral("@2x.png"), QStringLiteral(".png")}) {
        QFile roto(propia + sufijo);
        ASSERT_TRUE(roto.open(QIODevice::WriteOnly | QIODevice::Truncate));
        roto.write("not a picture at all");
    }
    frmIntro menu(ctx);
    const QImage visto = menu.findChild<QLabel *>(QStringLiteral("imgTitulo"))
                             ->pixmap()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(visto, ImagenTitulo(visto.devicePixelRatio()).convertToFormat(QImage::Format_RGB32));
}

// A changed translation or drawing needs velunda_make_art run again to redraw these.
TEST(Traducciones, ShippedTitlePicturesAreTheTitlePaintedInEachLanguage)
{
    for (const QString &codigo : CodigosTs()) {
        EnIdioma idioma(codigo);
        ASSERT_TRUE(idioma.ok) << codigo.toStdString();
        for (const qreal escala : {1.0, 2.0}) {
            const QString nombre = QStringLiteral("Titulo_%1%2.png")
                                       .arg(codigo, escala > 1 ? QStringLiteral("@2x") : QString());
            QImage enviada(kCarpetaDatos + nombre, "png");
            enviada.setDevicePixelRatio(escala);
            EXPECT_EQ(enviada.convertToFormat(QImage::Format_RGB32),
                ImagenTitulo(escala).convertToFormat(QImage::Format_RGB32))
                << nombre.toStdString();
        }
    }
}

TEST_F(Ventanas, HighScoreTableReadsTheSameInEveryLanguage)
{
    const QStringList ingles = Dificultades();
    EXPECT_EQ(ingles.first(), QStringLiteral("HARD"));
    for (const QString &codigo : CodigosTs()) {
        EnIdioma idioma(codigo);
        const QStringList traducidas = Dificultades();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(traducidas[i], TextoDificultad(3 - i));
            if (ingles[i] != QLatin1String("NORMAL")) {  // the same word in every language here
                EXPECT_NE(traducidas[i], ingles[i]) << codigo.toStdString();
            }
        }
        // Showing rewrote the file, with the codes and not the names.
        EXPECT_EQ(LeerINI(Ruta(), SeccionHOF(0), QStringLiteral("Dificultad")), QStringLiteral("3"));
    }
    EXPECT_EQ(Dificultades(), ingles);
}
