#include "LeerNumero.h"

#include "EstadoJuego.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string SinBlancos(std::string_view texto)
{
    std::string s;
    for (char c : texto)
        if (!EsBlanco(c))
            s += c;
    return s;
}

// "&H..." / "&O...": the digits as a whole number, read back as a signed 16- or 32-bit value.
double LeerBase(const std::string &s, size_t desde, int base)
{
    uint64_t v = 0;
    bool alguno = false;
    for (size_t i = desde; i < s.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        if (d < 0 || d >= base)
            break;
        alguno = true;
        v = v * base + d;
        if (v > 0xFFFFFFFFull)
            return 0;  // beyond any whole number the prompt can mean
    }
    if (!alguno)
        return 0;
    if (v <= 0xFFFF)
        return static_cast<int16_t>(v);
    return static_cast<int32_t>(static_cast<uint32_t>(v));
}

}  // namespace

double LeerNumero(std::string_view texto)
{
    const std::string s = SinBlancos(texto);
    if (s.size() >= 2 && s[0] == '&') {
        const char tipo = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (tipo == 'H')
            return LeerBase(s, 2, 16);
        if (tipo == 'O')
            return LeerBase(s, 2, 8);
        return 0;
    }

    // Collect the longest prefix that is a number, then let strtod convert exactly that.
    size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        num += s[i++];
    bool digitos = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        num += s[i++];
        digitos = true;
    }
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            num += s[i++];
            digitos = true;
        }
    }
    if (!digitos)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exp = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exp += s[j++];
        bool expDigitos = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            exp += s[j++];
            expDigitos = true;
        }
        if (expDigitos)
            num += exp;
    }
    // from_chars, unlike strtod, ignores the locale: the point is always '.'.
    const bool negativo = num[0] == '-';
    const size_t ini = (num[0] == '-' || num[0] == '+') ? 1 : 0;
    double v = 0;
    const auto [fin, err] = std::from_chars(num.data() + ini, num.data() + num.size(), v);
    (void)fin;
    if (err == std::errc::result_out_of_range)
        v = HUGE_VAL;  // a huge answer; tiny ones come back as 0 or denormal anyway
    return negativo ? -v : v;
}

int NivelDeRespuesta(std::string_view respuesta)
{
    const double n = std::floor(LeerNumero(respuesta));
    if (!(n > 0))
        return 0;  // also NaN, though the reader never gives one
    if (n > kUltimoNivel)
        return kUltimoNivel;
    return static_cast<int>(n);
}
