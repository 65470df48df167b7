// The settings window: sound on or off, calm flashing and the comforts for colour-blind and
// low-vision players (safe inks, outlined words, the relaxed pace), each remembered between
// runs, and a line on the keys that pause and mute. Opened modally from the title menu (key S) and
// from the help screen; every change takes effect at once.
#pragma once

#include "Ajustes.h"
#include "Contexto.h"

#include <QDialog>
#include <array>

class QCheckBox;

class frmAjustes : public QDialog {
    Q_OBJECT
public:
    frmAjustes(Ajustes &ajustes, QWidget *padre);

private:
    void Mostrar(Ajustes::Clave c);

    Ajustes &ajustes_;
    std::array<QCheckBox *, 5> casillas_{};  // indexed by Ajustes::Clave
};

// Opens the settings window over `padre`; does nothing where the game keeps no settings.
void AbrirAjustes(Contexto &ctx, QWidget *padre);
