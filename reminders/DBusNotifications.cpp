#include "reminders/DBusNotifications.h"

#include "res/Resources.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// Never expires: the alarm rings until it is answered.
constexpr int kNeverExpires = 0;
constexpr uchar kUrgencyCritical = 2;

QDBusMessage Call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

// The picture itself, so the service needs no installed icon: width, height,
// row stride, alpha, bits per sample, channels, RGBA bytes.
QDBusArgument ImageData(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QDBusArgument data;
    data.beginStructure();
    data << rgba.width() << rgba.height() << static_cast<int>(rgba.bytesPerLine()) << true << 8 << 4
         << QByteArray(reinterpret_cast<const char*>(rgba.constBits()),
                       static_cast<qsizetype>(rgba.sizeInBytes()));
    data.endStructure();
    return data;
}

} // namespace

bool CDBusNotifications::Connect() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    if (!m_bConnected) {
        bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                    SLOT(OnActionInvoked(uint, QString)));
        bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                    SLOT(OnNotificationClosed(uint, uint)));
        m_bConnected = true;
        m_icon = resources::Icon(resources::kIconProgram).pixmap(kIconSize, kIconSize).toImage();
    }
    return true;
}

void CDBusNotifications::Notify(unsigned request, const Request& notification) {
    if (!Connect()) {
        Answer(request, 0);
        return;
    }
    if (m_capabilities == Capabilities::kKnown) {
        Send(request, notification);
        return;
    }
    m_waiting.emplace_back(request, notification);
    if (m_capabilities == Capabilities::kUnknown) AskCapabilities();
}

void CDBusNotifications::AskCapabilities() {
    m_capabilities = Capabilities::kAsking;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(
                                        Call(QStringLiteral("GetCapabilities")), kReplyTimeoutMs),
                                    this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
            const QDBusPendingReply<QStringList> reply = *call;
            call->deleteLater();
            // A service that did not answer is asked again next time: it
            // may have started since.
            m_capabilities = reply.isValid() ? Capabilities::kKnown : Capabilities::kUnknown;
            m_bMarkup = reply.isValid() && reply.value().contains(QStringLiteral("body-markup"));
            const auto waiting = std::exchange(m_waiting, {});
            for (const auto& [request, notification] : waiting)
                Send(request, notification);
        });
}

void CDBusNotifications::Send(unsigned request, const Request& notification) {
    QStringList actions;
    for (const auto& [key, label] : notification.actions)
        actions << key << label;
    QDBusMessage call = Call(QStringLiteral("Notify"));
    call << QStringLiteral("Orrindale") << 0u << QStringLiteral("orrindale")
         << notification.strSummary
         << (m_bMarkup ? notification.strBody.toHtmlEscaped() : notification.strBody) << actions
         << Hints() << kNeverExpires;
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(call, kReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<uint> reply = *call;
                call->deleteLater();
                Answer(request, reply.isValid() ? reply.value() : 0);
            });
}

QVariantMap CDBusNotifications::Hints() const {
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("orrindale"));
    if (!m_icon.isNull())
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(ImageData(m_icon)));
    return hints;
}

void CDBusNotifications::Close(uint32_t id) {
    QDBusMessage call = Call(QStringLiteral("CloseNotification"));
    call << id;
    QDBusConnection::sessionBus().send(call);
}

void CDBusNotifications::Answer(unsigned request, uint32_t id) {
    if (m_pListener) m_pListener->Shown(request, id);
}

void CDBusNotifications::OnActionInvoked(uint id, const QString& key) {
    if (m_pListener) m_pListener->ActionInvoked(id, key);
}

void CDBusNotifications::OnNotificationClosed(uint id, uint /*reason*/) {
    if (m_pListener) m_pListener->Closed(id);
}
