// Test doubles for the rules: a screen that remembers what it was told (and words the
// reports with the game screen's own English texts), a sound player that remembers what it
// was asked, and seeded or scripted random sources.
#pragma once

#include "Aleatorio.h"
#include "EstadoJuego.h"
#include "Juego.h"
#include "PantallaJuego.h"
#include "Sonido.h"
#include "TextosJuego.h"

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

struct EtiquetaFalsa {
    bool visible = false;
    int32_t colorTexto = -1;
    int palabra = -1;  // palette index of the word shown
    int32_t colorFondo = -1;
};

class PantallaFalsa : public PantallaJuego {
public:
    std::array<EtiquetaFalsa, 32> etiquetas{};
    std::map<Rotulo, std::string> rotulos;
    float barraTiempo = 73.f, barraEncontrados = 73.f;
    int panelAncho = 577, panelAlto = 249;
    bool panelVisible = true, reloj = false, pausa = false;
    int32_t fondo = 0xFFFFFF;
    std::array<int, 8> topCuadro{};
    std::array<int32_t, 8> colorCuadro{};
    std::array<bool, 8> cuadroEncendido{};
    std::string objetivo;               // the level goal as the panel shows it
    std::vector<Informe> informes;      // the reports, as values
    std::vector<std::string> mensajes;  // the same, as the message boxes word them
    int victorias = 0;
    // Runs when a message box would be open (the rules wait for it to close).
    std::function<void(const std::string &)> alMostrarMensaje;

    void PintarEtiqueta(int i, bool v, int32_t ct, int palabra, int32_t cf) override
    {
        etiquetas[i] = {v, ct, palabra, cf};
    }
    void FondoEtiqueta(int i, int32_t c) override { etiquetas[i].colorFondo = c; }
    void PonerRotulo(Rotulo r, const std::string &t) override { rotulos[r] = t; }
    void Objetivo(int nivel, int aciertos, int segundos) override
    {
        objetivo = TextoObjetivo(nivel, aciertos, segundos).toStdString();
    }
    void AlturaBarra(Barra b, float h) override { (b == Barra::Tiempo ? barraTiempo : barraEncontrados) = h; }
    void AjustarPanelMensaje(int w, int h) override { panelAncho = w, panelAlto = h; }
    void MostrarPanelMensaje(bool v) override { panelVisible = v; }
    void MostrarPausa(bool p) override { pausa = p; }
    void ActivarReloj(bool a) override { reloj = a; }
    void FondoVentana(int32_t c) override { fondo = c; }
    void ColocarCuadros(int f, int top, int32_t c) override { topCuadro[f] = top, colorCuadro[f] = c; }
    void IluminarCuadros(int f, bool e) override { cuadroEncendido[f] = e; }
    void Mensaje(const Informe &i) override
    {
        informes.push_back(i);
        mensajes.push_back(TextoInforme(i).toStdString());
        if (alMostrarMensaje)
            alMostrarMensaje(mensajes.back());
    }
    void PartidaGanadaCerrar() override { ++victorias; }
};

class SonidoFalso : public Sonido {
public:
    std::vector<Senal> pedidos;
    void ReproducirSonido(Senal senal) override { pedidos.push_back(senal); }
};

// A reproducible generator: the game's own kind, with a fixed seed whatever the hour.
class GeneradorFijo : public GeneradorUniforme {
public:
    explicit GeneradorFijo(uint64_t semilla) : motor_(semilla) { }
    void Sembrar(float) override { }
    double Siguiente() override { return static_cast<double>(motor_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 motor_;
};

// Gives the listed values first, then falls back to a fixed generator.
class GeneradorGuionado : public GeneradorUniforme {
public:
    std::deque<double> guion;
    GeneradorFijo resto{7};
    void Sembrar(float) override { }
    double Siguiente() override
    {
        if (guion.empty())
            return resto.Siguiente();
        const double v = guion.front();
        guion.pop_front();
        return v;
    }
};

// Indices of the shown cells that match: what a player must click on the board.
inline std::vector<int> AciertosVisibles(const EstadoJuego &e)
{
    std::vector<int> v;
    for (int i = 0; i < kNumCasillas; ++i)
        if (e.Casillas[i].Visible && e.Casillas[i].EsAcierto())
            v.push_back(i);
    return v;
}

// A game on a fake screen, loaded as the screen would load it.
struct Mesa {
    EstadoJuego estado;
    PantallaFalsa pantalla;
    SonidoFalso sonido;
    GeneradorFijo azar;
    Juego juego;
    explicit Mesa(uint64_t semilla = 1, float dificultad = Normal)
        : azar(semilla), juego(estado, pantalla, sonido, azar)
    {
        estado.DificultadActual = dificultad;
        juego.CargaInicial();
    }
    // Indices of the shown cells that match (or not).
    std::vector<int> Aciertos() const { return AciertosVisibles(estado); }
    int UnFallo() const
    {
        for (int i = 0; i < kNumCasillas; ++i)
            if (estado.Casillas[i].Visible && !estado.Casillas[i].EsAcierto())
                return i;
        return -1;
    }
    int UnaOculta() const
    {
        for (int i = 0; i < kNumCasillas; ++i)
            if (!estado.Casillas[i].Visible)
                return i;
        return -1;
    }
    // Runs the clock until it stops or `ticks` have passed; returns the ticks run.
    int Ticks(int ticks)
    {
        int n = 0;
        while (n < ticks && juego.RelojActivo()) {
            juego.TickReloj();
            ++n;
        }
        return n;
    }
};
