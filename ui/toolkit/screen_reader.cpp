#include "screen_reader.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <private/qguiapplication_p.h>
#include <private/qspiaccessiblebridge_p.h>
#include <qpa/qplatformintegration.h>
#include <optional>

namespace {

// The application's root object, which every AT-SPI event names last.
struct RootReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& out, const RootReference& r) {
    out.beginStructure();
    out << r.service << r.path;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, RootReference& r) {
    in.beginStructure();
    in >> r.service >> r.path;
    in.endStructure();
    return in;
}

}  // namespace

Q_DECLARE_METATYPE(RootReference)

namespace mepo {

namespace {

const QString kObjectPaths = QStringLiteral("/org/a11y/atspi/accessible/");

// Qt's AT-SPI connection, where Qt runs its bridge (the desktops of Linux); it is
// made once the bus's address is known, so it is asked for each time.
std::optional<QDBusConnection> accessibilityBus() {
    QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
    auto* bridge = platform ? dynamic_cast<QSpiAccessibleBridge*>(platform->accessibility()) : nullptr;
    if (!bridge) return std::nullopt;
    QDBusConnection bus = bridge->dBusConnection();
    if (!bus.isConnected()) return std::nullopt;
    return bus;
}

}  // namespace

ScreenReader::ScreenReader() { qDBusRegisterMetaType<RootReference>(); }

void ScreenReader::say(QAccessibleInterface* about, const QString& text) const {
    if (!about || text.isEmpty() || !QAccessible::isActive()) return;
    std::optional<QDBusConnection> bus = accessibilityBus();
    if (!bus) return;
    // The object as Qt's bridge names it on the bus.
    const QString path = kObjectPaths + QString::number(QAccessible::uniqueId(about));
    QDBusMessage change =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    change.setArguments({QStringLiteral("accessible-description"), 0, 0, QVariant::fromValue(QDBusVariant(text)),
                         QVariant::fromValue(RootReference{bus->baseService(), QDBusObjectPath(kObjectPaths + "root")})});
    bus->send(change);
}

}  // namespace mepo
