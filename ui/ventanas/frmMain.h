// The game screen: the word grid, counters and bars, the message panel with START, the
// coloured squares down both sides and the ways out. It shows what the rules tell it and
// hands every click and tick to them.
#pragma once

#include "Contexto.h"
#include "Juego.h"
#include "PantallaJuego.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class ContadorSegundos;
class Etiqueta;
class MarcaFoco;
class Forma;
class Panel;
class ZonaActiva;
class QLabel;
class QPushButton;

class frmMain : public QWidget, public PantallaJuego {
    Q_OBJECT
public:
    explicit frmMain(Contexto &ctx);
    ~frmMain() override;

    Juego &juego() { return *juego_; }

    // PantallaJuego
    void PintarEtiqueta(int i, bool visible, int32_t colorTexto, int palabra, int32_t colorFondo) override;
    void FondoEtiqueta(int i, int32_t color) override;
    void PonerRotulo(Rotulo r, const std::string &texto) override;
    void Objetivo(int nivel, int aciertos, int segundos) override;
    void AlturaBarra(Barra b, float altura) override;
    void AjustarPanelMensaje(int ancho, int alto) override;
    void MostrarPanelMensaje(bool visible) override;
    void MostrarPausa(bool enPausa) override;
    void ActivarReloj(bool activo) override;
    void FondoVentana(int32_t color) override;
    void ColocarCuadros(int fila, int top, int32_t color) override;
    void IluminarCuadros(int fila, bool encendido) override;
    void Mensaje(const Informe &informe) override;
    void PartidaGanadaCerrar() override;

    // Event handlers, public so tests can drive exactly what a click or tick does.
    void lblTextos_Click(int index, bool teclado = false);
    void cmdEmpezar_Click();
    void tmrJuego_Timer();
    void tmrAnim_Timer();
    void tmrFlash_Timer();
    void imgCHEAT_Click();
    void imgVolverAlMenu_Click();

    QTimer tmrJuego, tmrAnim, tmrFlash;

    // The word label the keyboard points at (-1 before the first key of a level).
    int FocoTeclado() const { return foco_; }

protected:
    void paintEvent(QPaintEvent *ev) override;
    void closeEvent(QCloseEvent *ev) override;
    void keyPressEvent(QKeyEvent *ev) override;
    void changeEvent(QEvent *ev) override;
    bool focusNextPrevChild(bool siguiente) override;

private:
    void Construir();
    void CargarImagenMenu();
    Etiqueta *Rotular(Rotulo r) const;

    Contexto &ctx_;
    std::unique_ptr<Juego> juego_;
    std::array<Etiqueta *, 32> lblTextos_{};
    std::array<Forma *, 8> shpIzq_{}, shpDch_{};
    Panel *picMensaje_ = nullptr;
    Etiqueta *lblMensaje_ = nullptr;
    QPushButton *cmdEmpezar_ = nullptr;
    Etiqueta *lblPausa_ = nullptr;
    QPushButton *cmdSeguir_ = nullptr;
    QPushButton *cmdMenuPausa_ = nullptr;
    MarcaFoco *marcaPausa_ = nullptr;
    ContadorSegundos *lblSegundos_ = nullptr;
    Etiqueta *lblNivel_ = nullptr, *lblNivelMax_ = nullptr, *lblPuntos_ = nullptr, *lblEncontrados_ = nullptr,
             *lblEncontradosTotal_ = nullptr;
    Forma *shpBarraTiempo_ = nullptr, *shpBarraEncontrados_ = nullptr;
    MarcaFoco *marca_ = nullptr;
    int foco_ = -1;
    bool tecladoUsado_ = false;  // from then on a click moves the focus ring too
    bool cerrada_ = false;
    QColor fondo_{Qt::white};  // the window's own back colour (the time-running-out flash)
    void MostrarMarca();
    void ConstruirPausa();
    void ElegirEnPausa(QPushButton *b);
    std::array<bool, 32> Visibles() const;
    QRegion FondoVisible() const;
};
