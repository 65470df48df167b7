// Picking the high-score file, and seeding the per-user copy.
#include "RutaHOF.h"

#include "ReemplazoSeguro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString kNombreArchivo = QStringLiteral("HOF.rec");

}  // namespace

bool DirectorioEscribible(const QString &directorio)
{
    if (!QFileInfo(directorio).isDir())
        return false;
    QTemporaryFile prueba(directorio + QStringLiteral("/.velunda-XXXXXX"));
    return prueba.open();
}

QString RutaHOF(const QString &dirApp, const QString &dirUsuario, PruebaEscritura escribible)
{
    const QString dirData = dirApp + QStringLiteral("/Data");
    const QString original = dirData + u'/' + kNombreArchivo;
    const QFileInfo info(original);
    const bool soloLectura = info.isFile() && info.isReadable() && !info.isWritable();
    if (escribible(dirData) && !soloLectura)
        return original;

    const QString dir = dirUsuario.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        : dirUsuario;
    const QString propia = dir + u'/' + kNombreArchivo;
    if (!QFileInfo::exists(propia) && QDir().mkpath(dir)) {
        QFile enviada(original);
        if (enviada.open(QIODevice::ReadOnly))
            ReemplazarArchivo(propia, enviada.readAll());
    }
    return propia;
}
