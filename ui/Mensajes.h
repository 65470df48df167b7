// The game's message boxes: modal, titled "Velunda", no icon, OK only.
#pragma once

class QString;
class QWidget;

// `texto` joins its lines with "\n".
void MostrarMensaje(QWidget *padre, const QString &texto);
