// Clearing what the game keeps of its players, offered by the settings window.
#include "frmAjustes.h"

#include "AlmacenHOF.h"
#include "Contexto.h"
#include "Historial.h"
#include "Mensajes.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>

namespace {
bool Confirmar(QWidget *padre, const QString &pregunta)
{
    QMessageBox caja(
        QMessageBox::NoIcon, QStringLiteral("Velunda"), pregunta, QMessageBox::Yes | QMessageBox::No, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.setDefaultButton(QMessageBox::No);  // nothing is lost by a hasty Enter
    caja.setEscapeButton(QMessageBox::No);
    return caja.exec() == QMessageBox::Yes;
}
}  // namespace

bool BorrarRecords(Contexto &ctx, QWidget *padre)
{
    //: Asked before the high-score table is cleared; the buttons are Yes and No.
    if (!Confirmar(padre,
            QCoreApplication::translate("BorrarDatos",
                "Clear the high scores?\nThe table goes back to the ten places Velunda comes "
                "with. Tables once moved aside as damaged (HOF.rec.bad) are kept.")))
        return false;
    // The table as it ships, carried in the program: in a game run from its own folder the
    // shipped file is the table itself.
    QFile enviada(QStringLiteral(":/velunda/HOF.rec"));
    const bool hecho = enviada.open(QIODevice::ReadOnly)
        && AlmacenHOF(RutaHOF(ctx.dirApp, QString(), ctx.datosEscribibles)).Restablecer(enviada.readAll());
    MostrarMensaje(padre,
        hecho ? QCoreApplication::translate(
            "BorrarDatos", "The high scores are back to the ten places Velunda comes with.")
              : QCoreApplication::translate(
                  "BorrarDatos", "The high scores could not be cleared: their file could not be written."));
    return hecho;
}

bool BorrarHistorial(Contexto &ctx, QWidget *padre)
{
    if (!ctx.historial)
        return false;
    //: Asked before the player's history is emptied; the buttons are Yes and No.
    if (!Confirmar(padre,
            QCoreApplication::translate("BorrarDatos",
                "Clear your history?\nEvery game and level recorded is deleted. History files "
                "once moved aside as damaged (.bad) are kept.")))
        return false;
    const bool hecho = ctx.historial->Vaciar();
    MostrarMensaje(padre,
        hecho ? QCoreApplication::translate("BorrarDatos", "Your history is empty.")
              : QCoreApplication::translate("BorrarDatos", "The history could not be cleared."));
    return hecho;
}
