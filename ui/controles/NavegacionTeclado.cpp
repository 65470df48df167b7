#include "NavegacionTeclado.h"

int MoverFoco(const std::array<bool, kFilasRejilla * kColumnasRejilla> &visibles, int desde, Direccion d)
{
    const int total = kFilasRejilla * kColumnasRejilla;
    if (desde < 0 || desde >= total || !visibles[desde]) {
        for (int i = 0; i < total; ++i)
            if (visibles[i])
                return i;
        return -1;
    }
    const int fila = desde / kColumnasRejilla, col = desde % kColumnasRejilla;
    const bool horizontal = d == Direccion::Izquierda || d == Direccion::Derecha;
    const int paso = (d == Direccion::Derecha || d == Direccion::Abajo) ? 1 : -1;
    const int largo = horizontal ? kColumnasRejilla : kFilasRejilla;
    for (int k = 1; k < largo; ++k) {
        const int pos = ((horizontal ? col : fila) + paso * k + largo) % largo;
        const int i = horizontal ? fila * kColumnasRejilla + pos : pos * kColumnasRejilla + col;
        if (visibles[i])
            return i;
    }
    return desde;
}
