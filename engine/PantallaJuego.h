// What the rules ask the game screen to show. The screen implements it; tests fake it.
// Colours are packed as red + 256 green + 65536 blue. The rules hand over values (a colour
// index, numbers, the kind of report); the screen words them in the player's language.
#pragma once

#include <cstdint>
#include <string>

// The text displays of the game screen that the rules write.
enum class Rotulo { Nivel, NivelMax, Puntos, Segundos, Encontrados, EncontradosTotal };

enum class Barra { Tiempo, Encontrados };

// What a message box reports: a finished level, a fall-back (and why), the win.
enum class Aviso { NivelTerminado, Fallo, TiempoAgotado, Victoria };

struct Informe {
    Aviso tipo = Aviso::NivelTerminado;
    int32_t puntos = 0;      // NivelTerminado: the level's points; Victoria: the game's total
    float usado = 0.f;       // NivelTerminado: seconds taken
    int aciertos = 0;        // NivelTerminado: matches found
    float porAcierto = 0.f;  // NivelTerminado: seconds per match
    int nivelDestino = 0;    // Fallo, TiempoAgotado: the level set up next, as shown (1..50)
    bool alPrimero = false;  // Fallo, TiempoAgotado: fewer than two levels to give up
    bool operator==(const Informe &) const = default;
};

class PantallaJuego {
public:
    virtual ~PantallaJuego() = default;

    // Word label i (0..31): shown or hidden, print colour, the palette index of the colour
    // its word names, back colour.
    virtual void PintarEtiqueta(int i, bool visible, int32_t colorTexto, int palabra, int32_t colorFondo) = 0;
    virtual void FondoEtiqueta(int i, int32_t color) = 0;
    virtual void PonerRotulo(Rotulo r, const std::string &texto) = 0;
    // The level goal on the message panel: level as shown (1..50), matches, whole seconds.
    virtual void Objetivo(int nivel, int aciertos, int segundos) = 0;
    // Bars keep their top edge; only the height changes (73 is full).
    virtual void AlturaBarra(Barra b, float altura) = 0;
    virtual void AjustarPanelMensaje(int ancho, int alto) = 0;
    virtual void MostrarPanelMensaje(bool visible) = 0;
    // The paused game: the message panel over the board saying so, or play again.
    virtual void MostrarPausa(bool enPausa) = 0;
    virtual void ActivarReloj(bool activo) = 0;
    virtual void FondoVentana(int32_t color) = 0;
    // Row `fila` (0..7) of the two columns of coloured squares.
    virtual void ColocarCuadros(int fila, int top, int32_t color) = 0;
    virtual void IluminarCuadros(int fila, bool encendido) = 0;
    // A modal OK box with the report; returns once the player has closed it.
    virtual void Mensaje(const Informe &informe) = 0;
    // The game is won and its total kept: close the screen, back to the menu, high scores.
    virtual void PartidaGanadaCerrar() = 0;
};
