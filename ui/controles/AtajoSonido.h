// The M key turns the sound cues on or off in every window of the game. It watches the
// keys of the whole program, and leaves them alone where a name is being typed and in any
// window that is not the game's own (dialogs, popups, completion lists).
#pragma once

#include <QObject>

class Ajustes;

class AtajoSonido : public QObject {
    Q_OBJECT
public:
    explicit AtajoSonido(Ajustes &ajustes, QObject *padre = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *ev) override;

private:
    Ajustes &ajustes_;
};
