// Desktop notifications of ringing alarms, through the session bus to a
// notification service of the test's own. Each test runs on a private bus
// (dbus-run-session) and waits for the bus a few seconds at most.
#include "tests/reminders/NoteWndHarness.h"

#include "reminders/AlarmNotifier.h"
#include "reminders/DBusNotifications.h"
#include "reminders/SnoozeRow.h"
#include "tests/reminders/FakeNotificationServer.h"
#include "views/HoverButton.h"

#include <QTest>

#include <optional>

namespace {

constexpr int kBusWaitMs = 5000;

// The real service, counting the answers it gives to Notify.
class CAnswerCount : public CNotificationService, private CNotificationService::Listener {
public:
    explicit CAnswerCount(CNotificationService& service) : m_service(service) {
        m_service.SetListener(this);
    }
    void SetListener(CNotificationService::Listener* listener) override { m_pListener = listener; }
    void Notify(unsigned request, const Request& notification) override {
        m_service.Notify(request, notification);
    }
    void Close(uint32_t id) override { m_service.Close(id); }

    std::vector<uint32_t> m_answers;

private:
    void Shown(unsigned request, uint32_t id) override {
        m_answers.push_back(id);
        if (m_pListener) m_pListener->Shown(request, id);
    }
    void ActionInvoked(uint32_t id, const QString& key) override {
        if (m_pListener) m_pListener->ActionInvoked(id, key);
    }
    void Closed(uint32_t id) override {
        if (m_pListener) m_pListener->Closed(id);
    }

    CNotificationService& m_service;
    CNotificationService::Listener* m_pListener = nullptr;
};

// Warnings and errors Qt would print.
std::vector<QString> g_logged;
void Record(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg) g_logged.push_back(text);
}

class DesktopNotificationTest : public NoteWndTest {
protected:
    DesktopNotificationTest() { m_windows.SetAlarmListener(&m_notifier); }
    ~DesktopNotificationTest() override { m_windows.SetAlarmListener(nullptr); }

    void SetUp() override {
        NoteWndTest::SetUp();
        if (qgetenv("ORRINDALE_PRIVATE_BUS") != "1")
            GTEST_SKIP() << "dbus-run-session (Debian package dbus) is not installed: the "
                            "desktop notifications are tested only on a private session bus";
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    }

    // The notification service comes up, able to show buttons.
    void StartServer(QStringList capabilities = {QStringLiteral("actions")}) {
        m_server.emplace(std::move(capabilities));
        ASSERT_TRUE(m_server->IsRegistered());
    }

    // The note rings on the next tick; its notification, once the service
    // has shown it and said so.
    const CFakeNotificationServer::Notified& RingAndNotify() { return RingAndNotify(m_count); }
    const CFakeNotificationServer::Notified& RingAndNotify(const CAnswerCount& count) {
        const std::size_t answers = count.m_answers.size();
        Tick();
        EXPECT_TRUE(QTest::qWaitFor([&] { return count.m_answers.size() > answers; }, kBusWaitMs));
        EXPECT_FALSE(m_server->m_notified.empty());
        return m_server->m_notified.back();
    }

    bool WaitForClose(uint id) {
        return QTest::qWaitFor([this, id] { return m_server->m_closed == std::vector<uint>{id}; },
                               kBusWaitMs);
    }

    CDBusNotifications m_bus;
    CAnswerCount m_count{m_bus};
    CAlarmNotifier m_notifier{m_count, m_windows, [] { return true; }};
    std::optional<CFakeNotificationServer> m_server;
};

} // namespace

TEST_F(DesktopNotificationTest, NotifyCarriesTheTitleTheTimeTheIconAndTheTwoButtons) {
    StartServer();
    AddOneTime("Dentist", Now());
    const auto& notified = RingAndNotify();
    EXPECT_EQ(notified.appName, "Orrindale");
    EXPECT_EQ(notified.summary, "Dentist");
    EXPECT_EQ(notified.body, "12/08/26, 9:30 AM\nBring the card");
    EXPECT_EQ(notified.actions, QStringList({"ok", "OK", "snooze", "Snooze 15 min"}));
    EXPECT_EQ(notified.timeout, 0);                     // rings until answered
    EXPECT_TRUE(notified.hints.contains("image-data")); // the icon's own pixels
}

