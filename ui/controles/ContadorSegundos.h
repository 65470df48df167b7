// The game screen's seconds counter: a label whose text changes 50 times a second while the
// clock runs. Each new text is painted at once, in the clock's own pass of the event loop, by
// one painter that fills the back and draws the line as the label would.
#pragma once

#include "Controles.h"

class ContadorSegundos : public Etiqueta {
    Q_OBJECT
public:
    ContadorSegundos(QWidget *padre, const QString &nombre, QRect lugar);
    void PonerTexto(const QString &texto);

protected:
    void paintEvent(QPaintEvent *ev) override;
};
