// The progress window: the player's history in pictures. The highest level reached in each
// game, game after game, coloured by difficulty; the best and average seconds per match of every
// level; a few totals; an export of every level or every click as CSV. A second view, "what
// trips you", shows the wrong clicks by word and ink, the pace of right clicks as colours and
// words are added, and the best of each difficulty. It only reads the history.
// A first run shows an invitation to play instead of empty charts, and when the history is
// off for this run, one line says why.
#pragma once

#include "AlmacenHistorial.h"
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
    frmProgreso(Historial *historial, QWidget *padre, Contexto *ctx = nullptr);

    // Event handlers, public so tests can drive exactly what a click does.
    void cmdExportar_Click();
    void cmdAceptar_Click();
    void cmdVista_Click();  // between the progress and "what trips you"
    void cmdChequeo_Click();
    // Writes the CSV to `archivo`; false (and a message) when it cannot.
    bool Exportar(const QString &archivo, Exportacion que = Exportacion::Niveles);
    bool VistaTropiezos() const { return tropiezos_; }

private:
    void Construir();
    void ConstruirTropiezos();
    void Form_Load();
    void MostrarVista();
    void LlenarPartidas(const tResumenHistorial &r);
    void LlenarNiveles(const tResumenHistorial &r);
    void LlenarNumeros(const tResumenHistorial &r);
    void LlenarTropiezos(const tResumenHistorial &r);
    void LlenarFallos(const tResumenHistorial &r);
    void LlenarRitmo(QChartView *vista, const std::vector<tPuntoRitmo> &todas,
        const std::vector<tPuntoRitmo> &recientes, const char *serie, qreal desde, qreal hasta);
    QString TextoEstado() const;

    Historial *historial_;
    Contexto *ctx_;  // null: no check-up from here
    tResumenHistorial resumen_;  // what the history held when last read
    bool tropiezos_ = false, vacio_ = true, datosTropiezos_ = false;
    Etiqueta *lblTitulo_ = nullptr;
    QChartView *chtPartidas_ = nullptr, *chtNiveles_ = nullptr;
    Etiqueta *lblVacio_ = nullptr, *lblEstado_ = nullptr;
    std::array<Etiqueta *, 6> lblNumeros_{};
    QPushButton *cmdExportar_ = nullptr, *cmdAceptar_ = nullptr, *cmdVista_ = nullptr, *cmdChequeo_ = nullptr;
    // "What trips you", built the first time it is shown: the slips, word (row) by ink (column), and the
    // worst three; the pace by colours and by words; the best of each difficulty; the line shown before there
    // is enough.
    QWidget *picTropiezos_ = nullptr, *picDatosTropiezos_ = nullptr;
    std::array<std::array<Etiqueta *, kNumColores>, kNumColores> lblFallos_{};
    std::array<Etiqueta *, 3> lblPeores_{};
    QChartView *chtRitmoColores_ = nullptr, *chtRitmoPalabras_ = nullptr;
    std::array<Etiqueta *, kDificultadesHistorial> lblMejores_{};
    Etiqueta *lblPocosDatos_ = nullptr;
};

// Shows the progress window modally over `padre` and returns once it is closed.
void AbrirProgreso(Contexto &ctx, QWidget *padre);
