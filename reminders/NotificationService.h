#pragma once
// The desktop's notification service as the alarm notifications see it:
// show a notification with a few buttons (actions), withdraw it, and hear
// which button was pressed or that the notification went away. The program
// talks to the real service over the session bus (CDBusNotifications).

#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

class CNotificationService {
public:
    struct Request {
        QString strSummary;
        QString strBody; // plain text
        // Each button: its key, told back when pressed, and its label.
        std::vector<std::pair<QString, QString>> actions;
    };
    class Listener {
    public:
        virtual ~Listener() = default;
        // The answer to Notify: the service's ID of the notification, or 0
        // when it was not shown.
        virtual void Shown(unsigned request, uint32_t id) = 0;
        virtual void ActionInvoked(uint32_t id, const QString& key) = 0;
        // The notification went away (dismissed, expired or withdrawn).
        virtual void Closed(uint32_t id) = 0;
    };

    virtual ~CNotificationService() = default;
    // The listener (not owned), or nullptr for none.
    virtual void SetListener(Listener* listener) = 0;
    // Asks for a notification; the answer comes through Shown with the same
    // request number, at once or later.
    virtual void Notify(unsigned request, const Request& notification) = 0;
    virtual void Close(uint32_t id) = 0;
};
