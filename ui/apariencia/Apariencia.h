// The look all four windows share: caption, icon, cursors, border and the window font.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QWidget;

QString TituloVentana();

// The window font at a size in points (at 96 dpi, so layouts in pixels hold everywhere).
QFont FuenteVentana(double puntos, bool negrita = false, bool subrayada = false);

QCursor CursorFlecha();  // over every window
QCursor CursorMano();    // over every clickable hotspot
// Packed red + 256 green + 65536 blue, as the rules keep colours.
QColor ColorDe(int rgbPacked);

// An opaque back colour for a window, panel or label (Qt leaves child widgets see-through).
void PonerFondoOpaco(QWidget *w, const QColor &color);

enum class BotonesVentana { CerrarYMinimizar, SoloCerrar };

// Caption, icon, cursor, fixed client size and border buttons of a top-level window.
void AplicarApariencia(
    QWidget *ventana, int ancho, int alto, BotonesVentana botones = BotonesVentana::CerrarYMinimizar);
