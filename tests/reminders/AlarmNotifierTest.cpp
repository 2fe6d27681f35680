// The notification of a ringing alarm: the line of the note's text it shows,
// and how the notifier keeps track of it with a recording service.
#include "reminders/AlarmNotifier.h"

#include "store/RecurringNote.h"
#include "store/TimeFormats.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class CRecordingService : public CNotificationService, public CAlarmNotifier::Answers {
public:
    void SetListener(Listener* l) override { listener = l; }
    void Notify(unsigned request, const Request&) override { requests.push_back(request); }
    void Close(uint32_t id) override { closed.push_back(id); }
    void AcknowledgeAlarm(WORD id) override { answered.push_back(id); }
    void SnoozeAlarm(WORD id, int, int) override { answered.push_back(id); }

    Listener* listener = nullptr;
    std::vector<unsigned> requests;
    std::vector<uint32_t> closed;
    std::vector<WORD> answered;
};

std::unique_ptr<COneTimeNote> Note(WORD id, const std::string& text = "") {
    auto note = std::make_unique<COneTimeNote>(kNoteOneTime, "Dentist", text,
                                               COleDateTime(2026, 12, 8, 9, 30, 0), 0, 0, 1);
    note->m_nID = id;
    return note;
}

class AlarmNotifierTest : public ::testing::Test {
protected:
    // The alarm of note `id` starts and the service answers with `shown`.
    void Ring(WORD id, uint32_t shown) {
        m_notifier->AlarmStarted(*Note(id));
        m_service.listener->Shown(m_service.requests.back(), shown);
    }

    CRecordingService m_service;
    bool m_bEnabled = true;
    std::unique_ptr<CAlarmNotifier> m_notifier =
        std::make_unique<CAlarmNotifier>(m_service, m_service, [this] { return m_bEnabled; });
};

} // namespace

TEST(AlarmNotifierRequest, BodyIsTheOccurrenceAndTheFirstLineThatSaysAnything) {
    SetTimeFormats(0);
    const QString when = QStringLiteral("12/08/26, 9:30 AM");
    const struct {
        std::string text;
        QString body;
    } cases[] = {
        {"{\\rtf1\\ansi Bring the {\\b card}\\par and flowers}", when + "\nBring the card"},
        {"\n  \n   Second line  \nthird", when + "\nSecond line"},
        {"", when},
        {std::string(300, 'x'),
         when + "\n" + QString(CAlarmNotifier::kMaxLineLength - 1, u'x') + QChar(0x2026)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CAlarmNotifier::RequestFor(*Note(600, c.text)).strBody, c.body) << c.text;
}

TEST_F(AlarmNotifierTest, NothingIsSentWhileTheUserDoesNotWantIt) {
    m_bEnabled = false;
    m_notifier->AlarmStarted(*Note(600));
    EXPECT_TRUE(m_service.requests.empty());
}

TEST_F(AlarmNotifierTest, NotificationAnsweredAfterItsAlarmEndedIsWithdrawnAtOnce) {
    m_notifier->AlarmStarted(*Note(600));
    m_notifier->AlarmStarted(*Note(601));
    m_notifier->AlarmEnded(600);
    m_notifier->AlarmEnded(601);
    m_service.listener->Shown(m_service.requests[0], 7);
    m_service.listener->Shown(m_service.requests[1], 0); // never shown: nothing to withdraw
    EXPECT_EQ(m_service.closed, std::vector<uint32_t>{7});
}

TEST_F(AlarmNotifierTest, ButtonsCountOnlyForANoteStillRingingDismissedOrNot) {
    Ring(600, 7);
    m_service.listener->ActionInvoked(99, "ok"); // another program's notification
    m_notifier->AlarmEnded(600);
    m_service.listener->ActionInvoked(7, "ok");
    Ring(601, 8);
    m_service.listener->Closed(8); // dismissed: the window still rings
    m_service.listener->ActionInvoked(8, "snooze");
    m_notifier->AlarmEnded(601);
    EXPECT_EQ(m_service.answered, std::vector<WORD>{601});
    EXPECT_EQ(m_service.closed, std::vector<uint32_t>{7}); // a dismissed one needs no withdrawing
}

TEST_F(AlarmNotifierTest, NotificationsStillShownAreWithdrawnWhenTheProgramEnds) {
    Ring(600, 7);
    Ring(601, 8);
    m_service.listener->Closed(8);
    m_notifier.reset();
    EXPECT_EQ(m_service.closed, std::vector<uint32_t>{7});
    EXPECT_EQ(m_service.listener, nullptr);
}
