// The scale the windows are drawn at: the desktop's, or the size the player chose, never more
// than the screen has room for. Qt takes its scale only as it starts, so the game works it out
// once Qt can see the screen and, when it differs, starts Qt again at that scale.
#pragma once

#include "Ajustes.h"

#include <QSize>
#include <optional>

// The game's largest window, in its own units: the title menu and the game screen.
inline constexpr QSize kVentanaMayor{752, 480};

// The scale for size `t` on a desktop drawn at `escritorio`, whose free area (less panels) is
// `disponible` device pixels: the size asked for (the desktop's for Automatico), lowered in
// quarter steps until `ventana` and its frame fit; never below a half.
double EscalaQueCabe(Ajustes::Tamano t, double escritorio, QSize disponible, QSize ventana = kVentanaMayor);

// With the application object up and no window shown yet: the value of QT_SCALE_FACTOR that
// draws the windows at the player's size, or nothing when Qt already draws them so.
std::optional<QByteArray> FactorQtPendiente(const Ajustes &ajustes);
