#include "Dificultad.h"

#include "Traducible.h"

const char *NombreDificultad(int codigo)
{
    static const char *const kNombres[] = {
        //: Difficulty in the high-score table (97 x 17 px, 8.25 pt).
        QT_TRANSLATE_NOOP("Dificultad", "VERY EASY"),
        //: Difficulty in the high-score table (97 x 17 px, 8.25 pt).
        QT_TRANSLATE_NOOP("Dificultad", "EASY"),
        //: Difficulty in the high-score table (97 x 17 px, 8.25 pt).
        QT_TRANSLATE_NOOP("Dificultad", "NORMAL"),
        //: Difficulty in the high-score table (97 x 17 px, 8.25 pt).
        QT_TRANSLATE_NOOP("Dificultad", "HARD"),
    };
    return (codigo >= 0 && codigo <= 3) ? kNombres[codigo] : nullptr;
}
