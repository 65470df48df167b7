// Sound cues through OpenAL (see SonidoOpenAL.h).
#include "SonidoOpenAL.h"

#include "DecodificarMp3.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/efx.h>
#include <utility>

SonidoOpenAL::SonidoOpenAL(std::string dispositivo) : nombreDispositivo_(std::move(dispositivo)) { }

SonidoOpenAL::~SonidoOpenAL() { Cerrar(); }

bool SonidoOpenAL::AbrirAudio()
{
    dispositivo_ = alcOpenDevice(nombreDispositivo_.empty() ? nullptr : nombreDispositivo_.c_str());
    if (dispositivo_) {
        // As many sources as cues can sound at once, and no effect sends (the cues use
        // none): less for OpenAL to set up.
        const ALCint atributos[]
            = {ALC_MONO_SOURCES, Canales, ALC_STEREO_SOURCES, Canales, ALC_MAX_AUXILIARY_SENDS, 0, 0};
        contexto_ = alcCreateContext(dispositivo_, atributos);
    }
    if (contexto_ && alcMakeContextCurrent(contexto_)) {
        alGetError();
        alGenSources(Canales, fuentes_.data());
        if (alGetError() == AL_NO_ERROR) {
            for (ALuint f : fuentes_)
                alSourcei(f, AL_SOURCE_RELATIVE, AL_TRUE);  // at the listener: no placing in space
            estado_ = Estado::Abierto;
            return true;
        }
        fuentes_.fill(0);
    }
    Cerrar();
    estado_ = Estado::Mudo;
    return false;
}

void SonidoOpenAL::Cerrar()
{
    if (estado_ == Estado::Abierto) {
        alSourceStopv(Canales, fuentes_.data());
        alDeleteSources(Canales, fuentes_.data());
        fuentes_.fill(0);
        for (const auto &[ruta, buffer] : cues_)
            if (buffer != 0)
                alDeleteBuffers(1, &buffer);
    }
    cues_.clear();
    if (contexto_) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(contexto_);
        contexto_ = nullptr;
    }
    if (dispositivo_) {
        alcCloseDevice(dispositivo_);
        dispositivo_ = nullptr;
    }
    estado_ = Estado::SinAbrir;
}

unsigned SonidoOpenAL::Cargar(const std::string &ruta)
{
    auto it = cues_.find(ruta);
    if (it != cues_.end())
        return it->second;
    ALuint buffer = 0;
    const SonidoDecodificado s = DecodificarMp3(ruta);
    if (!s.Vacio()) {
        alGetError();
        alGenBuffers(1, &buffer);
        const auto tramas = s.muestras.size() / static_cast<std::size_t>(s.canales);
        alBufferData(buffer, s.canales == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, s.muestras.data(),
            static_cast<ALsizei>(tramas * s.canales * sizeof(int16_t)), static_cast<ALsizei>(s.frecuencia));
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &buffer);
            buffer = 0;
        }
    }
    cues_.emplace(ruta, buffer);
    return buffer;
}

bool SonidoOpenAL::Cargado(const std::string &ruta) const
{
    const auto it = cues_.find(ruta);
    return it != cues_.end() && it->second != 0;
}

int SonidoOpenAL::CuesSonando() const
{
    int n = 0;
    if (estado_ == Estado::Abierto)
        for (ALuint f : fuentes_) {
            ALint estado = AL_STOPPED;
            alGetSourcei(f, AL_SOURCE_STATE, &estado);
            n += estado == AL_PLAYING ? 1 : 0;
        }
    return n;
}

int SonidoOpenAL::CopiasDecodificadas() const
{
    int n = 0;
    for (const auto &[ruta, buffer] : cues_)
        n += buffer != 0 ? 1 : 0;
    return n;
}

void SonidoOpenAL::Reproducir(const std::string &ruta)
{
    if (estado_ == Estado::Mudo || (estado_ == Estado::SinAbrir && !AbrirAudio()))
        return;
    const ALuint buffer = Cargar(ruta);
    if (buffer == 0)
        return;
    for (ALuint f : fuentes_) {
        ALint estado = AL_PLAYING;
        alGetSourcei(f, AL_SOURCE_STATE, &estado);
        if (estado != AL_PLAYING) {
            alSourcei(f, AL_BUFFER, static_cast<ALint>(buffer));
            alSourcePlay(f);
            return;
        }
    }
    // Every source busy: the cue is skipped.
}
