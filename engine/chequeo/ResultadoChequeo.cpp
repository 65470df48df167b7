#include "ResultadoChequeo.h"

#include <algorithm>

std::optional<double> Mediana(std::vector<int> valores)
{
    if (valores.empty())
        return std::nullopt;
    const size_t mitad = valores.size() / 2;
    std::nth_element(valores.begin(), valores.begin() + mitad, valores.end());
    const double alto = valores[mitad];
    if (valores.size() % 2)
        return alto;
    const int bajo = *std::max_element(valores.begin(), valores.begin() + mitad);
    return (bajo + alto) / 2.0;
}

std::optional<double> tCondicionChequeo::EficienciaInversa() const
{
    const int aciertos = conservados - errores;
    if (!mediana || aciertos <= 0)
        return std::nullopt;
    return *mediana / (static_cast<double>(aciertos) / conservados);
}

tResultadoChequeo CalcularResultado(const std::vector<tEnsayo> &ensayos)
{
    tResultadoChequeo r;
    std::array<std::vector<int>, kNumCondiciones> tiempos;
    for (const tEnsayo &e : ensayos) {
        if (e.practica)
            continue;
        if (e.Anticipado()) {
            ++r.anticipaciones;
            continue;
        }
        tCondicionChequeo &c = r.condiciones[static_cast<int>(e.condicion)];
        ++c.conservados;
        ++r.conservados;
        if (!e.Contestado())
            ++r.sinRespuesta;
        if (e.Acertado())
            tiempos[static_cast<int>(e.condicion)].push_back(e.ms);
        else
            ++c.errores;
    }
    for (int i = 0; i < kNumCondiciones; ++i)
        r.condiciones[i].mediana = Mediana(tiempos[i]);
    const auto &con = r.De(Condicion::Congruente).mediana;
    const auto &inc = r.De(Condicion::Incongruente).mediana;
    if (con && inc)
        r.interferencia = *inc - *con;
    return r;
}
