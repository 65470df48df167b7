// The game's message boxes: modal, titled "Velunda", no icon, OK only.
#pragma once

#include <string>

class QWidget;

// `texto` joins its lines with "\r\n"; they show as separate lines.
void MostrarMensaje(QWidget *padre, const std::string &texto);
