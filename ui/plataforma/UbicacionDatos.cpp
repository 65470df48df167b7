// Finding Data/: beside the program, else where the install layout put it.
#include "UbicacionDatos.h"

#include <QDir>
#include <QFileInfo>

UbicacionDatos BuscarDatos(const QString &dirPrograma, const QString &desdePrograma)
{
    if (QFileInfo(dirPrograma + QStringLiteral("/Data")).isDir())
        return {dirPrograma, false};
    return {QDir::cleanPath(QDir(dirPrograma).filePath(desdePrograma)), true};
}

QString CarpetaDelPrograma()
{
    const QFileInfo programa(QStringLiteral("/proc/self/exe"));
    return programa.isSymLink() ? QFileInfo(programa.canonicalFilePath()).path() : QString();
}
