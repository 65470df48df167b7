// The settings window: sound on or off and calm flashing, each remembered between runs, a
// line on the keys that pause and mute, and the buttons that clear the high scores and the
// history. Opened modally from the title menu (key S) and
// from the help screen; every change takes effect at once.
#pragma once

#include "Ajustes.h"
#include "Contexto.h"

#include <QDialog>

class QCheckBox;
class Etiqueta;

class frmAjustes : public QDialog {
    Q_OBJECT
public:
    // With `ctx`, its buttons can clear the high scores and the history.
    frmAjustes(Ajustes &ajustes, QWidget *padre, Contexto *ctx = nullptr);

private:
    void Mostrar(Ajustes::Clave c);
    void MostrarAviso();  // the line saying a choice could not be kept

    Ajustes &ajustes_;
    QCheckBox *chkSonido_ = nullptr;
    QCheckBox *chkDestelloTranquilo_ = nullptr;
    Etiqueta *lblAviso_ = nullptr;
};

// Opens the settings window over `padre`; does nothing where the game keeps no settings.
void AbrirAjustes(Contexto &ctx, QWidget *padre);
