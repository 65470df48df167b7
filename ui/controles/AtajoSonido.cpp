#include "AtajoSonido.h"

#include "Ajustes.h"

#include <QKeyEvent>
#include <QWidget>

namespace {
bool VentanaDelJuego(const QWidget *w)
{
    const QWidget *ventana = w->window();
    return ventana->windowType() != Qt::Popup && ventana->objectName().startsWith(QLatin1String("frm"));
}
}  // namespace

AtajoSonido::AtajoSonido(Ajustes &ajustes, QObject *padre) : QObject(padre), ajustes_(ajustes) { }

bool AtajoSonido::eventFilter(QObject *objeto, QEvent *ev)
{
    if (ev->type() != QEvent::KeyPress)
        return false;
    const auto *tecla = static_cast<QKeyEvent *>(ev);
    if (tecla->key() != Qt::Key_M || tecla->modifiers() != Qt::NoModifier || tecla->isAutoRepeat())
        return false;
    // The key reaches the window system's window first, then the focused widget: act once,
    // on the widget, unless it takes text. Only in the game's own windows (named frm...):
    // a file dialog, a message box or the completion list over a path gets its m.
    const auto *w = qobject_cast<QWidget *>(objeto);
    if (!w || w->testAttribute(Qt::WA_InputMethodEnabled) || !VentanaDelJuego(w))
        return false;
    ajustes_.Alternar(Ajustes::Clave::Sonido);
    return true;
}
