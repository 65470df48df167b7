#include "DeseoEscritorio.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFileInfo>

namespace {
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

void Preguntar(std::size_t n, std::function<void(bool)> alResponder)
{
    if (n >= std::size(kPreguntas))
        return;
    QDBusMessage m = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"), QStringLiteral("org.freedesktop.portal.Settings"),
        QStringLiteral("Read"));
    m << QString::fromLatin1(kPreguntas[n].espacio) << QString::fromLatin1(kPreguntas[n].clave);
    auto *espera = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(m, 3000), QCoreApplication::instance());
    QObject::connect(espera, &QDBusPendingCallWatcher::finished, espera,
        [n, alResponder = std::move(alResponder)](QDBusPendingCallWatcher *w) {
            w->deleteLater();
            const QDBusPendingReply<QDBusVariant> r = *w;
            if (r.isError())
                Preguntar(n + 1, alResponder);  // this key unknown here: the next one
            else if (kPreguntas[n].quiereCalma(Desenvolver(r.argumentAt(0))))
                alResponder(true);
        });
}
}  // namespace

void PreguntarDeseoCalma(std::function<void(bool)> alResponder)
{
    // Only a session that has a bus is asked: without one, connecting could launch a bus.
    const bool hayBus = !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        || QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus"));
    if (hayBus && QDBusConnection::sessionBus().isConnected())
        Preguntar(0, std::move(alResponder));
}
