#include "Mensajes.h"

#include <QMessageBox>

void MostrarMensaje(QWidget *padre, const QString &texto)
{
    // The title is the product's name, the same in every language.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velunda"), texto, QMessageBox::Ok, padre);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
