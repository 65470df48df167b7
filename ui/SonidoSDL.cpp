// Sound cues through SDL2_mixer (see SonidoSDL.h).
#include "SonidoSDL.h"

#include <SDL.h>
#include <SDL_mixer.h>

void SonidoSDL::LiberarChunk::operator()(Mix_Chunk *c) const { Mix_FreeChunk(c); }

SonidoSDL::~SonidoSDL() { Cerrar(); }

void SonidoSDL::Cerrar()
{
    if (estado_ != Estado::Abierto)
        return;
    Mix_HaltChannel(-1);
    cues_.clear();  // frees every chunk while the mixer is still open
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    estado_ = Estado::SinAbrir;
}

bool SonidoSDL::AbrirAudio()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        estado_ = Estado::Mudo;
        return false;
    }
    // MP3 support may live in a decoder loaded on demand; a failure here only means
    // such cues will not decode, which Cargar already handles.
    Mix_Init(MIX_INIT_MP3);
    // A small buffer keeps a cue close to the click that caused it.
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        estado_ = Estado::Mudo;
        return false;
    }
    Mix_AllocateChannels(Canales);
    estado_ = Estado::Abierto;
    return true;
}

Mix_Chunk *SonidoSDL::Cargar(const std::string &ruta)
{
    auto it = cues_.find(ruta);
    if (it == cues_.end())
        it = cues_.emplace(ruta, Chunk(Mix_LoadWAV(ruta.c_str()))).first;
    return it->second.get();
}

bool SonidoSDL::Cargado(const std::string &ruta) const
{
    const auto it = cues_.find(ruta);
    return it != cues_.end() && it->second != nullptr;
}

void SonidoSDL::ReproducirSonido(const std::string &ruta)
{
    if (estado_ == Estado::Mudo || (estado_ == Estado::SinAbrir && !AbrirAudio()))
        return;
    if (Mix_Chunk *cue = Cargar(ruta))
        Mix_PlayChannel(-1, cue, 0);  // -1: any free channel; none free, the cue is skipped
}
