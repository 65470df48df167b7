// Locking, reading again before writing, moving an oversized file aside, and sweeping up
// the temporary files of a save that was killed.
#include "AlmacenHOF.h"

#include "ArchivoINI.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>
#include <utility>

namespace {

// A save holds the lock for a moment. A lock whose owner cannot be seen alive on this
// machine (junk, another host's) is left over once it is this old...
constexpr int kCerrojoAbandonadoMs = 2000;
// ...and, younger, is waited for only this long: the screen never stalls on it.
constexpr int kEsperaCerrojoDudoso = 300;
// A temporary file this old belongs to no save under way.
constexpr qint64 kTemporalViejoS = 60;
// Between two tries for a held lock.
constexpr int kPasoCerrojoMs = 15;

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

// Whether the lock names a process of this machine, which QLockFile can check is alive.
bool DeEstaMaquina(const QLockFile &cerrojo)
{
    qint64 pid = 0;
    QString maquina, programa;
    return cerrojo.getLockInfo(&pid, &maquina, &programa)
        && (maquina.isEmpty() || maquina == QSysInfo::machineHostName());
}

// Takes the lock, waiting up to `esperaMs` for a live copy to let go of it, but only
// briefly for one that cannot be seen alive. The lock is judged again at every try: while
// copies take turns, a lock just let go or still being written reads as junk for a moment.
MotivoFallo TomarCerrojo(QLockFile &cerrojo, int esperaMs)
{
    const QString ruta = cerrojo.fileName();
    // Opening a FIFO there would block for good, and a folder never goes away by itself.
    const QFileInfo info(ruta);
    if ((info.exists() || info.isSymLink()) && !info.isFile())
        return MotivoFallo::CerrojoNoEsArchivo;
    const int abandonoNormal = cerrojo.staleLockTime();
    QElapsedTimer reloj, dudoso;
    reloj.start();
    for (;;) {
        const bool hayDuda = !DeEstaMaquina(cerrojo) && QFileInfo::exists(ruta);
        if (!hayDuda)
            dudoso.invalidate();
        else if (!dudoso.isValid())
            dudoso.start();
        cerrojo.setStaleLockTime(hayDuda ? kCerrojoAbandonadoMs : abandonoNormal);
        if (cerrojo.tryLock(0))
            return MotivoFallo::Ninguno;
        const bool plazoCumplido
            = reloj.elapsed() >= esperaMs || (dudoso.isValid() && dudoso.elapsed() >= kEsperaCerrojoDudoso);
        if (cerrojo.error() != QLockFile::LockFailedError || plazoCumplido)
            return MotivoDelCerrojo(cerrojo.error());
        QThread::msleep(kPasoCerrojoMs);
    }
}

}  // namespace

AlmacenHOF::AlmacenHOF(QString ruta, int esperaMs) : ruta_(std::move(ruta)), esperaMs_(esperaMs) { }

void AlmacenHOF::MoverAparteSiEnorme() const
{
    const QFileInfo info(ruta_);
    if (!info.isFile() || info.size() <= kTamanoMaximoINI)
        return;
    // A name of its own each time: an earlier file moved aside may hold the player's scores.
    const QString base = ruta_ + QStringLiteral(".bad-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmss"));
    QString apartado = base;
    for (int n = 1; QFileInfo(apartado).exists() || QFileInfo(apartado).isSymLink(); ++n)
        apartado = base + QLatin1Char('-') + QString::number(n);
    QFile::rename(ruta_, apartado);  // if this fails, the save says the file was kept
}

void AlmacenHOF::BarrerTemporales() const
{
    // QSaveFile names its temporary file after the file, a dot and six random letters. A
    // name of six lower-case letters is left alone: a person may have chosen it.
    const QFileInfo archivo(ruta_);
    static const QRegularExpression kSeis(QStringLiteral("^[A-Za-z0-9]{6}$"));
    static const QRegularExpression kPalabra(QStringLiteral("^[a-z]{6}$"));
    const QString prefijo = archivo.fileName() + QLatin1Char('.');
    const QDateTime ahora = QDateTime::currentDateTimeUtc();
    const QFileInfoList candidatos = archivo.absoluteDir().entryInfoList(
        {prefijo + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &f : candidatos) {
        const QString resto = f.fileName().mid(prefijo.size());
        const bool temporal = (kSeis.match(resto).hasMatch() && !kPalabra.match(resto).hasMatch())
            || resto == QLatin1String("lock.rmlock");  // QLockFile's own, while it clears a stale lock
        if (temporal && f.lastModified().secsTo(ahora) > kTemporalViejoS)
            QFile::remove(f.absoluteFilePath());
    }
}

void AlmacenHOF::Cargar(TablaHOF &tabla) const
{
    // No lock: the read is whole, since every save replaces the file in one step.
    tabla.Cargar(ruta_);
}

ResultadoEscritura AlmacenHOF::Guardar(TablaHOF &tabla, bool conNueva, const EscritorArchivo &escritor) const
{
    QLockFile cerrojo(ruta_ + QStringLiteral(".lock"));
    const MotivoFallo motivoCerrojo = TomarCerrojo(cerrojo, esperaMs_);
    const bool cerrado = motivoCerrojo == MotivoFallo::Ninguno;
    if (cerrado) {
        MoverAparteSiEnorme();
        BarrerTemporales();
    }
    // The new entry, wherever an earlier ranking left it, goes back to the candidate's
    // slot to be ranked among the places as they are now.
    tRegistroHOF nueva;
    for (const tRegistroHOF &r : tabla.Registros)
        if (r.Origen == TablaHOF::kCandidato)
            nueva = r;
    tabla.Cargar(ruta_);
    if (conNueva) {
        tabla.Registros[TablaHOF::kCandidato] = nueva;
        OrdenarHOF(tabla);
    }
    if (!cerrado)
        return {motivoCerrojo};
    return tabla.Guardar(ruta_, escritor);
}

ResultadoEscritura AlmacenHOF::Restablecer(const QByteArray &original) const
{
    QLockFile cerrojo(ruta_ + QStringLiteral(".lock"));
    if (const MotivoFallo motivo = TomarCerrojo(cerrojo, esperaMs_); motivo != MotivoFallo::Ninguno)
        return {motivo};
    return ReemplazarArchivo(ruta_, original);
}
