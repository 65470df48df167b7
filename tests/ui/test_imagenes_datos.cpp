// The pictures the windows load, the cache of the decoded title, and the progress window's module.
#include "CacheImagenes.h"
#include "Contexto.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "ImagenesDatos.h"
#include "MemoriaImagen.h"
#include "Modales.h"
#include "ModuloProgreso.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

namespace {
const QString kRaiz = QStringLiteral(VELUNDA_SOURCE_DIR);

QImage Directa(const QString &archivo)
{
    return QImage(kRaiz + QStringLiteral("/Data/") + archivo).convertToFormat(QImage::Format_RGB32);
}
QImage Cargada(const QString &nombre, qreal densidad)
{
    return CargarImagenDatos(kRaiz, nombre, densidad).toImage().convertToFormat(QImage::Format_RGB32);
}
}  // namespace

TEST(ImagenesDatos, APictureIsThePictureOnFileAtEitherDensity)
{
    // The title is large enough to be kept in the cache; the small picture is not.
    for (const char *nombre : {"Titulo", "VolverAlMenu"}) {
        const QString n = QString::fromLatin1(nombre);
        for (int vez = 0; vez < 2; ++vez) {
            const QPixmap leida = CargarImagenDatos(kRaiz, n, 1.0);
            EXPECT_EQ(leida.devicePixelRatio(), 1.0);
            EXPECT_EQ(leida.toImage().convertToFormat(QImage::Format_RGB32), Directa(n + QStringLiteral(".jpg")))
                << nombre << vez;
        }
    }
    const QPixmap doble = CargarImagenDatos(kRaiz, QStringLiteral("Titulo"), 2.0);
    EXPECT_EQ(doble.devicePixelRatio(), 2.0);
    EXPECT_EQ(doble.toImage().convertToFormat(QImage::Format_RGB32), Directa(QStringLiteral("Titulo@2x.jpg")));
    EXPECT_EQ(Cargada(QStringLiteral("Titulo"), 1.0), Directa(QStringLiteral("Titulo.jpg")));
    EXPECT_TRUE(CargarImagenDatos(kRaiz, QStringLiteral("NoSuchPicture"), 1.0).isNull());
    // A PNG one the same, read again from the cache.
    for (int vez = 0; vez < 2; ++vez)
        for (const qreal densidad : {1.0, 2.0}) {
            const QPixmap png
                = CargarImagenDatos(kRaiz, QStringLiteral("Titulo_de"), densidad, FormatoDatos::Png);
            EXPECT_EQ(png.devicePixelRatio(), densidad);
            EXPECT_EQ(png.toImage().convertToFormat(QImage::Format_RGB32),
                Directa(densidad > 1 ? QStringLiteral("Titulo_de@2x.png") : QStringLiteral("Titulo_de.png")))
                << vez;
        }
}

