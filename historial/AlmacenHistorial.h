// The history database: one SQLite file per player, opened through Qt SQL. It writes the
// records the rules hand over and reads the summary the progress window shows. It has no
// widgets; tests give it ":memory:".
//
// Whatever state the file is in, nothing here may stop or slow the game: a damaged file
// is renamed aside and a new one started with whatever could still be read from it; a
// read-only, unreachable or newer file turns the history off (Estado() says which), and
// every call after that does nothing. A file another copy is writing is waited for
// briefly; a write that still finds it busy fails with Ocupado() set, for the caller to
// try again, and only a lock that outlasts several writes turns the history off.
#pragma once

#include "Chequeos.h"
#include "Ensayos.h"
#include "ObservadorPartida.h"
#include "ResumenHistorial.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

// SinControlador: Qt's SQLite driver (a plugin of its own package) is not installed.
enum class EstadoAlmacen {
    Cerrado,
    Abierto,
    Bloqueado,
    SoloLectura,
    VersionNueva,
    Inaccesible,
    SinControlador
};

enum class ResultadoExportacion { Hecha, LecturaFallida, EscrituraFallida };

// What an export writes: one row per level, one per click, or one per check-up trial.
enum class Exportacion { Niveles, Clics, Chequeos };

// A judged click as the recorder timed it, in milliseconds of play (pauses left out).
struct tClicMedido {
    tClic Clic;
    int64_t MsInicio = 0;    // since START
    int64_t MsAnterior = 0;  // since the level's click before (since START for its first)
};

class QSqlError;

class AlmacenHistorial {
public:
    explicit AlmacenHistorial(QString ruta);
    ~AlmacenHistorial();
    AlmacenHistorial(const AlmacenHistorial &) = delete;
    AlmacenHistorial &operator=(const AlmacenHistorial &) = delete;

    // Opens the file, creating it and its folder, and brings its layout up to date.
    bool Abrir();
    EstadoAlmacen Estado() const { return estado_; }
    bool Activo() const { return estado_ == EstadoAlmacen::Abierto; }
    // Where a damaged file was moved during this run (empty if none was).
    QString ArchivoApartado() const { return apartado_; }
    // The last write failed only because another program held the file for a moment.
    bool Ocupado() const { return ocupadas_ > 0; }

    // A new game row; its id, or nothing when the history is off.
    std::optional<qint64> EmpezarPartida(const QDateTime &inicio, int dificultad);
    // A level and its clicks, in the order they were made.
    bool GuardarNivel(qint64 partida, const QDateTime &fin, const tResultadoNivel &r,
        const std::vector<tClicMedido> &clics = {});
    bool TerminarPartida(qint64 partida, const QDateTime &fin, const tResultadoPartida &r);
    // A check-up and every trial of it, practice included, in one transaction (part of the
    // caller's, if one is open); its id, or nothing when it was not written.
    std::optional<qint64> GuardarChequeo(
        const QDateTime &fin, bool tintasSeguras, const std::vector<tEnsayo> &ensayos);

    // Groups writes into one transaction (one commit for a level and its game's update).
    bool Empezar();
    bool Confirmar();

    // Every game, level, click and check-up taken out, the file left empty but in use; files moved aside
    // as damaged are not touched.
    bool Vaciar();

    // The summary; empty when the history is off or could not be read whole.
    tResumenHistorial Leer();
    // Every check-up, oldest first; empty when the history is off or could not be read whole.
    std::vector<tChequeoGuardado> LeerChequeos();
    // Every level played, one row each with its game, every click kept, one row each with
    // its level and game, or every check-up trial, one row each with its check-up, as
    // comma-separated values (RFC 4180). Nothing is written unless
    // every row could be read.
    ResultadoExportacion ExportarCSV(const QString &archivo, Exportacion que = Exportacion::Niveles);

private:
    bool AbrirConexion();
    void Cerrar();
    // Turns a failed statement into the store's state; a damaged file is moved aside and
    // a new one opened, in which case it returns true (the caller may try again).
    bool Fallo(const QSqlError &error);
    bool MoverAparte();
    void LeerEn(tResumenHistorial &res, QSqlError &error);
    void LeerTropiezosEn(tResumenHistorial &res, QSqlError &error);
    void LeerChequeosEn(std::vector<tChequeoGuardado> &res, QSqlError &error);
    // Reads with `leerEn`; a damaged file is replaced by one holding what could be read, and
    // that is read instead.
    template <typename T> T LeerTodo(void (AlmacenHistorial::*leerEn)(T &, QSqlError &));

    QString ruta_;
    QString conexion_;
    QString apartado_;
    EstadoAlmacen estado_ = EstadoAlmacen::Cerrado;
    int ocupadas_ = 0;  // busy failures in a row
};

// The history file in the player's own data folder.
QString RutaHistorial();
