#include "Salida.h"

#include "Contexto.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdlib>

void ConfirmarSalida(Contexto &ctx, QWidget *padre)
{
    //: Title of the quit question.
    const QString titulo = QCoreApplication::translate("Salida", "Quit!");
    //: The quit question; the buttons are the desktop's Yes and No.
    const QString pregunta = QCoreApplication::translate("Salida", "Are you sure?");
    QMessageBox caja(QMessageBox::NoIcon, titulo, pregunta, QMessageBox::Yes | QMessageBox::No, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.setDefaultButton(QMessageBox::Yes);
    // Escape and the box's own close button count as No.
    caja.setEscapeButton(QMessageBox::No);
    if (caja.exec() != QMessageBox::Yes)
        return;
    if (ctx.terminar)
        ctx.terminar();
    else
        TerminarPrograma();
}

void TerminarPrograma() { std::_Exit(0); }
