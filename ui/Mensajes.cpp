#include "Mensajes.h"

#include <QMessageBox>

void MostrarMensaje(QWidget *padre, const std::string &texto)
{
    QString t = QString::fromStdString(texto);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velunda"), t, QMessageBox::Ok, padre);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
