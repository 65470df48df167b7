// The high-score table's load, qualification, insert, sort and save.
#include "TablaHOF.h"

#include "ArchivoINI.h"

#include <QCoreApplication>
#include <utility>

namespace {

const QString kNombre = QStringLiteral("Nombre");
const QString kPuntos = QStringLiteral("Puntos");
const QString kDificultad = QStringLiteral("Dificultad");
const QString kFecha = QStringLiteral("Fecha");
const QString kHora = QStringLiteral("Hora");

// Anything but a whole number that fits the field reads as 0.
int32_t Entero32(const QString &texto)
{
    bool ok = false;
    const int valor = texto.toInt(&ok, 10);
    return ok ? valor : 0;
}

int16_t Entero16(const QString &texto)
{
    bool ok = false;
    const short valor = texto.toShort(&ok, 10);
    return ok ? valor : 0;
}

}  // namespace

QString SeccionHOF(int puesto) { return QStringLiteral("%1").arg(puesto, 2, 10, QChar(u'0')); }

QString NombreDificultadIngles(int codigo)
{
    // The file keeps the code; the name is the player's language's, so a table reads the
    // same whatever language wrote it.
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
    return (codigo >= 0 && codigo <= 3) ? QString::fromLatin1(kNombres[codigo]) : QString();
}

QString NombreDificultad(int codigo)
{
    const QString ingles = NombreDificultadIngles(codigo);
    return ingles.isEmpty() ? ingles
                            : QCoreApplication::translate("Dificultad", ingles.toLatin1().constData());
}

void TablaHOF::Cargar(const QString &ruta)
{
    const LecturaPerfil lectura = LeerArchivoPerfil(ruta);
    const bool vacia = lectura.estado != EstadoArchivo::Leido || !lectura.perfil.TieneSecciones();
    for (int p = 0; p < kPuestos; ++p) {
        tRegistroHOF &r = Registros[p];
        r = tRegistroHOF{};
        r.Origen = int16_t(p);
        if (vacia)
            continue;
        const std::string seccion = SeccionHOF(p).toStdString();
        auto leer = [&](const QString &clave) {
            return QString::fromStdString(LeerPerfil(lectura.perfil, seccion, clave.toStdString()));
        };
        r.Nombre = leer(kNombre);
        r.Puntos = Entero32(leer(kPuntos));
        r.Dificultad = Entero16(leer(kDificultad));
        r.Fecha = leer(kFecha);
        r.Hora = leer(kHora);
    }
}

bool TablaHOF::Califica(int32_t puntosTotales) const
{
    return puntosTotales >= Registros[kPuestos - 1].Puntos;
}

void TablaHOF::Insertar(
    const QString &nombre, int16_t dificultad, const QString &fecha, const QString &hora, int32_t puntos)
{
    Registros[kCandidato] = {kCandidato, nombre, puntos, dificultad, fecha, hora};
}

int TablaHOF::FilaNueva() const
{
    for (int p = 0; p < kPuestos; ++p)
        if (Registros[p].Origen == kCandidato)
            return p;
    return -1;
}

ResultadoEscritura TablaHOF::Guardar(const QString &ruta, const EscritorArchivo &escritor) const
{
    QList<EntradaINI> entradas;
    for (int p = 0; p < kPuestos; ++p) {
        const tRegistroHOF &r = Registros[p];
        const QString s = SeccionHOF(p);
        entradas += {{s, kNombre, r.Nombre}, {s, kPuntos, QString::number(r.Puntos)},
            {s, kDificultad, QString::number(r.Dificultad)}, {s, kFecha, r.Fecha}, {s, kHora, r.Hora}};
    }
    return EscribirINI(ruta, entradas, escritor);
}

void OrdenarHOF(TablaHOF &tabla)
{
    auto &r = tabla.Registros;
    const int n = int(r.size());
    for (int p = 0; p < n; ++p) {
        int32_t mejor = r[p].Puntos;
        int k = p;
        for (int q = p; q < n; ++q) {
            if (r[q].Puntos >= mejor) {
                mejor = r[q].Puntos;
                k = q;
            }
        }
        if (k != p)
            std::swap(r[p], r[k]);
    }
}
