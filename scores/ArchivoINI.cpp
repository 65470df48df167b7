// Reading and rewriting the high-score file through the private-profile document.
#include "ArchivoINI.h"

#include <QFile>
#include <QFileInfo>

namespace {

std::string Utf8(const QString &texto) { return texto.toStdString(); }

}  // namespace

LecturaPerfil LeerArchivoPerfil(const QString &ruta)
{
    const QFileInfo info(ruta);
    if (!info.exists())
        return {EstadoArchivo::NoExiste, {}};
    QFile archivo(ruta);
    if (!info.isFile() || info.size() > kTamanoMaximoINI || !archivo.open(QIODevice::ReadOnly))
        return {EstadoArchivo::Ilegible, {}};
    const QByteArray datos = archivo.read(kTamanoMaximoINI + 1);
    if (archivo.error() != QFileDevice::NoError || datos.size() > kTamanoMaximoINI)
        return {EstadoArchivo::Ilegible, {}};
    return {EstadoArchivo::Leido,
        PerfilPrivado::Analizar(std::string_view(datos.constData(), size_t(datos.size())))};
}

QString LeerINI(const QString &ruta, const QString &seccion, const QString &clave)
{
    const LecturaPerfil lectura = LeerArchivoPerfil(ruta);
    if (lectura.estado != EstadoArchivo::Leido)
        return QString();
    return QString::fromStdString(LeerPerfil(lectura.perfil, Utf8(seccion), Utf8(clave)));
}

bool EscribirINI(const QString &ruta, const QList<EntradaINI> &entradas, const EscritorArchivo &escritor)
{
    LecturaPerfil lectura = LeerArchivoPerfil(ruta);
    if (lectura.estado == EstadoArchivo::Ilegible)
        return false;
    for (const EntradaINI &e : entradas)
        if (!lectura.perfil.Escribir(Utf8(e.seccion), Utf8(e.clave), Utf8(e.valor)))
            return false;
    return ReemplazarArchivo(ruta, QByteArray::fromStdString(lectura.perfil.Serializar()), escritor);
}

bool EscribirINI(const QString &ruta, const QString &seccion, const QString &clave, const QString &valor)
{
    return EscribirINI(ruta, QList<EntradaINI>{{seccion, clave, valor}});
}
