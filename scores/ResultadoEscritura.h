// What became of a write of the high-score file: done, or why not, so the high-score
// screen can tell the player in words of its own.
#pragma once

enum class MotivoFallo {
    Ninguno,
    Bloqueado,           // another copy of the game kept the file locked
    SinPermiso,          // the folder or the file may not be written
    SinEspacio,          // the bytes did not all reach the disk (a full disk, most often)
    NoEsArchivo,         // a folder or something else that is not a file stands at the path
    CerrojoNoEsArchivo,  // the same, where the lock file goes
    Ilegible,            // the file there could not be read, so it was not replaced
    Otro,
};

struct ResultadoEscritura {
    MotivoFallo motivo = MotivoFallo::Ninguno;
    explicit operator bool() const { return motivo == MotivoFallo::Ninguno; }
};
