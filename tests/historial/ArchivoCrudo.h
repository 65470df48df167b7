// A history file reached from outside the store, for tests: a raw connection, and a page of
// a table overwritten.
#pragma once

#include <QFile>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <gtest/gtest.h>
#include <random>

// A raw connection to a file, as another program (or an older game) would hold it.
struct Conexion {
    QString nombre;
    explicit Conexion(const QString &ruta, const char *id) : nombre(QString::fromLatin1(id))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        db.setDatabaseName(ruta);
        db.open();
    }
    ~Conexion()
    {
        QSqlDatabase::database(nombre).close();
        QSqlDatabase::removeDatabase(nombre);
    }
    bool Ejecutar(const QString &sql) { return QSqlQuery(QSqlDatabase::database(nombre)).exec(sql); }
};

// Overwrites a page in the middle of `tabla`'s rows with random bytes, as a failing disk might.
inline void DanarPagina(const QString &ruta, const char *tabla)
{
    QList<int> hojas;
    int tamano = 0;
    {
        Conexion c(ruta, "dbstat");
        QSqlQuery q(QSqlDatabase::database(c.nombre));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA page_size")) && q.next());
        tamano = q.value(0).toInt();
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT pageno FROM dbstat WHERE name = '%1' AND pagetype = 'leaf'"
                                          " ORDER BY pageno")
                               .arg(QLatin1String(tabla))));
        while (q.next())
            hojas << q.value(0).toInt();
    }
    ASSERT_GE(hojas.size(), 3);
    std::mt19937 azar(21);
    QByteArray ruido(tamano, '\0');
    for (char &b : ruido)
        b = char(azar());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(qint64(hojas[hojas.size() / 2] - 1) * tamano));
    ASSERT_EQ(f.write(ruido), tamano);
}
