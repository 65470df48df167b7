// UTF-8 checking and Windows-1252 decoding, by hand: Qt knows Windows-1252 only through
// ICU (absent from some Qt builds), glibc's iconv rejects the five unassigned bytes that
// Windows passes through, and this code must stay free of Qt for the fuzzer.
#include "Codificacion.h"

#include <cstdint>

namespace {

// Windows-1252 bytes 0x80..0x9F; the rest of the page is Latin-1. The five unassigned
// bytes map to the C1 controls of the same number, as Windows' own conversion does.
constexpr char32_t kZona80[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

void AnadirUtf8(std::string &salida, char32_t c)
{
    if (c < 0x80) {
        salida += static_cast<char>(c);
    } else if (c < 0x800) {
        salida += static_cast<char>(0xC0 | (c >> 6));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Nothing in Windows-1252 lies beyond the Basic Multilingual Plane.
        salida += static_cast<char>(0xE0 | (c >> 12));
        salida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool EsContinuacion(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

bool EsUtf8Valido(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t largo = 0;
        char32_t minimo = 0;
        char32_t c = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            largo = 2, minimo = 0x80, c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            largo = 3, minimo = 0x800, c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            largo = 4, minimo = 0x10000, c = b & 0x07;
        } else {
            return false;
        }
        if (n - i < largo)
            return false;
        for (std::size_t k = 1; k < largo; ++k) {
            const auto s = static_cast<unsigned char>(bytes[i + k]);
            if (!EsContinuacion(s))
                return false;
            c = (c << 6) | (s & 0x3F);
        }
        if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += largo;
    }
    return true;
}

std::string ComoUtf8(std::string_view bytes)
{
    if (EsUtf8Valido(bytes))
        return std::string(bytes);
    std::string salida;
    salida.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AnadirUtf8(salida, (b >= 0x80 && b < 0xA0) ? kZona80[b - 0x80] : char32_t(b));
    }
    return salida;
}

std::string CortarCaracteres(std::string_view utf8, std::size_t maximo)
{
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (EsContinuacion(static_cast<unsigned char>(utf8[i])))
            continue;
        if (caracteres == maximo)
            return std::string(utf8.substr(0, i));
        ++caracteres;
    }
    return std::string(utf8);
}