TEST_F(DesktopNotificationTest, BodyIsEscapedExactlyWhenTheServiceShowsMarkup) {
    const struct {
        QStringList capabilities;
        QString body;
    } cases[] = {
        {{"actions", "body-markup"}, "12/08/26, 9:30 AM\nTea &amp; &lt;cake&gt;"},
        {{"actions"}, "12/08/26, 9:30 AM\nTea & <cake>"},
    };
    for (const auto& c : cases) {
        StartServer(c.capabilities);
        CDBusNotifications bus; // asks the new service what it can show
        CAnswerCount count(bus);
        CAlarmNotifier notifier(count, m_windows, [] { return true; });
        m_windows.SetAlarmListener(&notifier);
        COneTimeNote* note = AddOneTime("Tea", Now());
        note->m_strText = "Tea & <cake>";
        EXPECT_EQ(RingAndNotify(count).body, c.body);
        m_data.RemoveAllNotes();
        Flush();
        m_windows.SetAlarmListener(&m_notifier);
        m_server.reset();
    }
}

TEST_F(DesktopNotificationTest, OkAcknowledgesARecurringNoteAsTheWindowsOkDoes) {
    StartServer();
    CRecurringNote* note = AddDaily("Pills", Now());
    const COleDateTime first = note->m_dtOccurrence;
    const uint id = RingAndNotify().id;
    m_server->Press(id, "ok");
    ASSERT_TRUE(QTest::qWaitFor([this] { return HistoryCopies() == 1; }, kBusWaitMs));
    EXPECT_EQ(note->m_dtLastOccurrence, first);
    EXPECT_EQ(note->m_dtOccurrence, first + CUtility::OneDay);
    EXPECT_FALSE(note->m_bAlarmActive);
    EXPECT_TRUE(WaitForClose(id));
}

TEST_F(DesktopNotificationTest, SnoozeMovesTheAlarmFifteenMinutes) {
    StartServer();
    COneTimeNote* note = AddOneTime("Dentist", Now());
    m_server->Press(RingAndNotify().id, "snooze");
    ASSERT_TRUE(QTest::qWaitFor([note] { return !note->m_bAlarmActive; }, kBusWaitMs));
    const COleDateTime expected = Now() + CUtility::FifteenMinute;
    EXPECT_DOUBLE_EQ(note->m_dtAlarm.m_dt, expected.m_dt);
    EXPECT_DOUBLE_EQ(note->m_dtStart.m_dt, expected.m_dt);
}

TEST_F(DesktopNotificationTest, OkInTheWindowWithdrawsTheNotification) {
    StartServer();
    CNote* note = AddOneTime("Dentist", Now());
    const uint id = RingAndNotify().id;
    QTest::mouseClick(WindowOf(note)->SnoozeRow().Ok(), Qt::LeftButton);
    EXPECT_TRUE(WaitForClose(id));
}

TEST_F(DesktopNotificationTest, WithoutAServiceTheAlarmRingsAndNothingIsSaid) {
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    // From here on only the bus is at work.
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Record);
    const bool answered =
        QTest::qWaitFor([this] { return !m_count.m_answers.empty(); }, kBusWaitMs);
    qInstallMessageHandler(previous);
    ASSERT_TRUE(answered);
    EXPECT_EQ(m_count.m_answers, std::vector<uint32_t>{0}); // not shown
    EXPECT_TRUE(m_box.m_shown.empty());
    EXPECT_TRUE(g_logged.empty()) << g_logged.front().toStdString();
    CNoteWnd* window = WindowOf(note);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsAlarmMode());
    const WORD id = static_cast<WORD>(note->m_nID);
    QTest::mouseClick(window->SnoozeRow().Ok(), Qt::LeftButton);
    Flush();
    EXPECT_EQ(m_data.LookupNote(id), nullptr); // acknowledged: a one-time note retires
}
