// The SDL cue player: missing and broken files, the cache, overlapping cues, the shipped
// cues, a machine without audio, and a clean shutdown. Runs on SDL's dummy audio driver,
// which plays in real time, so a cue of a second or more is still sounding when checked.
#include "SonidoSDL.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

namespace {

// A plain 16-bit mono WAV tone; SDL decodes it without any optional decoder.
void EscribirTono(const QString &ruta, double segundos)
{
    constexpr int frecuencia = 22050;
    const auto muestras = static_cast<std::uint32_t>(segundos * frecuencia);
    std::vector<std::int16_t> datos(muestras);
    for (std::uint32_t i = 0; i < muestras; ++i) {
        const double fase = 2 * std::numbers::pi * 440 * i / frecuencia;
        datos[i] = static_cast<std::int16_t>(8000 * std::sin(fase));
    }

    QByteArray wav;
    auto u32 = [&wav](std::uint32_t v) {
        for (int b = 0; b < 4; ++b)
            wav.append(static_cast<char>((v >> (8 * b)) & 0xff));
    };
    auto u16 = [&wav](std::uint16_t v) {
        wav.append(static_cast<char>(v & 0xff));
        wav.append(static_cast<char>(v >> 8));
    };
    const std::uint32_t bytes = muestras * 2;
    wav.append("RIFF");
    u32(36 + bytes);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(frecuencia);
    u32(frecuencia * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(bytes);
    wav.append(reinterpret_cast<const char *>(datos.data()), static_cast<qsizetype>(bytes));

    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(wav), wav.size());
}

void EscribirBytes(const QString &ruta, const QByteArray &contenido)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(contenido), contenido.size());
}

// The Data folder of the source tree when the build names it, else the one beside the tests.
QString CarpetaDatos()
{
#ifdef VELUNDA_DATOS_FUENTE
    return QStringLiteral(VELUNDA_DATOS_FUENTE);
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Data");
#endif
}

// Sets an environment variable for one scope.
class VariableTemporal {
public:
    VariableTemporal(const char *nombre, const char *valor) : nombre_(nombre)
    {
        if (const char *antes = std::getenv(nombre)) {
            tenia_ = true;
            antes_ = antes;
        }
        setenv(nombre, valor, 1);
    }
    ~VariableTemporal()
    {
        if (tenia_)
            setenv(nombre_, antes_.c_str(), 1);
        else
            unsetenv(nombre_);
    }

private:
    const char *nombre_;
    bool tenia_ = false;
    std::string antes_;
};

class SonidoSDLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta.isValid());
        tono = carpeta.filePath(QStringLiteral("tono.wav")).toStdString();
        EscribirTono(QString::fromStdString(tono), 2.0);
    }
    std::string Ruta(const char *nombre) const { return carpeta.filePath(nombre).toStdString(); }

    QTemporaryDir carpeta;
    std::string tono;
};

TEST_F(SonidoSDLTest, MissingFileIsSilentAndNotRetriedOnLaterCalls)
{
    SonidoSDL sonido;
    const std::string ruta = Ruta("no_existe.mp3");
    sonido.ReproducirSonido(ruta);
    EXPECT_TRUE(sonido.AudioAbierto());
    EXPECT_FALSE(sonido.Cargado(ruta));
    EXPECT_EQ(Mix_Playing(-1), 0);

    // The file appearing later changes nothing: the miss was remembered.
    EscribirTono(QString::fromStdString(ruta), 2.0);
    sonido.ReproducirSonido(ruta);
    EXPECT_FALSE(sonido.Cargado(ruta));
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SonidoSDLTest, BrokenFilesAreRememberedAsMissing)
{
    SonidoSDL sonido;
    const std::string texto = Ruta("texto.mp3");
    const std::string vacio = Ruta("vacio.wav");
    const std::string cabecera = Ruta("solo_cabecera.wav");
    EscribirBytes(QString::fromStdString(texto), "this is not a sound at all\n");
    EscribirBytes(QString::fromStdString(vacio), QByteArray());
    EscribirBytes(QString::fromStdString(cabecera), QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16));
    for (int vez = 0; vez < 3; ++vez)
        for (const std::string &ruta : {texto, vacio, cabecera})
            sonido.ReproducirSonido(ruta);
    EXPECT_FALSE(sonido.Cargado(texto));
    EXPECT_FALSE(sonido.Cargado(vacio));
    EXPECT_FALSE(sonido.Cargado(cabecera));
    EXPECT_EQ(Mix_Playing(-1), 0);

    // A good cue still plays after the bad ones.
    sonido.ReproducirSonido(tono);
    EXPECT_TRUE(sonido.Cargado(tono));
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SonidoSDLTest, RepeatedCuesOverlapAndShareOneDecodedCopy)
{
    SonidoSDL sonido;
    for (int vez = 0; vez < 3; ++vez)
        sonido.ReproducirSonido(tono);
    EXPECT_EQ(Mix_Playing(-1), 3) << "a new cue must not cut off one still playing";
    ASSERT_NE(Mix_GetChunk(0), nullptr);
    EXPECT_EQ(Mix_GetChunk(0), Mix_GetChunk(1));
    EXPECT_EQ(Mix_GetChunk(1), Mix_GetChunk(2));

    // More cues than channels: the extra ones are skipped, nothing breaks.
    for (int vez = 0; vez < 2 * SonidoSDL::Canales; ++vez)
        sonido.ReproducirSonido(tono);
    EXPECT_EQ(Mix_Playing(-1), SonidoSDL::Canales);
}

