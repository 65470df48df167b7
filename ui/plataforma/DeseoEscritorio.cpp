#include "DeseoEscritorio.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <thread>

namespace {
// How long one question waits for its answer.
constexpr int kEsperaMs = 1000;

struct Pregunta {
    const char *espacio;
    const char *clave;
    bool (*quiereCalma)(const QVariant &);  // the answer read as a wish for less motion
};

const Pregunta kPreguntas[] = {
    {"org.freedesktop.appearance", "reduced-motion", [](const QVariant &v) { return v.toUInt() == 1; }},
    {"org.gnome.desktop.interface", "enable-animations", [](const QVariant &v) { return !v.toBool(); }},
};

// Portals wrap the value in one or two variants, depending on their version.
QVariant Desenvolver(QVariant v)
{
    while (v.metaType() == QMetaType::fromType<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    return v;
}

// Blocking, so only ever called from the worker thread.
bool QuiereCalma()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();  // a silent bus holds it here
    if (!bus.isConnected())
        return false;
    for (const Pregunta &p : kPreguntas) {
        QDBusMessage m = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
            QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
        m << QString::fromLatin1(p.espacio) << QString::fromLatin1(p.clave);
        const QDBusMessage r = bus.call(m, QDBus::Block, kEsperaMs);
        if (r.type() == QDBusMessage::ReplyMessage && !r.arguments().isEmpty())
            return p.quiereCalma(Desenvolver(r.arguments().constFirst()));
        // this key unknown here, or no answer in time: the next one
    }
    return false;
}
}  // namespace

void PreguntarDeseoCalma(std::function<void(bool)> alResponder)
{
    // Only a session that has a bus is asked: without one, connecting could launch a bus.
    const bool hayBus = !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        || QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus"));
    if (!hayBus)
        return;
    // Detached: a thread stuck on a silent bus is never waited for, and the game leaves
    // through _Exit.
    std::thread([alResponder = std::move(alResponder)] {
        if (!QuiereCalma())
            return;
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app, [alResponder] { alResponder(true); }, Qt::QueuedConnection);
    }).detach();
}
