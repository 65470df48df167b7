// The help screen: a few paragraphs on how to play, three example word labels (the
// interference example, a correct match, an incorrect label), the web link and OK. Shown
// modally over the title menu and built afresh each time, so nothing carries over.
#pragma once

#include "Contexto.h"

#include <QDialog>
#include <array>

class Etiqueta;
class QPushButton;

class frmAyuda : public QDialog {
    Q_OBJECT
public:
    frmAyuda(Contexto &ctx, QWidget *padre);

    // Event handlers, public so tests can drive exactly what a click does.
    void Command1_Click();
    void Image2_Click();

private:
    void Construir();
    void Form_Load();

    Contexto &ctx_;
    std::array<Etiqueta *, 8> lblAyuda_{};
    QPushButton *Command1_ = nullptr;
};
