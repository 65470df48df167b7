// The high-score file's two access operations, LeerINI and EscribirINI, on top of the
// private-profile document: the file is read whole, edited in memory and replaced whole.
#pragma once

#include "PerfilPrivado.h"
#include "ReemplazoSeguro.h"

#include <QList>
#include <QString>

enum class EstadoArchivo {
    NoExiste,  // nothing at the path
    Leido,
    Ilegible,  // something is there but cannot be read: never to be replaced
};

struct LecturaPerfil {
    EstadoArchivo estado = EstadoArchivo::NoExiste;
    PerfilPrivado perfil;  // empty unless Leido
};

// A high-score file is a few hundred bytes; anything past this size is not one.
constexpr qint64 kTamanoMaximoINI = 1024 * 1024;

LecturaPerfil LeerArchivoPerfil(const QString &ruta);

// The value stored under `clave` in `seccion`, at most 254 characters; "0" when the
// section or key is missing; empty text when there is no readable file at `ruta`
// (nothing is created then).
QString LeerINI(const QString &ruta, const QString &seccion, const QString &clave);

struct EntradaINI {
    QString seccion;
    QString clave;
    QString valor;
};

// Stores every entry in one replacement of the file, creating the file, sections and
// keys as needed and keeping everything else in it. Returns false, leaving the file as
// it was, when the file cannot be read or written or a name cannot be stored; the game
// itself ignores the result, as a failed save is silent to the player.
bool EscribirINI(const QString &ruta, const QList<EntradaINI> &entradas,
    const EscritorArchivo &escritor = EscritorArchivo());
bool EscribirINI(const QString &ruta, const QString &seccion, const QString &clave, const QString &valor);
