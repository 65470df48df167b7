// Records for filling a history in tests: a level result in one line.
#pragma once

#include "ObservadorPartida.h"

inline tResultadoNivel Nivel(int nivel, FinNivel fin, float usados, int necesarios, int dificultad = 2)
{
    tResultadoNivel r;
    r.Dificultad = dificultad;
    r.Nivel = nivel;
    r.SegundosPermitidos = 20;
    r.SegundosUsados = usados;
    r.Necesarios = necesarios;
    r.Encontrados = fin == FinNivel::Terminado ? necesarios : 0;
    r.Puntos = fin == FinNivel::Terminado ? static_cast<int32_t>((20 - usados) * 100) : 0;
    r.Fin = fin;
    return r;
}
