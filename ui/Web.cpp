#include "Web.h"

#include "Contexto.h"

#include <QDesktopServices>
#include <QUrl>

void WebEscritorio::Abrir(const QString &direccion)
{
    QDesktopServices::openUrl(QUrl(direccion));  // result ignored: no browser, no effect
}

QString HostWeb() { return QStringLiteral(VELUNDA_WEB_HOST); }

QString DireccionWeb()
{
    return QStringLiteral("http://") + HostWeb()
        + QStringLiteral("/Games/Velunda/RedirectedFromVelundaVivozu.htm");
}

void AbrirWeb(Contexto &ctx) { ctx.web.Abrir(DireccionWeb()); }
