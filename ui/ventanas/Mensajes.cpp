#include "Mensajes.h"

#include "Contexto.h"
#include "ImagenesDatos.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdlib>

void MostrarMensaje(QWidget *padre, const QString &texto)
{
    // The title is the product's name, the same in every language.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velunda"), texto, QMessageBox::Ok, padre);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

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

void TerminarPrograma()
{
    GuardarCachePendiente();  // a title decoded moments ago is still kept for the next start
    std::_Exit(0);
}
