// The ten-place high-score table: loading it from the high-score file, the test whether
// a total earns a place, the candidate entry, the sort that ranks it, and the save.
// The high-score window runs: Cargar, Califica, (name prompt), Insertar, OrdenarHOF,
// show Registros[0..9] marking FilaNueva(), Guardar.
#pragma once

#include "ReemplazoSeguro.h"

#include <QString>
#include <array>
#include <cstdint>

struct tRegistroHOF {
    int16_t Origen = 0;  // index held before sorting: 0..9 loaded, 10 the new entry
    QString Nombre;
    int32_t Puntos = 0;      // the sort key
    int16_t Dificultad = 0;  // 0 VERY EASY, 1 EASY, 2 NORMAL, 3 HARD
    QString Fecha;           // stored and shown as text, never parsed
    QString Hora;
    bool operator==(const tRegistroHOF &) const = default;
};

struct TablaHOF {
    static constexpr int kPuestos = 10;    // places shown and saved: indices 0..9
    static constexpr int kCandidato = 10;  // index of the new entry before the sort

    // Fills places 0..9 from sections "00".."09". A missing, empty or unreadable file
    // gives ten empty places; a score or difficulty that is not a whole number within
    // its field's range reads as 0. The candidate's slot is left as it was.
    void Cargar(const QString &ruta);

    // Whether a total earns a place: at least the tenth score as loaded, before any sort.
    bool Califica(int32_t puntosTotales) const;

    // Puts the new entry in the candidate's slot; OrdenarHOF then ranks it.
    void Insertar(
        const QString &nombre, int16_t dificultad, const QString &fecha, const QString &hora, int32_t puntos);

    // The place (0..9) of the entry inserted before the sort, or -1 when none is shown.
    int FilaNueva() const;

    // Writes places 0..9 (keys Nombre, Puntos, Dificultad, Fecha, Hora) in one
    // replacement of the file. Fails when the file was left as it was.
    ResultadoEscritura Guardar(
        const QString &ruta, const EscritorArchivo &escritor = EscritorArchivo()) const;

    std::array<tRegistroHOF, kPuestos + 1> Registros{};
};

// Selection sort of all eleven records into descending score. Among equal scores the
// highest index is taken first, so the new entry (index 10) ranks above every loaded
// entry with its score, and the record left at index 10 is the one pushed out.
void OrdenarHOF(TablaHOF &tabla);

// "VERY EASY", "EASY", "NORMAL", "HARD" for codes 0..3, in the player's language; empty
// for any other code.
QString NombreDificultad(int codigo);
// The same names as written in the source, whatever the player's language.
QString NombreDificultadIngles(int codigo);

// The section of place p: "00".."09".
QString SeccionHOF(int puesto);
