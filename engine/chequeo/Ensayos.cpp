#include "Ensayos.h"

#include <utility>

namespace {
// Fisher-Yates through the game's own random source, so a seed replays the same check-up.
template <typename T>
void Barajar(std::vector<T> &v, GeneradorUniforme &g)
{
    for (int i = static_cast<int>(v.size()) - 1; i > 0; --i)
        std::swap(v[i], v[Aleatorio(g, 0, i)]);
}

// Any ink but `anterior` (-1: any ink).
int OtraTinta(GeneradorUniforme &g, int anterior)
{
    int t;
    do
        t = kTintasChequeo[Aleatorio(g, 0, kTintasChequeo.size() - 1)];
    while (t == anterior);
    return t;
}
}  // namespace

std::vector<tEnsayo> GenerarEnsayos(GeneradorUniforme &g, int porCondicion)
{
    std::vector<Condicion> practica{Condicion::Congruente, Condicion::Incongruente, Condicion::Neutra};
    std::vector<Condicion> orden;
    for (int c = 0; c < kNumCondiciones; ++c)
        orden.insert(orden.end(), porCondicion, static_cast<Condicion>(c));
    Barajar(practica, g);
    Barajar(orden, g);

    std::vector<tEnsayo> ensayos;
    int anterior = -1;
    auto agregar = [&](Condicion c, bool esPractica) {
        tEnsayo e;
        e.condicion = c;
        e.practica = esPractica;
        e.tinta = anterior = OtraTinta(g, anterior);
        e.palabra = c == Condicion::Congruente ? e.tinta
            : c == Condicion::Incongruente     ? OtraTinta(g, e.tinta)
                                               : kPalabraNeutra;
        ensayos.push_back(e);
    };
    for (Condicion c : practica)
        agregar(c, true);
    for (Condicion c : orden)
        agregar(c, false);
    return ensayos;
}

int BlancoMs(GeneradorUniforme &g) { return Aleatorio(g, kMsBlancoMinimo, kMsBlancoMaximo); }

const char *NombreCondicion(Condicion c)
{
    switch (c) {
    case Condicion::Congruente:
        return "congruent";
    case Condicion::Incongruente:
        return "incongruent";
    case Condicion::Neutra:
        break;
    }
    return "neutral";
}