TEST(ImagenesDatos, ABadPictureFileIsShownAsQtShowsItOrNotAtAll)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data")));
    QFile original(kRaiz + QStringLiteral("/Data/Titulo.jpg"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray jpeg = original.readAll();
    const auto escribir = [&](const char *nombre, const QByteArray &bytes) {
        QFile f(dir.path() + QStringLiteral("/Data/") + QLatin1String(nombre) + QStringLiteral(".jpg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const auto cargada = [&](const char *nombre) {
        return CargarImagenDatos(dir.path(), QLatin1String(nombre), 1.0).toImage().convertToFormat(QImage::Format_RGB32);
    };
    // Cut short: the part there is, the rest grey, as Qt's own reader gives it.
    escribir("Cortada", jpeg.left(jpeg.size() / 2));
    const QImage cortada = cargada("Cortada");
    EXPECT_FALSE(cortada.isNull());
    EXPECT_EQ(cortada, QImage(dir.path() + QStringLiteral("/Data/Cortada.jpg")).convertToFormat(QImage::Format_RGB32));
    // Not a picture, or one claiming 65535 x 65535 pixels (16 GB): none, and the menu draws its own.
    escribir("Texto", "not a picture at all\n");
    EXPECT_TRUE(cargada("Texto").isNull());
    QByteArray enorme = jpeg;
    const qsizetype sof = enorme.indexOf(QByteArray::fromHex("ffc0")) >= 0 ? enorme.indexOf(QByteArray::fromHex("ffc0"))
                                                                           : enorme.indexOf(QByteArray::fromHex("ffc2"));
    ASSERT_GT(sof, 0);
    enorme.replace(sof + 5, 4, QByteArray::fromHex("ffffffff"));
    escribir("Enorme", enorme);
    EXPECT_TRUE(cargada("Enorme").isNull());
}

TEST(ImagenesDatos, ALargePictureIsDecodedOnceThenTakenFromTheCacheWhileItMatches)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data")));
    const QString fuente = dir.path() + QStringLiteral("/Data/Titulo.jpg");
    ASSERT_TRUE(QFile::copy(kRaiz + QStringLiteral("/Data/Titulo.jpg"), fuente));
    const auto leida = [&] {
        return CargarImagenDatos(dir.path(), QStringLiteral("Titulo"), 1.0).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto enPantalla = [&] {
        const QImage imagen = leida();
        GuardarCachePendiente();
        return imagen;
    };
    const auto deQt = [&] { return QImage(fuente).convertToFormat(QImage::Format_RGB32); };

    EXPECT_TRUE(LeerCacheImagen(fuente).isNull());
    const auto archivosCache = [] {
        return QDir(CarpetaCacheImagenes()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size();
    };
    const qsizetype antes = archivosCache();
    EXPECT_EQ(leida(), deQt());  // decoded, and kept a moment later, never while the window waits
    EXPECT_TRUE(LeerCacheImagen(fuente).isNull());
    QElapsedTimer reloj;
    reloj.start();
    while (LeerCacheImagen(fuente).isNull() && reloj.elapsed() < 10 * kEsperaGuardarCacheMs)
        QTest::qWait(20);
    EXPECT_FALSE(LeerCacheImagen(fuente).isNull());
    EXPECT_EQ(archivosCache(), std::min<qsizetype>(antes + 1, kCopiasCache)) << "nothing left beside the copy";
    const QImage guardada = LeerCacheImagen(fuente);
    ASSERT_FALSE(guardada.isNull());
    EXPECT_EQ(guardada, deQt());
    EXPECT_EQ(enPantalla(), deQt());

    // Another picture in the file's place: the kept copy no longer counts.
    QImage otra = deQt().mirrored(true, false);
    ASSERT_TRUE(otra.save(fuente, "JPEG"));
    QFile f(fuente);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    f.close();
    EXPECT_TRUE(LeerCacheImagen(fuente).isNull());
    EXPECT_EQ(enPantalla(), deQt());
    EXPECT_FALSE(LeerCacheImagen(fuente).isNull()) << "not kept again";

    // A kept copy cut short, garbled at its head, or claiming a width of 2^30 pixels (just
    // after its 8-byte mark) is not used, and the picture is right.
    const QFileInfoList copias = QDir(CarpetaCacheImagenes()).entryInfoList({QStringLiteral("*.rgb32")}, QDir::Files);
    ASSERT_FALSE(copias.isEmpty());
    for (int dano = 0; dano < 3; ++dano) {
        for (const QFileInfo &copia : copias) {
            QFile c(copia.filePath());
            ASSERT_TRUE(c.open(QIODevice::ReadWrite));
            if (dano == 0)
                ASSERT_TRUE(c.resize(c.size() / 2));
            else if (dano == 1)
                c.write("garbage!");
            else
                ASSERT_TRUE(c.seek(8) && c.write(QByteArray::fromHex("00000040")) == 4);
        }
        EXPECT_TRUE(LeerCacheImagen(fuente).isNull()) << dano;
        EXPECT_EQ(enPantalla(), deQt()) << dano;
        }
}

TEST(ImagenesDatos, WhateverIsPlantedInTheCacheTheTitleComesBackWholeAndAtOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data")));
    const QString fuente = dir.path() + QStringLiteral("/Data/Titulo.jpg");
    ASSERT_TRUE(QFile::copy(kRaiz + QStringLiteral("/Data/Titulo.jpg"), fuente));
    const QImage deQt = QImage(fuente).convertToFormat(QImage::Format_RGB32);
    CargarImagenDatos(dir.path(), QStringLiteral("Titulo"), 1.0);  // leaves its copy
    GuardarCachePendiente();
    ASSERT_FALSE(LeerCacheImagen(fuente).isNull());
    const QFileInfoList copias
        = QDir(CarpetaCacheImagenes()).entryInfoList({QStringLiteral("*.rgb32")}, QDir::Files, QDir::Time);
    ASSERT_FALSE(copias.isEmpty());
    const QString copia = copias.first().filePath();  // the newest: this picture's
    QTemporaryDir otra;
    QFile buena(otra.filePath(QStringLiteral("buena")));
    ASSERT_TRUE(QFile::copy(copia, buena.fileName()));
    // A FIFO would hold an open() forever; a link may point anywhere; a folder is no file.
    const std::vector<std::function<bool()>> plantar{
        [&] { return mkfifo(QFile::encodeName(copia).constData(), 0600) == 0; },
        [&] { return QFile::link(buena.fileName(), copia); },
        [&] { return QDir().mkdir(copia); },
    };
    for (size_t i = 0; i < plantar.size(); ++i) {
        QFile::remove(copia);
        ASSERT_TRUE(plantar[i]()) << i;
        EXPECT_TRUE(LeerCacheImagen(fuente).isNull()) << i;
        EXPECT_EQ(CargarImagenDatos(dir.path(), QStringLiteral("Titulo"), 1.0).toImage().convertToFormat(QImage::Format_RGB32), deQt) << i;
        GuardarCachePendiente();
        QDir().rmdir(copia);
    }
}

TEST(ImagenesDatos, APaintedPictureIsPaintedOnceForWhatItShowsThenTakenFromTheCache)
{
    int pintadas = 0;
    const auto pintor = [&pintadas](QColor fondo) {
        return [&pintadas, fondo] {
            ++pintadas;
            QImage img(40, 30, QImage::Format_ARGB32_Premultiplied);
            img.fill(fondo);
            img.setPixelColor(3, 4, Qt::black);
            return img;
        };
    };
    const auto pixeles = [](const QPixmap &p) { return p.toImage().convertToFormat(QImage::Format_RGB32); };

    const QPixmap roja = CargarImagenPintada("prueba roja", 2.0, pintor(Qt::red));
    EXPECT_EQ(pintadas, 1);
    EXPECT_EQ(roja.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixeles(roja).pixelColor(3, 4), QColor(Qt::black));
    GuardarCachePendiente();

    // The same content again: the kept copy, at the density asked for, not a new painting.
    const QPixmap otraVez = CargarImagenPintada("prueba roja", 2.0, pintor(Qt::blue));
    EXPECT_EQ(pintadas, 1);
    EXPECT_EQ(otraVez.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixeles(otraVez), pixeles(roja));

    // Other content is painted anew.
    const QPixmap azul = CargarImagenPintada("prueba azul", 2.0, pintor(Qt::blue));
    EXPECT_EQ(pintadas, 2);
    EXPECT_EQ(pixeles(azul).pixelColor(20, 20), QColor(Qt::blue));
}

TEST(ImagenesDatos, TheCacheKeepsAFewCopiesHoweverManyFoldersTheGameRunsFrom)
{
    QTemporaryDir dir;
    for (int i = 0; i < 3 * kCopiasCache; ++i) {
        const QString carpeta = dir.filePath(QString::number(i));
        ASSERT_TRUE(QDir().mkpath(carpeta + QStringLiteral("/Data")));
        ASSERT_TRUE(QFile::copy(kRaiz + QStringLiteral("/Data/Titulo.jpg"), carpeta + QStringLiteral("/Data/Titulo.jpg")));
        ASSERT_FALSE(CargarImagenDatos(carpeta, QStringLiteral("Titulo"), 1.0).isNull());
        GuardarCachePendiente();
    }
    EXPECT_LE(QDir(CarpetaCacheImagenes()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), kCopiasCache);
    // The latest one is among them.
    EXPECT_FALSE(LeerCacheImagen(dir.filePath(QString::number(3 * kCopiasCache - 1)) + QStringLiteral("/Data/Titulo.jpg")).isNull());
}

TEST(ImagenesDatos, TheGamesOwnPicturesAreReadAsQtReadsThem)
{
    for (const char *archivo : {":/velunda/cursor_mano.png", ":/velunda/icono.png"})
        EXPECT_EQ(LeerImagenPropia(QLatin1String(archivo)), QImage(QLatin1String(archivo))) << archivo;
    EXPECT_TRUE(LeerImagenPropia(QStringLiteral(":/velunda/no_such.png")).isNull());
}

TEST(ImagenesDatos, APictureInLargePagesBehavesAsAnyOtherThroughCopiesAndEdits)
{
    // Odd widths, so a line's padding differs from its pixels; a size past one large page.
    for (const auto formato : {QImage::Format_RGB32, QImage::Format_Grayscale8}) {
        const QSize tam(1503, 1201);
        QImage original = ImagenNueva(tam, formato);
        ASSERT_FALSE(original.isNull());
        EXPECT_EQ(original.size(), tam);
        EXPECT_EQ(original.format(), formato);
        EXPECT_EQ(original.bytesPerLine(), QImage(tam, formato).bytesPerLine());
        original.fill(Qt::white);
        QImage copia = original;
        copia.setPixelColor(1502, 1200, Qt::black);  // the copy leaves the shared memory
        const QImage blanca = original;
        original = QImage();  // the memory outlives the first holder (the sanitiser build checks it)
        EXPECT_EQ(blanca.pixelColor(1502, 1200), QColor(Qt::white));
        EXPECT_EQ(copia.pixelColor(1502, 1200), QColor(Qt::black));
        EXPECT_EQ(blanca.pixelColor(0, 0), copia.pixelColor(0, 0));
    }
    EXPECT_TRUE(ImagenNueva(QSize(0, 480), QImage::Format_RGB32).isNull());
    EXPECT_TRUE(ImagenNueva(QSize(752, 480), QImage::Format_Invalid).isNull());
}

TEST(ModuloProgreso, AMissingModuleIsToldAndTheGameGoesOn)
{
    EstadoJuego estado;
    SonidoFalso sonido;
    WebFalsa web;
    GeneradorFijo azar{1};
    Contexto ctx{estado, sonido, web, azar, QStringLiteral("/no/such/dir"), {}, {}};
    auto registro = ResponderModales(1, PulsarOk);
    AbrirProgresoDesdeModulo(ctx, nullptr, QStringLiteral("/no/such/dir"));
    ASSERT_EQ(registro->textos.size(), 1);
    EXPECT_TRUE(registro->textos[0].startsWith(QStringLiteral("The progress window could not be opened.\n")))
        << registro->textos[0].toStdString();
}
