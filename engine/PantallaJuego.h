// What the rules ask the game screen to show. The screen implements it; tests fake it.
// Colours are packed as red + 256 green + 65536 blue.
#pragma once

#include <cstdint>
#include <string>

// The text displays of the game screen that the rules write.
enum class Rotulo { Nivel, NivelMax, Puntos, Segundos, Encontrados, EncontradosTotal, Mensaje };

enum class Barra { Tiempo, Encontrados };

class PantallaJuego {
public:
    virtual ~PantallaJuego() = default;

    // Word label i (0..31): shown or hidden, print colour, word, back colour.
    virtual void PintarEtiqueta(
        int i, bool visible, int32_t colorTexto, const std::string &texto, int32_t colorFondo)
        = 0;
    virtual void FondoEtiqueta(int i, int32_t color) = 0;
    virtual void PonerRotulo(Rotulo r, const std::string &texto) = 0;
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
    // A modal OK box; returns once the player has closed it. Lines are joined by "\r\n".
    virtual void Mensaje(const std::string &texto) = 0;
    // The game is won and its total kept: close the screen, back to the menu, high scores.
    virtual void PartidaGanadaCerrar() = 0;
};
