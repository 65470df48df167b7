// The colours of the windows, named once: every window, control and picture takes them from here.
#pragma once

#include <QColor>

inline const QColor AzulClaro{192, 192, 255};      // the panels and their labels
inline const QColor AzulMedio{128, 128, 255};      // the VELUNDA label of the game screen
inline const QColor AzulTexto{0, 0, 255};          // the panels' text
inline const QColor Melocoton{255, 224, 192};      // the peach strips
inline const QColor NaranjaEnlace{255, 192, 128};  // the web invitation's back
inline const QColor Rojo{255, 0, 0};               // the time bar, the high-score marks
inline const QColor RojoOscuro{192, 0, 0};         // the time bar's foot
inline const QColor RojoAviso{160, 0, 0};          // a one-line failure notice
inline const QColor GrisRelajado{128, 128, 128};   // the relaxed-pace line of the progress chart
inline const QColor TintaOscura{32, 32, 96};       // borders and outlines of the painted art
