// The title menu, the program's start-up window and home screen: the title picture with
// the menu choices, transparent hotspots over them, and the difficulty panel that starts a
// game. It lives for the whole run, hidden while the game screen is up.
#pragma once

#include "Contexto.h"

#include <QPointer>
#include <QWidget>
#include <array>

class Etiqueta;
class Panel;
class QLabel;
class QPushButton;
class frmMain;

class frmIntro : public QWidget {
    Q_OBJECT
public:
    // Takes over ctx.mostrarMenu and ctx.traerMenu: the ways back from the other screens.
    explicit frmIntro(Contexto &ctx);
    ~frmIntro() override;
    // Back on screen after a game: the panel hidden, the window raised.
    void MostrarMenu();
    // Shown and raised as it is: a difficulty panel that was up stays up.
    void TraerMenu();

    // The game screen while one is open (null otherwise).
    frmMain *JuegoAbierto() const;

    // Event handlers, public so tests can drive exactly what a click does.
    void imgJugar_Click();
    void cmdDificultad_Click(int index);
    void imgAyuda_Click();
    void imgHOF_Click();
    void imgWeb_Click();
    void imgSalir1_Click();
    void imgSalir2_Click();

protected:
    void closeEvent(QCloseEvent *ev) override;
    void keyPressEvent(QKeyEvent *ev) override;

private:
    void Construir();
    void Form_Load();

    Contexto &ctx_;
    QLabel *imgTitulo_ = nullptr;
    Panel *picDificultad_ = nullptr;
    std::array<QPushButton *, 4> cmdDificultad_{};
    QPointer<frmMain> juego_;
};
