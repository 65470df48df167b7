// QSaveFile does the temporary file and the rename. Its commit() has been seen to report
// success after a short write on a full disk and ignores a failing sync, so each write,
// the flush and the sync are checked here before committing.
#include "ReemplazoSeguro.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Makes the rename itself durable. Best effort: by now the new file is in place.
void SincronizarDirectorio(const QString &directorio)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(directorio).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(directorio);
#endif
}

}  // namespace

qint64 EscritorArchivo::Escribir(QFileDevice &archivo, const QByteArray &datos) const
{
    return archivo.write(datos);
}

bool EscritorArchivo::Vaciar(QFileDevice &archivo) const
{
    if (!archivo.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(archivo.handle()) == 0;
#else
    return true;
#endif
}

ResultadoEscritura ReemplazarArchivo(
    const QString &ruta, const QByteArray &datos, const EscritorArchivo &escritor)
{
    QSaveFile archivo(ruta);
    archivo.setDirectWriteFallback(false);  // never write over the old file in place
    // Opening fails when the temporary file cannot be made beside the old one or the old
    // one may not be replaced; committing fails when the rename is refused.
    if (!archivo.open(QIODevice::WriteOnly))
        return {MotivoFallo::SinPermiso};
    if (escritor.Escribir(archivo, datos) != datos.size() || !escritor.Vaciar(archivo)) {
        archivo.cancelWriting();
        archivo.commit();  // discards the temporary file
        return {MotivoFallo::SinEspacio};
    }
    if (!archivo.commit())
        return {MotivoFallo::SinPermiso};
    SincronizarDirectorio(QFileInfo(ruta).absolutePath());
    return {};
}
