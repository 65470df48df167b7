// The high-score screen: the ten places as a grid of labels (place, score, name,
// difficulty, date, time), a red band behind the entry just made, the web invitation and
// OK. Built afresh for every showing; building it runs the whole high-score cycle (read,
// name prompt, write back with the new entry ranked in, show) before the window appears.
// A save that fails is told in one line under the grid.
#pragma once

#include "Contexto.h"
#include "ResultadoEscritura.h"
#include "TablaHOF.h"

#include <QDialog>
#include <QTime>
#include <array>

class Etiqueta;
class Forma;
class QLocale;
class QPushButton;

class frmHOF : public QDialog {
    Q_OBJECT
public:
    // `padre` is the title menu: the name prompt shows over it, before this window does.
    frmHOF(Contexto &ctx, QWidget *padre);

    // Event handlers, public so tests can drive exactly what a click does.
    void Command1_Click();
    void Image2_Click();
    void cmdProgreso_Click();
    // The one line under the table saying why a save failed (hidden for Ninguno).
    void MostrarAviso(MotivoFallo motivo, const QString &ruta);

private:
    void Construir();
    void Form_Load();
    void PedirNombre(int32_t puntos);

    Contexto &ctx_;
    TablaHOF tabla_;
    std::array<Etiqueta *, TablaHOF::kPuestos> lblPuesto_{}, lblPuntos_{}, lblNombre_{}, lblDificultad_{},
        lblFecha_{}, lblHora_{};
    Forma *Shape1_ = nullptr;
    QPushButton *Command1_ = nullptr;
    Etiqueta *lblAviso_ = nullptr;  // shown only when the table could not be saved
};

// Shows the high-score screen modally over `padre` and returns once it is closed.
void AbrirRecords(Contexto &ctx, QWidget *padre);

// The time of day as `locale` writes it in full (with seconds), without the time zone
// that the full format appends: a table cell holds a time of day, not an instant.
QString TextoHora(const QLocale &locale, QTime hora);
