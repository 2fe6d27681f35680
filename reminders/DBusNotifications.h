#pragma once
// The desktop's notification service on the session bus (the freedesktop
// notification interface). Every call is asynchronous: a service that is
// slow or hangs never holds the program up. Without a session bus or a
// service, Notify answers that nothing was shown and nobody is told.

#include "reminders/NotificationService.h"

#include <QImage>
#include <QObject>
#include <QVariantMap>

class QDBusMessage;

class CDBusNotifications : public QObject, public CNotificationService {
    Q_OBJECT
public:
    // The longest wait for the service's answer.
    static constexpr int kReplyTimeoutMs = 5000;
    // The size of the program's icon in the notification.
    static constexpr int kIconSize = 48;

    explicit CDBusNotifications(QObject* parent = nullptr) : QObject(parent) {}

    void SetListener(Listener* listener) override { m_pListener = listener; }
    void Notify(unsigned request, const Request& notification) override;
    void Close(uint32_t id) override;

private slots:
    void OnActionInvoked(uint id, const QString& key);
    void OnNotificationClosed(uint id, uint reason);

private:
    // The session bus and the service's signals, on first use. False without a bus.
    bool Connect();
    void AskCapabilities();
    void Send(unsigned request, const Request& notification);
    void Answer(unsigned request, uint32_t id);
    QVariantMap Hints() const;

    Listener* m_pListener = nullptr;
    QImage m_icon;
    bool m_bConnected = false;
    enum class Capabilities { kUnknown, kAsking, kKnown };
    Capabilities m_capabilities = Capabilities::kUnknown;
    // The service shows markup in the body: the note's text is escaped.
    bool m_bMarkup = false;
    // Notifications waiting for the service to tell what it can show.
    std::vector<std::pair<unsigned, Request>> m_waiting;
};
