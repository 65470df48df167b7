// Lenient reading of the leading number of a typed answer, as the level-jump prompt needs:
// blanks, tabs and line feeds are skipped wherever they stand; an optional sign, digits, a
// decimal point (always '.') and an exponent; "&H" and "&O" read hexadecimal and octal.
// Reading stops at the first character that cannot continue the number; no number reads 0.
// Hand-written because strtod/stoi neither skip inner blanks nor read "&H"/"&O".
#pragma once

#include <string_view>

double LeerNumero(std::string_view texto);

// The level an answer selects: the number rounded down, kept within 0..49.
int NivelDeRespuesta(std::string_view respuesta);
