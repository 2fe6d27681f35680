#include "tests/reminders/FakeNotificationServer.h"

namespace {

const QString kConnection = QStringLiteral("fake-notification-server");
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
enum Reason : uint { kDismissed = 2, kClosedByCall = 3 };

} // namespace

CFakeNotificationServer::CFakeNotificationServer(QStringList capabilities)
    : m_capabilities(std::move(capabilities)),
      m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection)) {
    m_bRegistered =
        m_bus.registerObject(kPath, this,
                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
        m_bus.registerService(kService);
}

CFakeNotificationServer::~CFakeNotificationServer() {
    m_bus.unregisterService(kService);
    m_bus.unregisterObject(kPath);
    QDBusConnection::disconnectFromBus(kConnection);
}

uint CFakeNotificationServer::Notify(const QString& appName, uint, const QString&,
                                     const QString& summary, const QString& body,
                                     const QStringList& actions, const QVariantMap& hints,
                                     int expireTimeout) {
    const uint id = static_cast<uint>(m_notified.size()) + 1;
    m_notified.push_back({id, appName, summary, body, actions, hints, expireTimeout});
    return id;
}

void CFakeNotificationServer::CloseNotification(uint id) {
    m_closed.push_back(id);
    emit NotificationClosed(id, kClosedByCall);
}

void CFakeNotificationServer::Press(uint id, const QString& key) {
    emit ActionInvoked(id, key);
    emit NotificationClosed(id, kDismissed);
}
