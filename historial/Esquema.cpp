// The migration steps. A step is never changed once released: a new need is a new step.
#include "Esquema.h"

#include <QSqlQuery>
#include <QString>
#include <initializer_list>
#include <vector>

namespace {
using Paso = std::vector<const char *>;

const std::vector<Paso> kPasos{
    // 1: games and levels. Moments are ISO 8601 in UTC; levels are numbered as shown (1..50);
    // `final` is finished, wrong_click, time_over, level_jump or left.
    {
        "CREATE TABLE partidas ("
        " id INTEGER PRIMARY KEY,"
        " inicio TEXT NOT NULL,"
        " fin TEXT,"  // null while the game is under way, or when it was cut short
        " dificultad INTEGER NOT NULL,"
        " nivel_maximo INTEGER NOT NULL,"
        " total INTEGER NOT NULL DEFAULT 0,"
        " ganada INTEGER NOT NULL DEFAULT 0)",
        "CREATE TABLE niveles ("
        " id INTEGER PRIMARY KEY,"
        " partida INTEGER NOT NULL REFERENCES partidas(id),"
        " fin TEXT NOT NULL,"
        " dificultad INTEGER NOT NULL,"
        " nivel INTEGER NOT NULL,"
        " segundos_permitidos REAL NOT NULL,"
        " segundos_usados REAL NOT NULL,"
        " encontrados INTEGER NOT NULL,"
        " necesarios INTEGER NOT NULL,"
        " puntos INTEGER NOT NULL,"
        " final TEXT NOT NULL)",
        "CREATE INDEX niveles_partida ON niveles(partida)",
    },
    // 2: a running summary per level and ending, kept by a trigger, so the progress window
    // reads a few hundred rows instead of every level ever played.
    {
        "CREATE TABLE resumen_niveles ("
        " nivel INTEGER NOT NULL,"
        " final TEXT NOT NULL,"
        " veces INTEGER NOT NULL,"
        " segundos_usados REAL NOT NULL,"
        " suma_por_acierto REAL NOT NULL,"
        " mejor_por_acierto REAL NOT NULL,"
        " PRIMARY KEY (nivel, final)) WITHOUT ROWID",
        "INSERT INTO resumen_niveles"
        " SELECT nivel, final, count(*), sum(segundos_usados), sum(segundos_usados / necesarios),"
        " min(segundos_usados / necesarios) FROM niveles GROUP BY nivel, final",
        "CREATE TRIGGER niveles_resumen AFTER INSERT ON niveles BEGIN"
        " INSERT INTO resumen_niveles VALUES (NEW.nivel, NEW.final, 1, NEW.segundos_usados,"
        " NEW.segundos_usados / NEW.necesarios, NEW.segundos_usados / NEW.necesarios)"
        " ON CONFLICT (nivel, final) DO UPDATE SET veces = veces + 1,"
        " segundos_usados = segundos_usados + excluded.segundos_usados,"
        " suma_por_acierto = suma_por_acierto + excluded.suma_por_acierto,"
        " mejor_por_acierto = min(mejor_por_acierto, excluded.mejor_por_acierto);"
        " END",
    },
    // 3: games played at the relaxed pace (ten times the time), told apart from the others.
    {
        "ALTER TABLE partidas ADD COLUMN relajada INTEGER NOT NULL DEFAULT 0",
    },
    // 4: every judged click of a level: its cell, word and ink (palette indices), whether it
    // was right, its milliseconds since START and since the level's click before, and
    // whether it came from the keyboard. The levels learn how many colours and words they
    // had (null for levels played before clicks were kept). Two summaries kept by triggers:
    // wrong clicks by word and ink, and the right clicks' milliseconds in 20 ms buckets by
    // colours in play (eje 0) and by words on the board (eje 1), so the progress window
    // finds medians without reading every click.
    {
        "ALTER TABLE niveles ADD COLUMN colores INTEGER",
        "ALTER TABLE niveles ADD COLUMN palabras INTEGER",
        "CREATE TABLE clics ("
        " id INTEGER PRIMARY KEY,"
        " nivel INTEGER NOT NULL REFERENCES niveles(id),"
        " casilla INTEGER NOT NULL,"
        " palabra INTEGER NOT NULL,"
        " tinta INTEGER NOT NULL,"
        " acierto INTEGER NOT NULL,"
        " ms_inicio INTEGER NOT NULL,"
        " ms_anterior INTEGER NOT NULL,"
        " teclado INTEGER NOT NULL DEFAULT 0)",
        "CREATE INDEX clics_nivel ON clics(nivel)",
        "CREATE TABLE resumen_fallos ("
        " palabra INTEGER NOT NULL,"
        " tinta INTEGER NOT NULL,"
        " veces INTEGER NOT NULL,"
        " PRIMARY KEY (palabra, tinta)) WITHOUT ROWID",
        "CREATE TABLE resumen_ritmo ("
        " eje INTEGER NOT NULL,"
        " valor INTEGER NOT NULL,"
        " cubo INTEGER NOT NULL,"
        " veces INTEGER NOT NULL,"
        " PRIMARY KEY (eje, valor, cubo)) WITHOUT ROWID",
        "CREATE TRIGGER clics_fallos AFTER INSERT ON clics WHEN NEW.acierto = 0 BEGIN"
        " INSERT INTO resumen_fallos VALUES (NEW.palabra, NEW.tinta, 1)"
        " ON CONFLICT (palabra, tinta) DO UPDATE SET veces = veces + 1;"
        " END",
        "CREATE TRIGGER clics_ritmo AFTER INSERT ON clics WHEN NEW.acierto = 1 BEGIN"
        " INSERT INTO resumen_ritmo SELECT 0, colores, max(0, min(NEW.ms_anterior / 20, 999)), 1"
        " FROM niveles WHERE id = NEW.nivel AND colores IS NOT NULL"
        " ON CONFLICT (eje, valor, cubo) DO UPDATE SET veces = veces + 1;"
        " INSERT INTO resumen_ritmo SELECT 1, palabras, max(0, min(NEW.ms_anterior / 20, 999)), 1"
        " FROM niveles WHERE id = NEW.nivel AND palabras IS NOT NULL"
        " ON CONFLICT (eje, valor, cubo) DO UPDATE SET veces = veces + 1;"
        " END",
    },
    // 5: interference check-ups. Each keeps its result, so a chart reads one row per
    // check-up: the interference (null when a median was missing), each condition's median
    // of right answers (null without one) and share of errors among its kept trials, the
    // trials kept, the anticipations dropped and the trials left unanswered. And every trial,
    // practice included, in the order shown (orden from 0): its condition by name, its word
    // and ink (palette indices, word -1 for the row of X's), the ink answered (-1 for none in
    // time), its milliseconds and whether the result counted it.
    {
        "CREATE TABLE chequeos ("
        " id INTEGER PRIMARY KEY,"
        " fin TEXT NOT NULL,"
        " tintas_seguras INTEGER NOT NULL,"
        " interferencia REAL,"
        " mediana_congruente REAL,"
        " mediana_incongruente REAL,"
        " mediana_neutra REAL,"
        " error_congruente REAL NOT NULL,"
        " error_incongruente REAL NOT NULL,"
        " error_neutra REAL NOT NULL,"
        " conservados INTEGER NOT NULL,"
        " anticipaciones INTEGER NOT NULL,"
        " sin_respuesta INTEGER NOT NULL)",
        "CREATE TABLE ensayos ("
        " id INTEGER PRIMARY KEY,"
        " chequeo INTEGER NOT NULL REFERENCES chequeos(id),"
        " orden INTEGER NOT NULL,"
        " practica INTEGER NOT NULL,"
        " condicion TEXT NOT NULL,"
        " palabra INTEGER NOT NULL,"
        " tinta INTEGER NOT NULL,"
        " respuesta INTEGER NOT NULL,"
        " ms INTEGER NOT NULL,"
        " conservado INTEGER NOT NULL)",
        "CREATE INDEX ensayos_chequeo ON ensayos(chequeo)",
    },
};
}  // namespace

int VersionEsquema() { return static_cast<int>(kPasos.size()); }

bool MigrarEsquema(QSqlDatabase &db, int versionActual, QSqlError *error, int hasta)
{
    if (hasta < 0)
        hasta = VersionEsquema();
    for (int v = versionActual; v < hasta; ++v) {
        if (!db.transaction()) {
            if (error)
                *error = db.lastError();
            return false;
        }
        bool ok = true;
        {
            QSqlQuery q(db);
            for (const char *sql : kPasos[v])
                ok = ok && q.exec(QString::fromUtf8(sql));
            ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1));
            if (!ok && error)
                *error = q.lastError();
        }
        if (ok && !db.commit()) {
            ok = false;
            if (error)
                *error = db.lastError();
        }
        if (!ok) {
            db.rollback();
            return false;
        }
    }
    return true;
}
