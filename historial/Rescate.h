// Saving what can still be read of a damaged history file into the new one that replaces it.
#pragma once

#include <QSqlDatabase>
#include <QString>

// Copies the games, levels, clicks, check-ups and trials of the file at `danado` into `db`
// (a new file, its layout in place), row by row, stepping over pages that cannot be read.
// The summaries follow through their triggers. Returns the count of rows copied.
int RescatarHistorial(QSqlDatabase &db, const QString &danado);
