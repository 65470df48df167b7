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
    // Something is there that is not read, and so never to be replaced:
    Ilegible,     // a file that cannot be opened or read
    NoEsArchivo,  // a folder, a socket...
    Enorme,       // a file over kTamanoMaximoINI
};

struct LecturaPerfil {
    EstadoArchivo estado = EstadoArchivo::NoExiste;
    PerfilPrivado perfil;  // empty unless Leido
};

// A high-score file is a few hundred bytes; anything past this size is not one.
constexpr qint64 kTamanoMaximoINI = 1024 * 1024;

// Reads the file whole. A file that starts with a UTF-16 byte-order mark (a "Unicode"
// file from a Windows editor) is read as UTF-16 and held as UTF-8 from then on.
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
// keys as needed and keeping everything else in it. Fails, leaving the file as it was,
// when the file cannot be read or written or a name cannot be stored.
ResultadoEscritura EscribirINI(const QString &ruta, const QList<EntradaINI> &entradas,
    const EscritorArchivo &escritor = EscritorArchivo());
bool EscribirINI(const QString &ruta, const QString &seccion, const QString &clave, const QString &valor);
