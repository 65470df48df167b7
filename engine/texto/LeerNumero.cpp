#include "LeerNumero.h"

#include "EstadoJuego.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

// A carriage return is not among them: it ends the number like any other character.
bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\n'; }

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

// The power of ten of the first significant digit of a number written as
// [sign]digits[.digits][e[sign]digits]: 0 for 1..9.99, -1 for 0.1..0.999, and so on.
// Only asked about numbers a double cannot hold, so they have a nonzero digit. The
// exponent saturates, as any value past a few thousand decides the same way.
long long OrdenDeMagnitud(const std::string &num)
{
    long long orden = 0;
    size_t i = (num[0] == '-' || num[0] == '+') ? 1 : 0;
    long long enteros = -1;  // integer digits after the first significant one
    bool hallado = false;
    for (; i < num.size() && std::isdigit(static_cast<unsigned char>(num[i])); ++i)
        if (hallado || num[i] != '0') {
            hallado = true;
            ++enteros;
        }
    if (hallado) {
        orden = enteros;
    } else if (i < num.size() && num[i] == '.') {
        long long ceros = 0;
        for (++i; i < num.size() && num[i] == '0'; ++i)
            ++ceros;
        orden = -(ceros + 1);
    }
    const size_t e = num.find('e');
    if (e == std::string::npos)
        return orden;
    long long exponente = 0;
    for (size_t j = e + 1; j < num.size(); ++j)
        if (std::isdigit(static_cast<unsigned char>(num[j])) && exponente < 1000000000)
            exponente = exponente * 10 + (num[j] - '0');
    return orden + (num[e + 1] == '-' ? -exponente : exponente);
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
        v = OrdenDeMagnitud(num) >= 0 ? HUGE_VAL : 0.0;  // too big is huge; too small is 0
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
