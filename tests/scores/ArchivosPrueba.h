// Small file helpers for the high-score tests: whole-file bytes in and out, the names in
// a folder, and writers that fail the way a full disk does.
#pragma once

#include "ReemplazoSeguro.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QStringList>

inline QByteArray BytesDe(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline void Grabar(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Everything in a folder, hidden files included (a temporary file left behind shows).
inline QStringList Contenido(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Writes half the bytes and reports it, as write() does when the disk fills up.
struct EscritorDiscoLleno : EscritorArchivo {
    qint64 Escribir(QFileDevice &f, const QByteArray &d) const override
    {
        return f.write(d.left(d.size() / 2));
    }
};

// Every write() succeeds but the bytes never reach the disk.
struct EscritorVaciadoFallido : EscritorArchivo {
    bool Vaciar(QFileDevice &) const override { return false; }
};

// The real writer, counting how often the file is written.
struct EscritorContador : EscritorArchivo {
    mutable int escrituras = 0;
    qint64 Escribir(QFileDevice &f, const QByteArray &d) const override
    {
        ++escrituras;
        return EscritorArchivo::Escribir(f, d);
    }
};
