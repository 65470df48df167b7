// The player's own choices, kept between runs in the user's settings file. Each setting is
// declared once, with its default, in Ajustes.cpp; a choice never made reads as its default,
// which is the game as it always was.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QSettings;
class QVariant;

class Ajustes : public QObject {
    Q_OBJECT
public:
    enum class Clave {
        Sonido,             // the spoken cues sound
        DestelloTranquilo,  // low time shows a steady colour instead of blinking
        TintasSeguras,      // words printed in the colour-blind-safe inks
        ContornoPalabras,   // a thin outline round every word
        RitmoRelajado,      // ten times the time on every level
    };

    // The user's settings file, named after the organisation and the program.
    Ajustes();
    // A settings file of its own (tests, so they never touch the player's).
    explicit Ajustes(const QString &archivo);
    ~Ajustes() override;

    bool Valor(Clave c) const;
    void Poner(Clave c, bool valor);  // written at once, so a crash keeps it
    void Alternar(Clave c) { Poner(c, !Valor(c)); }

    // The windows' size: the desktop's scale, or a size of the player's. Read before Qt
    // starts, so a new choice takes effect at the next start.
    enum class Tamano { Automatico = 0, Cien = 100, CientoCincuenta = 150, Doscientos = 200 };
    Tamano TamanoVentanas() const;
    void PonerTamanoVentanas(Tamano t);

    // Whether the last choice reached the settings file, or lasts only this run and why.
    enum class Conservacion { Guardada, SinPermiso, Ilegible };
    Conservacion UltimaConservacion() const { return conservacion_; }
    QString Archivo() const;
    // The desktop asks for less animation: calm flashing until the player chooses.
    void PonerDeseoCalma(bool deseo);

signals:
    void Cambiado(Ajustes::Clave c);

private:
    void Guardar(const char *nombre, const QVariant &valor);
    std::unique_ptr<QSettings> s_;
    bool deseoCalma_ = false;
    Conservacion conservacion_ = Conservacion::Guardada;
};
