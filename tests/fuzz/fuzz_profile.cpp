// Fuzzing the private-profile parser and editor with any bytes: parsing loses nothing,
// a stored value reads back exactly (control characters as spaces), an edit adds at most
// a header and a key line, and every other value reads as it did before the edit.
// Input: section, key and value (each ended by a backslash and one more byte), then the
// file's bytes. Built and run by scripts/fuzz.sh.
#include "Codificacion.h"
#include "PerfilPrivado.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>

namespace {

void Exigir(bool cierto)
{
    if (!cierto)
        std::abort();
}

std::string ControlesComoEspacios(std::string texto)
{
    for (char &c : texto)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return texto;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo)
{
    FuzzedDataProvider entrada(datos, largo);
    const std::string seccion = entrada.ConsumeRandomLengthString(24);
    const std::string clave = entrada.ConsumeRandomLengthString(24);
    const std::string valor = ComoUtf8(entrada.ConsumeRandomLengthString(400));
    const std::string archivo = entrada.ConsumeRemainingBytesAsString();

    PerfilPrivado perfil = PerfilPrivado::Analizar(archivo);
    const std::string bytes = perfil.Serializar();
    if (EsUtf8Valido(archivo))
        Exigir(bytes == archivo);
    Exigir(EsUtf8Valido(bytes));
    Exigir(PerfilPrivado::Analizar(bytes).Serializar() == bytes);

    const std::string secciones[] = {seccion, "00", "01", ""};
    const std::string claves[] = {clave, "Nombre", "Puntos", "k"};
    std::optional<std::string> antes[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            antes[i][j] = perfil.Valor(secciones[i], claves[j]);

    const std::string completo = antes[0][0].value_or("0");
    const std::string leido = LeerPerfil(perfil, seccion, clave);
    Exigir(completo.compare(0, leido.size(), leido) == 0);
    Exigir(leido == completo || CortarCaracteres(completo, 254) == leido);

    const std::size_t lineas = perfil.NumeroLineas();
    if (!perfil.Escribir(seccion, clave, valor)) {
        Exigir(!NombreDeSeccionValido(seccion) || !NombreDeClaveValido(clave));
        Exigir(perfil.Serializar() == bytes);
        return 0;
    }
    const PerfilPrivado releido = PerfilPrivado::Analizar(perfil.Serializar());
    Exigir(releido.NumeroLineas() == perfil.NumeroLineas());
    Exigir(releido.NumeroLineas() <= lineas + 2);
    Exigir(releido.Valor(seccion, clave) == ControlesComoEspacios(valor));
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (!MismoNombre(secciones[i], seccion) || !MismoNombre(claves[j], clave))
                Exigir(releido.Valor(secciones[i], claves[j]) == antes[i][j]);
    return 0;
}
