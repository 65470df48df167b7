// Text encodings met in high-score files. The game keeps every text as UTF-8; files
// written by the Windows program hold Windows-1252 bytes instead, which are recognised
// line by line (a line that is not valid UTF-8 is Windows-1252) and turned into UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True when `bytes` is well-formed UTF-8: no overlong forms, no surrogates, nothing
// past U+10FFFF, no cut sequence.
bool EsUtf8Valido(std::string_view bytes);

// The text as UTF-8: unchanged when it already is valid UTF-8, else read as Windows-1252.
std::string ComoUtf8(std::string_view bytes);

// The first `maximo` characters (code points) of valid UTF-8 text.
std::string CortarCaracteres(std::string_view utf8, std::size_t maximo);
