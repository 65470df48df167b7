// The private-profile parser and editor. Every lookup scans the lines afresh: the files
// are a few dozen lines, and keeping no index means an edit can never leave one stale.
// Hand-written: no packaged INI library reads these files the way Windows does.
#include "PerfilPrivado.h"

#include "Codificacion.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kFinNuevo = "\r\n";

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

std::string_view Recortar(std::string_view s)
{
    while (!s.empty() && EsBlanco(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && EsBlanco(s.back()))
        s.remove_suffix(1);
    return s;
}

char MinusculaAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool TieneControles(std::string_view s)
{
    for (const char c : s)
        if (static_cast<unsigned char>(c) < 0x20)
            return true;
    return false;
}

bool EsComilla(char c) { return c == '"' || c == '\''; }

// What one line is, as the reader sees it.
struct Clase {
    enum Tipo { Otra, Cabecera, Clave } tipo = Otra;
    std::string_view nombre;  // section or key name, trimmed
    std::string_view valor;   // raw text after the first `=`
};

Clase Clasificar(std::string_view linea)
{
    const std::string_view t = Recortar(linea);
    if (t.empty() || t.front() == ';')
        return {};
    if (t.front() == '[') {
        // The name ends at the first `]` or the line's end; the rest is ignored.
        std::string_view nombre = t.substr(1);
        nombre = nombre.substr(0, nombre.find(']'));
        return {Clase::Cabecera, Recortar(nombre), {}};
    }
    const std::size_t igual = t.find('=');
    if (igual == std::string_view::npos)
        return {};
    return {Clase::Clave, Recortar(t.substr(0, igual)), t.substr(igual + 1)};
}

std::string ValorLeido(std::string_view crudo)
{
    std::string_view v = Recortar(crudo);
    if (v.size() >= 2 && EsComilla(v.front()) && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

}  // namespace

bool MismoNombre(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (MinusculaAscii(a[i]) != MinusculaAscii(b[i]))
            return false;
    return true;
}

bool NombreDeSeccionValido(std::string_view seccion)
{
    return EsUtf8Valido(seccion) && !TieneControles(seccion) && Recortar(seccion) == seccion
        && seccion.find(']') == std::string_view::npos;
}

bool NombreDeClaveValido(std::string_view clave)
{
    return !clave.empty() && EsUtf8Valido(clave) && !TieneControles(clave) && Recortar(clave) == clave
        && clave.find('=') == std::string_view::npos && clave.front() != ';' && clave.front() != '[';
}

std::string ValorAlmacenado(std::string_view valor)
{
    std::string limpio(valor);
    for (char &c : limpio)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    const bool enComillas = !limpio.empty()
        && (EsBlanco(limpio.front()) || EsBlanco(limpio.back()) || EsComilla(limpio.front())
            || EsComilla(limpio.back()));
    return enComillas ? '"' + limpio + '"' : limpio;
}

PerfilPrivado PerfilPrivado::Analizar(std::string_view bytes)
{
    PerfilPrivado perfil;
    if (bytes.substr(0, kBom.size()) == kBom) {
        perfil.marcaBom_ = true;
        bytes.remove_prefix(kBom.size());
    }
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        const std::size_t largoFin = crlf ? 2 : 1;
        perfil.lineas_.push_back(
            {ComoUtf8(bytes.substr(inicio, i - inicio)), std::string(bytes.substr(i, largoFin))});
        i += largoFin - 1;
        inicio = i + 1;
    }
    if (inicio < bytes.size())
        perfil.lineas_.push_back({ComoUtf8(bytes.substr(inicio)), std::string()});
    return perfil;
}

std::optional<std::size_t> PerfilPrivado::BuscarSeccion(std::string_view seccion) const
{
    for (std::size_t i = 0; i < lineas_.size(); ++i) {
        const Clase c = Clasificar(lineas_[i].texto);
        if (c.tipo == Clase::Cabecera && MismoNombre(c.nombre, seccion))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> PerfilPrivado::Valor(std::string_view seccion, std::string_view clave) const
{
    const auto cabecera = BuscarSeccion(seccion);
    if (!cabecera)
        return std::nullopt;
    for (std::size_t i = *cabecera + 1; i < lineas_.size(); ++i) {
        const Clase c = Clasificar(lineas_[i].texto);
        if (c.tipo == Clase::Cabecera)
            break;
        if (c.tipo == Clase::Clave && MismoNombre(c.nombre, clave))
            return ValorLeido(c.valor);
    }
    return std::nullopt;
}

bool PerfilPrivado::TieneSecciones() const
{
    for (const Linea &l : lineas_)
        if (Clasificar(l.texto).tipo == Clase::Cabecera)
            return true;
    return false;
}

bool PerfilPrivado::Escribir(std::string_view seccion, std::string_view clave, std::string_view valor)
{
    if (!NombreDeSeccionValido(seccion) || !NombreDeClaveValido(clave) || !EsUtf8Valido(valor))
        return false;
    const std::string almacenado = ValorAlmacenado(valor);

    // A line added after an unterminated last line first needs that line's end.
    auto insertar = [this](std::size_t posicion, std::string texto) {
        if (posicion > 0 && lineas_[posicion - 1].fin.empty())
            lineas_[posicion - 1].fin = kFinNuevo;
        lineas_.insert(
            lineas_.begin() + std::ptrdiff_t(posicion), Linea{std::move(texto), std::string(kFinNuevo)});
    };

    const auto cabecera = BuscarSeccion(seccion);
    if (!cabecera) {
        insertar(lineas_.size(), '[' + std::string(seccion) + ']');
        insertar(lineas_.size(), std::string(clave) + '=' + almacenado);
        return true;
    }
    std::size_t despuesDe = *cabecera;  // the new key goes after the section's last key
    for (std::size_t i = *cabecera + 1; i < lineas_.size(); ++i) {
        const Clase c = Clasificar(lineas_[i].texto);
        if (c.tipo == Clase::Cabecera)
            break;
        if (c.tipo != Clase::Clave)
            continue;
        if (MismoNombre(c.nombre, clave)) {
            lineas_[i].texto = std::string(c.nombre) + '=' + almacenado;
            return true;
        }
        despuesDe = i;
    }
    insertar(despuesDe + 1, std::string(clave) + '=' + almacenado);
    return true;
}

std::string PerfilPrivado::Serializar() const
{
    std::string salida = marcaBom_ ? std::string(kBom) : std::string();
    for (const Linea &l : lineas_)
        salida += l.texto + l.fin;
    return salida;
}

std::string LeerPerfil(const PerfilPrivado &perfil, std::string_view seccion, std::string_view clave,
    std::string_view porDefecto, std::size_t maximo)
{
    const auto valor = perfil.Valor(seccion, clave);
    return CortarCaracteres(valor ? *valor : porDefecto, maximo);
}
