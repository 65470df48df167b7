// The run's history: hears the rules through ObservadorPartida, stamps each record with
// the moment it arrives (each click with the milliseconds of play since START, from a
// monotonic clock, pauses left out) and writes it a moment later, once the event loop is
// free again (while the outcome's message box is open, or after the next level's set-up), never
// inside a click or a clock tick. The file is opened on the first write or read, never at
// start-up. A check-up is written as soon as it is handed over: it is over by then. Records
// a busy file refused wait for the next write; when the store turns itself off, records are
// dropped for the rest of the run.
#pragma once

#include "AlmacenHistorial.h"
#include "ObservadorPartida.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class Historial : public QObject, public ObservadorPartida {
    Q_OBJECT
public:
    explicit Historial(QString ruta, QObject *padre = nullptr);
    ~Historial() override;

    void PartidaEmpezada() override;
    void NivelTerminado(const tResultadoNivel &r) override;
    void PartidaTerminada(const tResultadoPartida &r) override;
    void NivelEmpezado() override;
    void PausaCambiada(bool enPausa) override;
    void ClicJuzgado(const tClic &c) override;

    // Writes whatever is waiting now (the progress window does, before it reads).
    void Escribir();
    // A check-up just over, written now with whatever else was waiting, stamped with this
    // moment. False when the history is off or the file kept it waiting for the next write.
    bool GuardarChequeo(bool tintasSeguras, const std::vector<tEnsayo> &ensayos);
    // Every check-up kept, oldest first, once whatever was waiting is written; empty when the
    // history is off.
    std::vector<tChequeoGuardado> Chequeos();
    // Empties the history, with whatever was still waiting to be written.
    bool Vaciar();
    // The open store, or null when the history is off for this run.
    AlmacenHistorial *Almacen();
    EstadoAlmacen Estado() const { return almacen_.Estado(); }
    QString ArchivoApartado() const { return almacen_.ArchivoApartado(); }

private:
    struct Empezada { };
    struct NivelConClics {
        tResultadoNivel nivel;
        std::vector<tClicMedido> clics;
    };
    struct ChequeoHecho {
        bool tintasSeguras;
        std::vector<tEnsayo> ensayos;
    };
    using Suceso = std::variant<Empezada, NivelConClics, tResultadoPartida, ChequeoHecho>;
    struct Pendiente {
        QDateTime momento;
        Suceso suceso;
    };
    // The store turned itself off for this run: nothing more is taken.
    bool Apagado() const;
    void Anotar(Suceso s);
    bool EscribirUno(const Pendiente &p);

    AlmacenHistorial almacen_;
    std::vector<Pendiente> pendientes_;
    bool programado_ = false;
    // The game being written: its start, and its row once its first level is stored.
    QDateTime inicioPartida_;
    std::optional<qint64> partida_;
    // The level in play: its clock, started at START, the time spent paused, and its clicks.
    QElapsedTimer reloj_;
    qint64 pausado_ = 0, pausaDesde_ = -1, ultimoClic_ = 0;
    std::vector<tClicMedido> clics_;
};
