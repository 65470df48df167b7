#include "AtajoSonido.h"

#include "Ajustes.h"

#include <QKeyEvent>
#include <QWidget>

AtajoSonido::AtajoSonido(Ajustes &ajustes, QObject *padre) : QObject(padre), ajustes_(ajustes) { }

bool AtajoSonido::eventFilter(QObject *objeto, QEvent *ev)
{
    if (ev->type() != QEvent::KeyPress)
        return false;
    const auto *tecla = static_cast<QKeyEvent *>(ev);
    if (tecla->key() != Qt::Key_M || tecla->modifiers() != Qt::NoModifier || tecla->isAutoRepeat())
        return false;
    // The key reaches the window system's window first, then the focused widget: act once,
    // on the widget, unless it takes text.
    const auto *w = qobject_cast<QWidget *>(objeto);
    if (!w || w->testAttribute(Qt::WA_InputMethodEnabled))
        return false;
    ajustes_.Alternar(Ajustes::Clave::Sonido);
    return true;
}
