#include "Ajustes.h"

#include <QSettings>

namespace {
struct Declaracion {
    const char *nombre;  // key in the settings file
    bool porDefecto;
};

// Indexed by Ajustes::Clave.
constexpr Declaracion kDeclaraciones[] = {
    {"Sonido", true},
    {"DestelloTranquilo", false},
    {"TintasSeguras", false},
    {"ContornoPalabras", false},
    {"RitmoRelajado", false},
};

const Declaracion &De(Ajustes::Clave c) { return kDeclaraciones[static_cast<int>(c)]; }
}  // namespace

Ajustes::Ajustes() : s_(std::make_unique<QSettings>()) { }

Ajustes::Ajustes(const QString &archivo) : s_(std::make_unique<QSettings>(archivo, QSettings::IniFormat)) { }

Ajustes::~Ajustes() = default;

bool Ajustes::Valor(Clave c) const
{
    const Declaracion &d = De(c);
    bool porDefecto = d.porDefecto;
    if (c == Clave::DestelloTranquilo && deseoCalma_)
        porDefecto = true;
    return s_->value(QLatin1String(d.nombre), porDefecto).toBool();
}

void Ajustes::Poner(Clave c, bool valor)
{
    Guardar(De(c).nombre, valor);
    emit Cambiado(c);
}

Ajustes::Tamano Ajustes::TamanoVentanas() const
{
    // A size this game does not offer (a hand-edited file) reads as the desktop's.
    switch (const int v = s_->value(QStringLiteral("Tamano"), 0).toInt(); v) {
    case int(Tamano::Cien):
    case int(Tamano::CientoCincuenta):
    case int(Tamano::Doscientos):
        return Tamano(v);
    default:
        return Tamano::Automatico;
    }
}

void Ajustes::PonerTamanoVentanas(Tamano t) { Guardar("Tamano", int(t)); }

void Ajustes::Guardar(const char *nombre, const QVariant &valor)
{
    s_->setValue(QLatin1String(nombre), valor);
    s_->sync();
    // The value holds for this run either way; the player is told when it goes no further.
    switch (s_->status()) {
    case QSettings::NoError:
        conservacion_ = Conservacion::Guardada;
        break;
    case QSettings::AccessError:
        conservacion_ = Conservacion::SinPermiso;
        break;
    case QSettings::FormatError:
        conservacion_ = Conservacion::Ilegible;
        break;
    }
}

QString Ajustes::Archivo() const { return s_->fileName(); }

void Ajustes::PonerDeseoCalma(bool deseo)
{
    const bool antes = Valor(Clave::DestelloTranquilo);
    deseoCalma_ = deseo;
    if (Valor(Clave::DestelloTranquilo) != antes)
        emit Cambiado(Clave::DestelloTranquilo);
}
