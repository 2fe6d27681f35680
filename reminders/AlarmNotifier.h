#pragma once
// CAlarmNotifier: a desktop notification for every alarm that starts ringing,
// beside the note's own window. It says the note's title, when the
// occurrence is and the first line of the note's text, and offers "OK" and
// "Snooze 15 min", which answer the alarm exactly as the window's "OK" does
// without and with "Remind me again after" (the window's default 15 minutes).
// The notification is withdrawn when the alarm ends. Without a notification
// service nothing happens: the window rings all the same.

#include "reminders/AlarmListener.h"
#include "reminders/NotificationService.h"

#include <functional>
#include <map>
#include <optional>

class CAlarmNotifier : public CAlarmListener, private CNotificationService::Listener {
public:
    // What a notification's buttons do to the ringing alarm of a note.
    class Answers {
    public:
        virtual ~Answers() = default;
        virtual void AcknowledgeAlarm(WORD id) = 0;
        virtual void SnoozeAlarm(WORD id, int hours, int minutes) = 0;
    };
    static constexpr const char* kActionOk = "ok";
    static constexpr const char* kActionSnooze = "snooze";
    // The longest line of the note's text that is shown.
    static constexpr int kMaxLineLength = 200;

    // enabled tells, at each alarm, whether the user wants notifications.
    CAlarmNotifier(CNotificationService& service, Answers& answers, std::function<bool()> enabled);
    // Withdraws the notifications still shown: their buttons would no longer work.
    ~CAlarmNotifier() override;
    CAlarmNotifier(const CAlarmNotifier&) = delete;
    CAlarmNotifier& operator=(const CAlarmNotifier&) = delete;

    void AlarmStarted(const CNote& note) override;
    void AlarmEnded(WORD id) override;

    // The notification of a ringing note.
    static CNotificationService::Request RequestFor(const CNote& note);

private:
    // CNotificationService::Listener
    void Shown(unsigned request, uint32_t id) override;
    void ActionInvoked(uint32_t id, const QString& key) override;
    void Closed(uint32_t id) override;

    // The note whose notification has this ID.
    std::optional<WORD> NoteOf(uint32_t id) const;

    struct Notice {
        unsigned nRequest = 0;
        uint32_t nID = 0; // 0 until the service has answered
        // Still shown: a notification the user dismissed needs no withdrawing,
        // but a button pressed on it still counts.
        bool bOpen = true;
    };
    CNotificationService& m_service;
    Answers& m_answers;
    std::function<bool()> m_enabled;
    // The notices of the ringing notes, by note ID.
    std::map<WORD, Notice> m_notices;
    unsigned m_nLastRequest = 0;
};
