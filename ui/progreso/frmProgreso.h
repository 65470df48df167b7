// The progress window: the player's history in pictures. The highest level reached in each
// game, game after game, coloured by difficulty; the best and average seconds per match of every
// level; a few totals; an export of every level played as CSV. It only reads the history.
// A first run shows an invitation to play instead of empty charts, and when the history is
// off for this run, one line says why.
#pragma once

#include "Contexto.h"
#include "ResumenHistorial.h"

#include <QDialog>
#include <array>

class Etiqueta;
class Historial;
class QChartView;
class QPushButton;

class frmProgreso : public QDialog {
    Q_OBJECT
public:
    // `historial` may be null: nothing is kept in this run.
    frmProgreso(Historial *historial, QWidget *padre);

    // Event handlers, public so tests can drive exactly what a click does.
    void cmdExportar_Click();
    void cmdAceptar_Click();
    // Writes the CSV to `archivo`; false (and a message) when it cannot.
    bool Exportar(const QString &archivo);

private:
    void Construir();
    void Form_Load();
    void LlenarPartidas(const tResumenHistorial &r);
    void LlenarNiveles(const tResumenHistorial &r);
    void LlenarNumeros(const tResumenHistorial &r);
    QString TextoEstado() const;

    Historial *historial_;
    QChartView *chtPartidas_ = nullptr, *chtNiveles_ = nullptr;
    Etiqueta *lblVacio_ = nullptr, *lblEstado_ = nullptr;
    std::array<Etiqueta *, 6> lblNumeros_{};
    QPushButton *cmdExportar_ = nullptr, *cmdAceptar_ = nullptr;
};

// Shows the progress window modally over `padre` and returns once it is closed.
void AbrirProgreso(Contexto &ctx, QWidget *padre);
