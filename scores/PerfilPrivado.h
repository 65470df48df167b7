// A private-profile (INI) file held as its lines, looked up and edited the way the
// Windows profile functions do it: names match without regard to case, blanks around
// keys and values are trimmed, one pair of matching outer quotes is taken off a value,
// `;` lines are comments, the first of two equal sections or keys wins, and an edit
// changes or adds one line and keeps every other byte. Plain C++, bytes in and out.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class PerfilPrivado {
public:
    // Splits a file's bytes into lines (CRLF, LF or CR ends) after an optional UTF-8
    // byte-order mark. A line that is not valid UTF-8 is read as Windows-1252 and kept as
    // UTF-8 from then on, so the document always holds UTF-8.
    static PerfilPrivado Analizar(std::string_view bytes);

    // The value of `clave` in the first section named `seccion`, or nothing when either
    // is missing. A key line outside every section belongs to none.
    std::optional<std::string> Valor(std::string_view seccion, std::string_view clave) const;

    bool TieneSecciones() const;

    // Stores `valor` (UTF-8) so that Valor gives it back exactly, except that characters
    // below U+0020 become spaces: it can never start another line. An existing key keeps
    // its place and spelling; a new key goes after the last key of the section, a new
    // section at the end of the file. Returns false and changes nothing when a name
    // cannot be stored as such (see NombreDeSeccionValido, NombreDeClaveValido) or the
    // value is not UTF-8.
    bool Escribir(std::string_view seccion, std::string_view clave, std::string_view valor);

    // The file's bytes: the lines with their own line ends, new lines with CRLF.
    std::string Serializar() const;

    std::size_t NumeroLineas() const { return lineas_.size(); }

private:
    struct Linea {
        std::string texto;  // without its line end
        std::string fin;    // "\r\n", "\n", "\r", or "" for an unterminated last line
    };

    std::optional<std::size_t> BuscarSeccion(std::string_view seccion) const;

    std::vector<Linea> lineas_;
    bool marcaBom_ = false;
};

// Reads a value as GetPrivateProfileString does with a 255-character buffer: the stored
// value cut to `maximo` characters, or `porDefecto` when the section or key is missing.
std::string LeerPerfil(const PerfilPrivado &perfil, std::string_view seccion, std::string_view clave,
    std::string_view porDefecto = "0", std::size_t maximo = 254);

// The text written after `=` for a value: control characters become spaces, and a value
// that starts or ends with a blank or a quote goes inside "..." so that the reader's
// trimming and quote stripping give it back unchanged.
std::string ValorAlmacenado(std::string_view valor);

// Names compare without regard to ASCII case, as the Windows functions compare them.
bool MismoNombre(std::string_view a, std::string_view b);

// Names that read back as themselves: UTF-8, no control characters, no blanks at either
// end; a section without `]`, a key not empty, without `=`, not starting with `;` or `[`.
bool NombreDeSeccionValido(std::string_view seccion);
bool NombreDeClaveValido(std::string_view clave);