TEST_F(SonidoSDLTest, EveryShippedCueDecodesAndPlays)
{
    SonidoSDL sonido;
    const char *cues[] = {"bien.mp3", "genial.mp3", "sigue_asi.mp3", "uno_menos.mp3", "vale.mp3", "no.mp3",
        "uy.mp3", "vaya.mp3", "que_bueno_eres_tio.mp3"};
    for (const char *cue : cues) {
        const std::string ruta = (CarpetaDatos() + QLatin1Char('/') + cue).toStdString();
        ASSERT_TRUE(QFile::exists(QString::fromStdString(ruta))) << ruta;
        sonido.ReproducirSonido(ruta);
        EXPECT_TRUE(sonido.Cargado(ruta)) << ruta << ": " << Mix_GetError();
    }
    EXPECT_GT(Mix_Playing(-1), 0);
}

TEST_F(SonidoSDLTest, WithoutAnAudioDeviceTheGameStaysSilentForGood)
{
    {
        VariableTemporal sinAudio("SDL_AUDIODRIVER", "velunda_no_such_driver");
        SonidoSDL sonido;
        sonido.ReproducirSonido(tono);
        EXPECT_TRUE(sonido.Mudo());
        EXPECT_FALSE(sonido.Cargado(tono));
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "a failed start must leave SDL as found";

        // The device would open now, but the player does not try again.
        VariableTemporal conAudio("SDL_AUDIODRIVER", "dummy");
        sonido.ReproducirSonido(tono);
        EXPECT_TRUE(sonido.Mudo());
        EXPECT_FALSE(sonido.Cargado(tono));
    }
    SonidoSDL otro;  // a new player on a working device is not affected
    otro.ReproducirSonido(tono);
    EXPECT_TRUE(otro.AudioAbierto());
    EXPECT_TRUE(otro.Cargado(tono));
}

TEST_F(SonidoSDLTest, ADeviceThatWillNotOpenAlsoLeavesTheGameSilent)
{
    // The disk driver starts, but its device cannot open a file in a missing folder.
    VariableTemporal driver("SDL_AUDIODRIVER", "disk");
    VariableTemporal fichero("SDL_DISKAUDIOFILE", Ruta("no/such/folder/audio.raw").c_str());
    SonidoSDL sonido;
    sonido.ReproducirSonido(tono);
    EXPECT_TRUE(sonido.Mudo());
    EXPECT_FALSE(sonido.Cargado(tono));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "a failed start must leave SDL as found";
}

TEST_F(SonidoSDLTest, DestructionClosesTheDeviceSoItCanOpenAgain)
{
    {
        SonidoSDL sonido;
        EXPECT_FALSE(sonido.AudioAbierto()) << "the device opens with the first cue, not before";
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
        sonido.ReproducirSonido(tono);
        ASSERT_TRUE(sonido.AudioAbierto());
        EXPECT_EQ(Mix_Playing(-1), 1);
    }
    int frecuencia = 0, canales = 0;
    Uint16 formato = 0;
    EXPECT_EQ(Mix_QuerySpec(&frecuencia, &formato, &canales), 0) << "mixer still open";
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "audio subsystem still running";

    SonidoSDL otra;
    otra.ReproducirSonido(tono);
    EXPECT_TRUE(otra.AudioAbierto());
    EXPECT_EQ(Mix_Playing(-1), 1);
}

}  // namespace
