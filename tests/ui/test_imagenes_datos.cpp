// The pictures read ahead on worker threads, and the progress window's module.
#include "CacheImagenes.h"
#include "Contexto.h"
#include "Falsos.h"
#include "FalsosUI.h"
#include "ImagenesDatos.h"
#include "Modales.h"
#include "ModuloProgreso.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(ImagenesDatos, APictureReadAheadIsThePictureOnFile)
{
    // The title fills a page of its own; the small picture does not.
    for (const char *nombre : {"Titulo", "VolverAlMenu"}) {
        const QString n = QString::fromLatin1(nombre);
        AnticiparImagenDatos(kRaiz, n, 1.0);
        const QPixmap leida = CargarImagenDatos(kRaiz, n, 1.0);
        EXPECT_EQ(leida.devicePixelRatio(), 1.0);
        EXPECT_EQ(leida.toImage().convertToFormat(QImage::Format_RGB32), Directa(n + QStringLiteral(".jpg"))) << nombre;
    }
    // Read ahead at one density and asked at another: the asked one, read then.
    AnticiparImagenDatos(kRaiz, QStringLiteral("Titulo"), 1.0);
    const QPixmap doble = CargarImagenDatos(kRaiz, QStringLiteral("Titulo"), 2.0);
    EXPECT_EQ(doble.devicePixelRatio(), 2.0);
    EXPECT_EQ(doble.toImage().convertToFormat(QImage::Format_RGB32), Directa(QStringLiteral("Titulo@2x.jpg")));
    // The one read ahead was let go then; asked for after all, it is read again.
    EXPECT_EQ(Cargada(QStringLiteral("Titulo"), 1.0), Directa(QStringLiteral("Titulo.jpg")));
    AnticiparImagenDatos(kRaiz, QStringLiteral("NoSuchPicture"), 1.0);
    EXPECT_TRUE(CargarImagenDatos(kRaiz, QStringLiteral("NoSuchPicture"), 1.0).isNull());
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
        AnticiparImagenDatos(dir.path(), QLatin1String(nombre), 1.0);
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
    const auto enPantalla = [&] {
        return CargarImagenDatos(dir.path(), QStringLiteral("Titulo"), 1.0).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto deQt = [&] { return QImage(fuente).convertToFormat(QImage::Format_RGB32); };

    EXPECT_TRUE(LeerCacheImagen(fuente).isNull());
    EXPECT_EQ(enPantalla(), deQt());  // decoded, and kept
    EsperarCacheImagenes();
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
    EsperarCacheImagenes();
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
        EsperarCacheImagenes();
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
    EsperarCacheImagenes();

    // The same content again: the kept copy, at the density asked for, not a new painting.
    const QPixmap otraVez = CargarImagenPintada("prueba roja", 2.0, pintor(Qt::blue));
    EXPECT_EQ(pintadas, 1);
    EXPECT_EQ(otraVez.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixeles(otraVez), pixeles(roja));

    // Other content is painted anew.
    const QPixmap azul = CargarImagenPintada("prueba azul", 2.0, pintor(Qt::blue));
    EXPECT_EQ(pintadas, 2);
    EXPECT_EQ(pixeles(azul).pixelColor(20, 20), QColor(Qt::blue));
    EsperarCacheImagenes();
}

TEST(ImagenesDatos, ResourcePicturesReadAheadAreTakenOnceEach)
{
    const QString mano = QStringLiteral(":/velunda/cursor_mano.png");
    const QString icono = QStringLiteral(":/velunda/icono.png");
    AnticiparImagenes({mano, icono, QStringLiteral(":/velunda/no_such.png")});
    EXPECT_EQ(TomarImagen(icono), QImage(icono));
    EXPECT_EQ(TomarImagen(mano), QImage(mano));
    EXPECT_EQ(TomarImagen(mano), QImage(mano));  // taken already: read again
    EXPECT_TRUE(TomarImagen(QStringLiteral(":/velunda/no_such.png")).isNull());

    // Kinds of PNG that libpng is not asked for are read as Qt reads them.
    QTemporaryDir dir;
    for (const auto formato : {QImage::Format_RGB32, QImage::Format_Grayscale8}) {
        const QString archivo = dir.filePath(QStringLiteral("otra%1.png").arg(int(formato)));
        ASSERT_TRUE(QImage(icono).convertToFormat(formato).save(archivo));
        AnticiparImagenes({archivo});
        const QImage leida = TomarImagen(archivo);
        EXPECT_FALSE(leida.isNull());
        EXPECT_EQ(leida, QImage(archivo)) << int(formato);
    }
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
