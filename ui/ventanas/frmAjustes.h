// The settings window: sound on or off, calm flashing, the comforts for colour-blind and
// low-vision players (safe inks, outlined words, the relaxed pace) and the windows' size, each
// remembered between runs, a line on the keys that pause and mute, and the buttons that clear
// the high scores and the history. Opened modally from the title menu (key S) and from the
// help screen; every change takes effect at once, but the size, at the next start.
#pragma once

#include "Ajustes.h"
#include "Contexto.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
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
    std::array<QCheckBox *, 5> casillas_{};  // indexed by Ajustes::Clave
    QComboBox *cboTamano_ = nullptr;
    Etiqueta *lblAviso_ = nullptr;
};

// Opens the settings window over `padre`; does nothing where the game keeps no settings.
void AbrirAjustes(Contexto &ctx, QWidget *padre);

// Its two buttons for a classroom or a shared computer (BorrarDatos.cpp): the high-score table
// back to the ten places the game ships with, and the history emptied. Each asks first and
// says what stays: files moved aside as damaged (.bad) are kept. True once done; false when
// the player answered No or it failed (a failure is told).
bool BorrarRecords(Contexto &ctx, QWidget *padre);
bool BorrarHistorial(Contexto &ctx, QWidget *padre);
