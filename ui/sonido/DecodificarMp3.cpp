// MP3 decoding through libmpg123 (see DecodificarMp3.h).
#include "DecodificarMp3.h"

#include <memory>
#include <mpg123.h>

namespace {
struct CerrarMpg123 {
    void operator()(mpg123_handle *h) const
    {
        mpg123_close(h);
        mpg123_delete(h);
    }
};
}  // namespace

SonidoDecodificado DecodificarMp3(const std::string &ruta)
{
    SonidoDecodificado sonido;
    std::unique_ptr<mpg123_handle, CerrarMpg123> h(mpg123_new(nullptr, nullptr));
    if (!h)
        return sonido;
    // Quiet: a damaged file is an expected condition, reported by an empty result only.
    mpg123_param(h.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // Every rate the decoder knows, always as signed 16-bit samples.
    mpg123_format_none(h.get());
    const long *frecuencias = nullptr;
    size_t n = 0;
    mpg123_rates(&frecuencias, &n);
    for (size_t i = 0; i < n; ++i)
        mpg123_format(h.get(), frecuencias[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(h.get(), ruta.c_str()) != MPG123_OK)
        return sonido;

    int codificacion = 0;
    unsigned char bloque[16384];
    for (;;) {
        size_t leidos = 0;
        const int r = mpg123_read(h.get(), bloque, sizeof bloque, &leidos);
        if (r == MPG123_NEW_FORMAT) {
            // A cue keeps one format: a change part-way through ends it there.
            if (!sonido.muestras.empty())
                break;
            mpg123_getformat(h.get(), &sonido.frecuencia, &sonido.canales, &codificacion);
        }
        const auto *p = reinterpret_cast<const int16_t *>(bloque);
        sonido.muestras.insert(sonido.muestras.end(), p, p + leidos / sizeof(int16_t));
        if (r != MPG123_OK && r != MPG123_NEW_FORMAT)
            break;  // MPG123_DONE at the end, or an error
    }
    if (sonido.frecuencia <= 0 || (sonido.canales != 1 && sonido.canales != 2))
        sonido.muestras.clear();
    return sonido;
}
