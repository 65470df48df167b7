// Locking, reading again before writing, and moving an oversized file aside.
#include "AlmacenHOF.h"

#include "ArchivoINI.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <utility>

namespace {

MotivoFallo MotivoDelCerrojo(QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::NoError:
        return MotivoFallo::Ninguno;
    case QLockFile::LockFailedError:
        return MotivoFallo::Bloqueado;
    case QLockFile::PermissionError:
        return MotivoFallo::SinPermiso;
    case QLockFile::UnknownError:
        break;
    }
    return MotivoFallo::Otro;
}

}  // namespace

AlmacenHOF::AlmacenHOF(QString ruta, int esperaMs) : ruta_(std::move(ruta)), esperaMs_(esperaMs) { }

void AlmacenHOF::Leer(TablaHOF &tabla) const
{
    const QFileInfo info(ruta_);
    if (info.isFile() && info.size() > kTamanoMaximoINI) {
        const QString apartado = ruta_ + QStringLiteral(".bad");
        QFile::remove(apartado);
        QFile::rename(ruta_, apartado);  // if this fails, the save says the file was kept
    }
    tabla.Cargar(ruta_);
}

void AlmacenHOF::Cargar(TablaHOF &tabla) const
{
    // Without the lock the read is still whole: every save replaces the file in one step.
    QLockFile cerrojo(ruta_ + QStringLiteral(".lock"));
    cerrojo.tryLock(esperaMs_);
    Leer(tabla);
}

ResultadoEscritura AlmacenHOF::Guardar(TablaHOF &tabla, bool conNueva, const EscritorArchivo &escritor) const
{
    QLockFile cerrojo(ruta_ + QStringLiteral(".lock"));
    const bool cerrado = cerrojo.tryLock(esperaMs_);
    // The new entry, wherever an earlier ranking left it, goes back to the candidate's
    // slot to be ranked among the places as they are now.
    tRegistroHOF nueva;
    for (const tRegistroHOF &r : tabla.Registros)
        if (r.Origen == TablaHOF::kCandidato)
            nueva = r;
    Leer(tabla);
    if (conNueva) {
        tabla.Registros[TablaHOF::kCandidato] = nueva;
        OrdenarHOF(tabla);
    }
    if (!cerrado)
        return {MotivoDelCerrojo(cerrojo.error())};
    return tabla.Guardar(ruta_, escritor);
}

ResultadoEscritura AlmacenHOF::Restablecer(const QByteArray &original) const
{
    QLockFile cerrojo(ruta_ + QStringLiteral(".lock"));
    if (!cerrojo.tryLock(esperaMs_))
        return {MotivoDelCerrojo(cerrojo.error())};
    return ReemplazarArchivo(ruta_, original);
}
