// The maker's web page and how it is opened. Behind an interface so tests can see the
// address asked for without a browser opening.
#pragma once

#include <QString>

class Web {
public:
    virtual ~Web() = default;
    virtual void Abrir(const QString &direccion) = 0;
};

// Opens with the desktop's default handler; a failure is silent.
class WebEscritorio : public Web {
public:
    void Abrir(const QString &direccion) override;
};

// The host of the maker's site, as the build set it (shown in captions).
QString HostWeb();
// The web lines, in the player's language: the game screen's foot line, and the help and
// high-score screens' invitation.
QString LineaWebJuego();
QString InvitacionWeb();
// What a screen reader says for every web hotspot.
QString NombreEnlaceWeb();
// The page every web hotspot opens.
QString DireccionWeb();
