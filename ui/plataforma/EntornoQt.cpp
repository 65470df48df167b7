#include "EntornoQt.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>

void PrepararEntornoQt()
{
    // Under X, Qt hands each repaint to the server in shared memory and must then wait for the
    // server before it paints the same place again: a round trip on every tick of the clock,
    // whose counter repaints 50 times a second. Sent through the connection instead, a small
    // repaint needs no wait. The player's own setting, either way, wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}

void NombrarPrograma()
{
    QCoreApplication::setApplicationName(QStringLiteral("Velunda"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorlan"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorlan.Velunda"));
}
