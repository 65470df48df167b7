#include "Web.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

void WebEscritorio::Abrir(const QString &direccion)
{
    QDesktopServices::openUrl(QUrl(direccion));  // result ignored: no browser, no effect
}

QString HostWeb() { return QStringLiteral(VELUNDA_WEB_HOST); }

QString LineaWebJuego()
{
    //: The game screen's foot line (257 x 17 px, 8.25 pt); %1 is the maker's web host.
    return QCoreApplication::translate("Web", "Get more FREE GAMES at %1").arg(HostWeb());
}

QString InvitacionWeb()
{
    //: Help and high-score screens (353 x 17 px, 8.25 pt); %1 is the maker's web host.
    return QCoreApplication::translate("Web", "If you like Velunda, get more FREE GAMES at %1")
        .arg(HostWeb());
}

QString NombreEnlaceWeb()
{
    //: Accessible name of the web hotspots, read by screen readers; %1 is the maker's web host.
    return QCoreApplication::translate("Web", "Open the maker's web page, %1, in the browser").arg(HostWeb());
}

QString DireccionWeb()
{
    return QStringLiteral("http://") + HostWeb()
        + QStringLiteral("/Games/Velunda/RedirectedFromVelundaVivozu.htm");
}
