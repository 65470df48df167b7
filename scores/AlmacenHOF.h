// The high-score file as the high-score screen uses it. Each save holds a lock file beside
// it (HOF.rec.lock), so two copies of the game never drop each other's entry: the save
// reads the ten places again under the lock and ranks the new entry among them as they are
// on disk now. A load takes no lock: every save replaces the file in one step. A file too
// big to be a table is moved aside to HOF.rec.bad-<time>, never deleted, and the table
// starts again from ten empty places. Holding the lock, a save also removes the temporary
// files that an earlier save, killed half-way, left beside the file.
#pragma once

#include "ReemplazoSeguro.h"
#include "ResultadoEscritura.h"
#include "TablaHOF.h"

#include <QString>

class AlmacenHOF {
public:
    // `esperaMs`: how long a save waits for another live copy to let go of the lock.
    explicit AlmacenHOF(QString ruta, int esperaMs = 3000);

    // Fills places 0..9 of `tabla` from the file.
    void Cargar(TablaHOF &tabla) const;

    // Fills places 0..9 afresh from the file, ranks the new entry (Origen 10, put in by
    // Insertar) among them when `conNueva`, and writes the ten places. `tabla` ends as the file
    // now holds it, or would hold it had the write worked.
    ResultadoEscritura Guardar(
        TablaHOF &tabla, bool conNueva, const EscritorArchivo &escritor = EscritorArchivo()) const;

    // The file replaced by `original` (the table as the game ships it), under the lock.
    ResultadoEscritura Restablecer(const QByteArray &original) const;

    const QString &Ruta() const { return ruta_; }

private:
    void MoverAparteSiEnorme() const;
    void BarrerTemporales() const;

    QString ruta_;
    int esperaMs_;
};
