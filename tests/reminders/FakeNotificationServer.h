#pragma once
// A desktop notification service for tests, on a bus connection of its own
// in the test's process: it records what it is asked, shows nothing, and can
// press a notification's button as a user would.

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <vector>

class CFakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notified {
        uint id;
        QString appName, summary, body;
        QStringList actions;
        QVariantMap hints;
        int timeout;
    };

    // Takes the service's name on the session bus, saying it can show
    // `capabilities` ("actions", "body-markup").
    explicit CFakeNotificationServer(QStringList capabilities);
    ~CFakeNotificationServer() override;
    bool IsRegistered() const { return m_bRegistered; }
    // The user presses the button `key`; the notification then goes, as it
    // does with a real service.
    void Press(uint id, const QString& key);

    std::vector<Notified> m_notified;
    std::vector<uint> m_closed;

public slots:
    QStringList GetCapabilities() const { return m_capabilities; }
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout);
    void CloseNotification(uint id);

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    QStringList m_capabilities;
    QDBusConnection m_bus;
    bool m_bRegistered = false;
};
