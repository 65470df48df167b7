#include "TextosJuego.h"

#include "Dificultad.h"
#include "Formato.h"
#include "Idioma.h"

#include <QCoreApplication>

namespace {
// Seconds keep the game's "0.00" pattern, with the decimal separator of the player's
// language, as the seconds display on the game screen writes them.
QString Segundos(float s) { return ConSeparadorDecimal(QString::fromStdString(Formato00(s))); }
}  // namespace

QString TextoObjetivo(int nivel, int aciertos, int segundos)
{
    //: The level goal on the message panel (329 x 177 px, 13.5 pt): keep the five lines.
    //: %1 level (1-50), %2 matches to find, %3 whole seconds.
    return QCoreApplication::translate("TextosJuego", "LEVEL %1\n\nFIND %2 CORRECT MATCHES\n\nIN %3 SECONDS")
        .arg(nivel)
        .arg(aciertos)
        .arg(segundos);
}

QString TextoInforme(const Informe &i)
{
    switch (i.tipo) {
    case Aviso::NivelTerminado:
        //: Message box after a level: %1 points, %2 seconds taken (0.00), %3 matches,
        //: %4 seconds per match (0.00). Keep the four lines.
        return QCoreApplication::translate("TextosJuego",
            "Level Finished !\nYou got %1 points.\nYou took %2 seconds to find %3 correct matches.\n"
            "( %4 seconds per match )")
            .arg(i.puntos)
            .arg(Segundos(i.usado))
            .arg(i.aciertos)
            .arg(Segundos(i.porAcierto));
    case Aviso::Fallo:
        if (i.alPrimero)
            //: Message box after a wrong click on level 1 or 2.
            return QCoreApplication::translate("TextosJuego", "Failed.\nBack to Level 1");
        //: Message box after a wrong click: %1 is the level the player goes back to.
        return QCoreApplication::translate("TextosJuego", "Failed.\nYou go back 2 levels till level %1")
            .arg(i.nivelDestino);
    case Aviso::TiempoAgotado:
        if (i.alPrimero)
            //: Message box when time runs out on level 1 or 2.
            return QCoreApplication::translate("TextosJuego", "Time over.\nBack to Level 1");
        //: Message box when time runs out: %1 is the level the player goes back to.
        return QCoreApplication::translate("TextosJuego", "Time over.\nYou go back 2 levels till level %1")
            .arg(i.nivelDestino);
    case Aviso::Victoria:
        //: Message box after the last level: %1 is the game's total.
        return QCoreApplication::translate("TextosJuego", "CONGRATS! YOU WIN!\nYOU GOT %1 POINTS!")
            .arg(i.puntos);
    }
    return QString();
}

QString TextoDificultad(int codigo)
{
    const char *nombre = NombreDificultad(codigo);
    return nombre ? QCoreApplication::translate("Dificultad", nombre) : QString();
}
