// The OpenAL cue player: missing and broken files, the cache, overlapping cues, the shipped
// cues, a machine without audio, closing the device and a clean shutdown, and the module the
// game loads it from. Runs on OpenAL's silent "null" output, which plays in real time, so a
// cue of a second or more is still sounding when checked.
#include "SonidoConmutable.h"
#include "SonidoModulo.h"
#include "SonidoOpenAL.h"

#include <AL/alc.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

// The Data folder of the source tree when the build names it, else the one beside the tests.
QString CarpetaDatos()
{
#ifdef VELUNDA_DATOS_FUENTE
    return QStringLiteral(VELUNDA_DATOS_FUENTE);
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Data");
#endif
}

QByteArray Leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void EscribirBytes(const QString &ruta, const QByteArray &contenido)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(contenido), contenido.size());
}

class SonidoOpenALTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta.isValid());
        // The longest shipped cue twice over (MPEG frames simply follow each other): over 2 s.
        const QByteArray cue = Leer(CarpetaDatos() + QStringLiteral("/que_bueno_eres_tio.mp3"));
        ASSERT_FALSE(cue.isEmpty());
        largo = Ruta("largo.mp3");
        EscribirBytes(QString::fromStdString(largo), cue + cue);
    }
    std::string Ruta(const char *nombre) const { return carpeta.filePath(nombre).toStdString(); }

    QTemporaryDir carpeta;
    std::string largo;
};

TEST_F(SonidoOpenALTest, MissingFileIsSilentAndNotRetriedOnLaterCalls)
{
    SonidoOpenAL sonido;
    const std::string ruta = Ruta("no_existe.mp3");
    sonido.Reproducir(ruta);
    EXPECT_TRUE(sonido.AudioAbierto());
    EXPECT_FALSE(sonido.Cargado(ruta));
    EXPECT_EQ(sonido.CuesSonando(), 0);

    // The file appearing later changes nothing: the miss was remembered.
    EscribirBytes(QString::fromStdString(ruta), Leer(QString::fromStdString(largo)));
    sonido.Reproducir(ruta);
    EXPECT_FALSE(sonido.Cargado(ruta));
    EXPECT_EQ(sonido.CuesSonando(), 0);
}

TEST_F(SonidoOpenALTest, BrokenFilesAreRememberedAsMissing)
{
    SonidoOpenAL sonido;
    const std::string texto = Ruta("texto.mp3");
    const std::string vacio = Ruta("vacio.mp3");
    const std::string cabecera = Ruta("solo_cabecera.mp3");
    EscribirBytes(QString::fromStdString(texto), "this is not a sound at all\n");
    EscribirBytes(QString::fromStdString(vacio), QByteArray());
    EscribirBytes(QString::fromStdString(cabecera), Leer(QString::fromStdString(largo)).left(4));
    for (int vez = 0; vez < 3; ++vez)
        for (const std::string &ruta : {texto, vacio, cabecera})
            sonido.Reproducir(ruta);
    EXPECT_FALSE(sonido.Cargado(texto));
    EXPECT_FALSE(sonido.Cargado(vacio));
    EXPECT_FALSE(sonido.Cargado(cabecera));
    EXPECT_EQ(sonido.CuesSonando(), 0);

    // A good cue still plays after the bad ones.
    sonido.Reproducir(largo);
    EXPECT_TRUE(sonido.Cargado(largo));
    EXPECT_EQ(sonido.CuesSonando(), 1);
}

TEST_F(SonidoOpenALTest, RepeatedCuesOverlapAndShareOneDecodedCopy)
{
    SonidoOpenAL sonido;
    for (int vez = 0; vez < 3; ++vez)
        sonido.Reproducir(largo);
    EXPECT_EQ(sonido.CuesSonando(), 3) << "a new cue must not cut off one still playing";
    EXPECT_EQ(sonido.CopiasDecodificadas(), 1);

    // More cues than sources: the extra ones are skipped, nothing breaks.
    for (int vez = 0; vez < 2 * SonidoOpenAL::Canales; ++vez)
        sonido.Reproducir(largo);
    EXPECT_EQ(sonido.CuesSonando(), SonidoOpenAL::Canales);
    EXPECT_EQ(sonido.CopiasDecodificadas(), 1);
}

