// The layout of the history database and the steps that bring any older file up to date.
// The file's version is SQLite's user_version: 0 for a new file, then one per step.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>

// The version a file has once every step has run: the number of steps.
int VersionEsquema();

// Runs the steps from the file's version up to `hasta` (every step when negative), each
// step in its own transaction. False when a step fails (the file keeps the last whole step).
bool MigrarEsquema(QSqlDatabase &db, int versionActual, QSqlError *error = nullptr, int hasta = -1);
