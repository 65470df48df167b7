// The game's message boxes: the plain message (modal, titled "Velunda", no icon, OK only),
// and the quit question, the only way the player ends the program: "Are you sure?" with Yes
// and No. Yes ends the process at once; No returns with nothing changed.
#pragma once

class QString;
class QWidget;
struct Contexto;

// `texto` joins its lines with "\n".
void MostrarMensaje(QWidget *padre, const QString &texto);

// Asks over `padre`; on Yes runs ctx.terminar (or TerminarPrograma when none is set).
void ConfirmarSalida(Contexto &ctx, QWidget *padre);

// Ends the process here and now: no window's close handling, no destructors, nothing saved.
[[noreturn]] void TerminarPrograma();
