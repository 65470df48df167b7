// Reading and rewriting the high-score file through the private-profile document.
#include "ArchivoINI.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

std::string Utf8(const QString &texto) { return texto.toStdString(); }

// UTF-16 bytes, recognised by their byte-order mark, as UTF-8; anything else unchanged.
QByteArray SinUtf16(const QByteArray &datos)
{
    const bool le = datos.startsWith("\xFF\xFE");
    if (!le && !datos.startsWith("\xFE\xFF"))
        return datos;
    QStringDecoder decodificador(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return QString(decodificador(datos.sliced(2))).toUtf8();
}

}  // namespace

LecturaPerfil LeerArchivoPerfil(const QString &ruta)
{
    const QFileInfo info(ruta);
    if (!info.exists())
        return {EstadoArchivo::NoExiste, {}};
    if (!info.isFile())
        return {EstadoArchivo::NoEsArchivo, {}};
    if (info.size() > kTamanoMaximoINI)
        return {EstadoArchivo::Enorme, {}};
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return {EstadoArchivo::Ilegible, {}};
    const QByteArray datos = SinUtf16(archivo.read(kTamanoMaximoINI + 1));
    if (archivo.error() != QFileDevice::NoError)
        return {EstadoArchivo::Ilegible, {}};
    if (archivo.size() > kTamanoMaximoINI)  // it grew while being read
        return {EstadoArchivo::Enorme, {}};
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

ResultadoEscritura EscribirINI(
    const QString &ruta, const QList<EntradaINI> &entradas, const EscritorArchivo &escritor)
{
    LecturaPerfil lectura = LeerArchivoPerfil(ruta);
    if (lectura.estado == EstadoArchivo::NoEsArchivo)
        return {MotivoFallo::NoEsArchivo};
    if (lectura.estado == EstadoArchivo::Ilegible || lectura.estado == EstadoArchivo::Enorme)
        return {MotivoFallo::Ilegible};
    for (const EntradaINI &e : entradas)
        if (!lectura.perfil.Escribir(Utf8(e.seccion), Utf8(e.clave), Utf8(e.valor)))
            return {MotivoFallo::Otro};
    return ReemplazarArchivo(ruta, QByteArray::fromStdString(lectura.perfil.Serializar()), escritor);
}

bool EscribirINI(const QString &ruta, const QString &seccion, const QString &clave, const QString &valor)
{
    return bool(EscribirINI(ruta, QList<EntradaINI>{{seccion, clave, valor}}));
}
