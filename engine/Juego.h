// The rules of a game on the game screen: first load, level setup, the clock, judging of
// clicks, level outcomes, the level jump and the two decorative effects.
#pragma once

#include "Aleatorio.h"
#include "EstadoJuego.h"
#include "ObservadorPartida.h"
#include "Paleta.h"
#include "PantallaJuego.h"
#include "Sonido.h"

#include <string>
#include <string_view>

// Tick length of the game clock, in milliseconds.
constexpr int kIntervaloReloj = 20;
constexpr float kAlturaBarra = 73.f;

class Juego {
public:
    Juego(EstadoJuego &estado, PantallaJuego &pantalla, Sonido &sonido, GeneradorUniforme &azar);

    // Everything the game screen's load does after its picture is in place.
    void CargaInicial();

    int Aleatorio(int bajo, int alto);
    void PrepararNivel(int nivel);

    void Empezar();                                  // START
    void TickReloj();                                // one tick of the game clock
    void ClicEtiqueta(int i, bool teclado = false);  // a click (or Space/Enter) on word label i
    void SaltarNivel(std::string_view respuesta);    // the hidden level jump's answer
    void TickAnimacion();
    void TickDestello();

    // A pause stops a running clock and covers the board until Reanudar; the time left and
    // the ticks still to come are those of the moment it stopped.
    void Pausar();
    void Reanudar();
    bool EnPausa() const { return pausado_; }
    // Calm flashing: the low-time colour stays steady instead of blinking.
    // Also holds the running lights still, unlit.
    void PonerDestelloTranquilo(bool tranquilo) { destelloTranquilo_ = tranquilo; }
    // The inks of the next first load.
    void PonerTintas(Tintas t) { tintas_ = t; }
    // The pace of the game the next first load begins.
    void PonerRitmoRelajado(bool relajado) { relajado_ = relajado; }

    void AvanzarNivel();
    void GanarPartida();
    // causa: Aviso::Fallo (a wrong click) or Aviso::TiempoAgotado.
    void Retroceder(Aviso causa);

    // Who hears how levels and the game end (nobody when null).
    void Observar(ObservadorPartida *observador) { observador_ = observador; }
    // The player leaves the game screen: the level in play and the game end here.
    void Abandonar();

    bool RelojActivo() const { return relojActivo_; }
    // While the screen shows the level goal, START is the only way on.
    bool EsperandoEmpezar() const { return panelVisible_; }
    int Encontrados() const { return encontrados_; }

private:
    void PintarCasilla(int i);
    void PararReloj();
    void MostrarContadores();
    // Reported once per level, and only for a level that was started.
    void InformarNivel(FinNivel fin, int32_t puntos = 0);
    void InformarPartida(bool ganada);

    EstadoJuego &e_;
    PantallaJuego &pantalla_;
    Sonido &sonido_;
    GeneradorUniforme &azar_;

    bool relojActivo_ = false;
    bool panelVisible_ = true;
    bool pausado_ = false;
    bool destelloTranquilo_ = false;
    bool cuadrosEncendidos_ = false;  // some running light may be lit
    Tintas tintas_ = Tintas::Estandar;
    bool relajado_ = false;
    int encontrados_ = 0;            // what the found counter shows
    int32_t colorFondo_ = 0xFFFFFF;  // the screen's background, which the flash toggles

    ObservadorPartida *observador_ = nullptr;
    bool nivelEnJuego_ = false;  // START pressed and the level's end not yet reported
    bool partidaInformada_ = false;
    int nivelMaximo_ = 0;
};
