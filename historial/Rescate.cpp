// SQLite's own recovery extension is not in Debian's library, so the rows are read one by
// one: a read that hits a damaged page stops, and the next read starts past it. The damaged
// file has a connection of its own: an error there leaves the new file's transaction alone.
#include "Rescate.h"

#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace {

// Past this step the table's ids have run out: ids are counted from 1 up.
constexpr qint64 kSaltoMaximo = qint64(1) << 40;

// The rows that could be read, the first holding the columns' names.
QList<QVariantList> FilasLegibles(QSqlDatabase &viejo, const QString &tabla)
{
    QSqlQuery lee(viejo);
    lee.setForwardOnly(true);
    QList<QVariantList> filas{{}};
    qint64 desde = 0, salto = 1;
    while (salto < kSaltoMaximo) {
        const bool abierta
            = lee.exec(QStringLiteral("SELECT * FROM %1 WHERE id > %2 ORDER BY id").arg(tabla).arg(desde));
        bool leida = false;
        while (abierta && lee.next()) {
            leida = true;
            const QSqlRecord r = lee.record();
            if (filas.first().isEmpty())
                for (int i = 0; i < r.count(); ++i)
                    filas.first() << r.fieldName(i);
            QVariantList fila;
            for (int i = 0; i < r.count(); ++i)
                fila << r.value(i);
            desde = fila.value(0).toLongLong();
            filas << fila;
        }
        if (abierta && !lee.lastError().isValid())
            break;  // read to the end
        // A damaged page: start again further on, further each time nothing could be read.
        salto = leida ? 1 : salto * 2;
        desde += salto;
    }
    if (filas.first().isEmpty())
        filas.clear();
    return filas;
}

}  // namespace

int RescatarHistorial(QSqlDatabase &db, const QString &danado)
{
    // Levels after their games and clicks after their levels: the summaries' triggers look
    // a click's level up. Check-ups before their trials, as they were written.
    const QStringList tablas{QStringLiteral("partidas"), QStringLiteral("niveles"), QStringLiteral("clics"),
        QStringLiteral("chequeos"), QStringLiteral("ensayos")};
    QList<QList<QVariantList>> leidas;
    const QString conexion = db.connectionName() + QStringLiteral("_rescate");
    {
        QSqlDatabase viejo = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
        viejo.setDatabaseName(danado);
        if (viejo.open())
            for (const QString &tabla : tablas)
                leidas << FilasLegibles(viejo, tabla);
        viejo.close();
    }
    QSqlDatabase::removeDatabase(conexion);
    if (leidas.isEmpty() || !db.transaction())
        return 0;
    int copiadas = 0;
    {
        QSqlQuery escribe(db);
        for (qsizetype t = 0; t < leidas.size(); ++t) {
            if (leidas[t].size() < 2)
                continue;
            // By the columns' names: a file of an older layout lacks the newer columns.
            QStringList columnas, huecos;
            for (const QVariant &c : leidas[t].first()) {
                columnas << c.toString();
                huecos << QStringLiteral("?");
            }
            escribe.prepare(QStringLiteral("INSERT OR IGNORE INTO %1 (%2) VALUES (%3)")
                                .arg(tablas[t], columnas.join(u','), huecos.join(u',')));
            for (const QVariantList &fila : leidas[t].sliced(1)) {
                for (qsizetype i = 0; i < fila.size(); ++i)
                    escribe.bindValue(int(i), fila[i]);
                copiadas += escribe.exec() ? 1 : 0;  // a row the new layout refuses is left out
            }
        }
    }
    if (!db.commit()) {
        db.rollback();
        return 0;
    }
    return copiadas;
}
