#include "Salida.h"

#include "Contexto.h"

#include <QMessageBox>
#include <cstdlib>

void ConfirmarSalida(Contexto &ctx, QWidget *padre)
{
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Quit!"), QStringLiteral("Are you sure?"),
        QMessageBox::Yes | QMessageBox::No, padre);
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
