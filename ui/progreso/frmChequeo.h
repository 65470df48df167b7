// The interference check-up: one colour word at a time in the middle, printed in one of four
// inks; the player answers the ink with its key (1 to 4) or its button. Congruent, incongruent
// and neutral trials come in a random order after three practice ones, about two minutes in
// all. Each trial's clock starts when its word has been painted and flushed to the screen, and
// stops at the answer's event. At the end the trials go into the history and the result is
// shown, with the player's interference over every check-up kept.
#pragma once

#include "Contexto.h"
#include "ResultadoChequeo.h"
#include "SesionChequeo.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <functional>

class Etiqueta;
class MarcaFoco;
class QInputEvent;
class QPushButton;

class frmChequeo : public QDialog {
    Q_OBJECT
public:
    // Nanoseconds of a monotonic clock; tests give their own.
    using Reloj = std::function<qint64()>;
    frmChequeo(Contexto &ctx, QWidget *padre, int porCondicion = kEnsayosPorCondicion, Reloj reloj = {});

    void cmdEmpezar_Click();
    void cmdSeguir_Click();
    void Pausar();
    bool EnPausa() const;
    // The answer `boton` (0..3, the order of the ink buttons) given at `ns`.
    void Responder(int boton, qint64 ns);

    const SesionChequeo &Sesion() const { return sesion_; }
    bool Terminado() const { return sesion_.Terminada(); }
    const tResultadoChequeo &Resultado() const { return resultado_; }
    // The palette index of ink button `boton`.
    static int TintaBoton(int boton) { return kTintasChequeo[boton]; }
    // The window's clock now, and the blank last drawn (for the latency benchmark).
    qint64 Ahora() const { return reloj_(); }
    int UltimoBlanco() const { return ultimoBlanco_; }

signals:
    // A trial's word reached the screen, at `ns` of the window's clock.
    void PalabraMostrada(qint64 ns);

protected:
    bool event(QEvent *ev) override;
    bool eventFilter(QObject *objeto, QEvent *ev) override;
    void keyPressEvent(QKeyEvent *ev) override;
    bool focusNextPrevChild(bool siguiente) override;

private:
    void Construir();
    void ConstruirResultado();
    void MostrarResultado();
    void SiguienteEnsayo();
    void PedirPalabra();
    void SinRespuesta();
    void Terminar();
    void MostrarPalabra(bool visible);
    QColor Tinta(int indice) const;
    // When an input event happened, on the window's clock: the event's own stamp where the
    // platform gives one on that clock, otherwise the moment it is handled.
    qint64 Momento(const QInputEvent *ev) const;

    Contexto &ctx_;
    QElapsedTimer cronometro_;
    Reloj reloj_;
    bool relojPropio_;  // the window's own clock, not a test's
    SesionChequeo sesion_;
    tResultadoChequeo resultado_;
    QTimer tmrBlanco_, tmrLimite_;
    bool pintada_ = false;  // the word was painted in the repaint under way
    int ultimoBlanco_ = 0;

    Etiqueta *lblTitulo_ = nullptr, *lblProgreso_ = nullptr, *lblInstrucciones_ = nullptr;
    Etiqueta *lblPalabra_ = nullptr, *lblAyuda_ = nullptr, *lblPausa_ = nullptr;
    QWidget *picPrueba_ = nullptr, *picPausa_ = nullptr, *picResultado_ = nullptr;
    std::array<Etiqueta *, kTintasChequeo.size()> lblTintas_{};
    QPushButton *cmdEmpezar_ = nullptr, *cmdSeguir_ = nullptr, *cmdSalir_ = nullptr, *cmdAceptar_ = nullptr;
    MarcaFoco *marcaPausa_ = nullptr;
};

// Shows the check-up modally over `padre` and returns once it is closed.
void AbrirChequeo(Contexto &ctx, QWidget *padre);
