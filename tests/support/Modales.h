// Answering the game's modal boxes from a test: arm a responder before the call that
// opens the box; it polls for the modal widget and answers it, or records that none came.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QWidget;

struct RegistroModales {
    QStringList textos;   // text of each box answered, in order
    QStringList titulos;  // its window title
    int pendientes = 0;   // answers armed but not yet used
};

// Answers the next `veces` modal boxes (message boxes and input prompts) in turn.
// `respuesta` gets the modal widget and must accept or reject it.
std::shared_ptr<RegistroModales> ResponderModales(
    int veces, std::function<void(QWidget *)> respuesta, int esperaMaxMs = 5000);

// Ready-made answers.
void PulsarOk(QWidget *modal);                                // OK / default button of a message box
void PulsarBoton(QWidget *modal, int boton);                  // QMessageBox::StandardButton
void EscribirYAceptar(QWidget *modal, const QString &texto);  // input prompt
void Cancelar(QWidget *modal);

// Answers every message box with OK for as long as the returned handle lives;
// input prompts get `nombre`.
class ContestadorAutomatico {
public:
    explicit ContestadorAutomatico(QString nombre = QString());
    ~ContestadorAutomatico();
    QStringList textos() const;
    QStringList titulos() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Runs `respuesta` on the next modal window that opens, of any kind (a whole window too),
// polling the event loop from inside the call that opens it; `hecho` says it came. Keep it
// alive until then.
struct AlAbrirse {
    QTimer sondeo;
    QElapsedTimer inicio;
    bool hecho = false;
    explicit AlAbrirse(std::function<void(QWidget *)> respuesta)
    {
        inicio.start();
        QObject::connect(&sondeo, &QTimer::timeout, [this, respuesta] {
            QWidget *w = QApplication::activeModalWidget();
            if ((w && w->isVisible()) || inicio.elapsed() > 5000)
                sondeo.stop();
            if (w && w->isVisible()) {
                hecho = true;
                respuesta(w);
            }
        });
        sondeo.start(10);
    }
};