TEST_F(SonidoOpenALTest, EveryShippedCueDecodesAndPlays)
{
    SonidoOpenAL sonido;
    const char *cues[] = {"bien.mp3", "genial.mp3", "sigue_asi.mp3", "uno_menos.mp3", "vale.mp3", "no.mp3",
        "uy.mp3", "vaya.mp3", "que_bueno_eres_tio.mp3"};
    for (const char *cue : cues) {
        const std::string ruta = (CarpetaDatos() + QLatin1Char('/') + cue).toStdString();
        ASSERT_TRUE(QFile::exists(QString::fromStdString(ruta))) << ruta;
        sonido.Reproducir(ruta);
        EXPECT_TRUE(sonido.Cargado(ruta)) << ruta;
    }
    EXPECT_GT(sonido.CuesSonando(), 0);
}

TEST_F(SonidoOpenALTest, WithoutAnAudioDeviceTheGameStaysSilent)
{
    {
        SonidoOpenAL sonido("velunda: no such device");
        for (int vez = 0; vez < 3; ++vez) {
            sonido.Reproducir(largo);
            EXPECT_TRUE(sonido.Mudo());
            EXPECT_FALSE(sonido.Cargado(largo));
        }
        EXPECT_EQ(alcGetCurrentContext(), nullptr) << "a failed start must leave OpenAL as found";
    }
    SonidoOpenAL otro;  // a new player on a working device is not affected
    otro.Reproducir(largo);
    EXPECT_TRUE(otro.AudioAbierto());
    EXPECT_TRUE(otro.Cargado(largo));
}

TEST_F(SonidoOpenALTest, ClosingTheDeviceStopsEveryCueAndTheNextCueOpensItAgain)
{
    SonidoOpenAL sonido;
    sonido.Reproducir(largo);
    sonido.Reproducir(largo);
    ASSERT_EQ(sonido.CuesSonando(), 2);
    sonido.Cerrar();
    EXPECT_FALSE(sonido.AudioAbierto());
    EXPECT_EQ(sonido.CuesSonando(), 0);
    EXPECT_EQ(alcGetCurrentContext(), nullptr) << "device still open";

    sonido.Reproducir(largo);
    EXPECT_TRUE(sonido.AudioAbierto());
    EXPECT_EQ(sonido.CuesSonando(), 1);
}

TEST_F(SonidoOpenALTest, DestructionClosesTheDeviceSoItCanOpenAgain)
{
    {
        SonidoOpenAL sonido;
        EXPECT_FALSE(sonido.AudioAbierto()) << "the device opens with the first cue, not before";
        EXPECT_EQ(alcGetCurrentContext(), nullptr);
        sonido.Reproducir(largo);
        ASSERT_TRUE(sonido.AudioAbierto());
        EXPECT_EQ(sonido.CuesSonando(), 1);
    }
    EXPECT_EQ(alcGetCurrentContext(), nullptr) << "device still open";

    SonidoOpenAL otra;
    otra.Reproducir(largo);
    EXPECT_TRUE(otra.AudioAbierto());
    EXPECT_EQ(otra.CuesSonando(), 1);
}

}  // namespace

// The game's own way to the player: the module beside the program.
TEST_F(SonidoOpenALTest, TheModuleBesideTheProgramPlaysAndClosesAMissingOneIsSilent)
{
    {
        SonidoModulo sonido(QCoreApplication::applicationDirPath());
        sonido.Cerrar();  // nothing loaded yet: nothing to close
        EXPECT_FALSE(sonido.Cargado());
        sonido.Reproducir(largo);  // the first cue loads it
        ASSERT_TRUE(sonido.Cargado());
        EXPECT_NE(alcGetCurrentContext(), nullptr) << "the cue opened no device";
        sonido.Cerrar();
        EXPECT_EQ(alcGetCurrentContext(), nullptr) << "device still open";
        sonido.Reproducir(largo);
        EXPECT_NE(alcGetCurrentContext(), nullptr) << "the next cue did not open it again";
    }
    EXPECT_EQ(alcGetCurrentContext(), nullptr) << "the player was not released with the module's owner";

    SonidoModulo sinModulo(QStringLiteral("/no/such/dir"));
    sinModulo.Reproducir(largo);
    sinModulo.Cargar();
    EXPECT_FALSE(sinModulo.Cargado());
    EXPECT_EQ(alcGetCurrentContext(), nullptr);
}

TEST(Senales, EveryCueTheRulesNameIsAFileOfItsOwnInData)
{
    // A cue without its file would leave that moment of the game silent.
    std::set<std::string> archivos;
    for (int s = int(Senal::Bien); s <= int(Senal::Victoria); ++s) {
        const std::string archivo = ArchivoSenal(Senal(s));
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(VELUNDA_DATOS_FUENTE "/" + archivo))) << archivo;
        archivos.insert(archivo);
    }
    EXPECT_EQ(archivos.size(), 9u);
}
