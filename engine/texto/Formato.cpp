#include "Formato.h"

#include <charconv>
#include <cmath>

std::string Formato00(double valor)
{
    char buf[64];
    // to_chars rounds the exact binary value and never uses the locale's separator.
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed, 2);
    std::string s(buf, r.ptr);
    if (s == "-0.00")
        s = "0.00";
    return s;
}

int32_t Centesimas(const std::string &texto)
{
    double v = 0;
    std::from_chars(texto.data(), texto.data() + texto.size(), v);
    return static_cast<int32_t>(std::lround(v * 100.0));
}
