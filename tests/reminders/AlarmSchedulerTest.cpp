// When reminders ring and what acknowledging, snoozing and deleting do, with
// the clock set by hand.
#include "reminders/AlarmScheduler.h"
#include "reminders/NoteWindows.h"
#include "store/CalendarData.h"
#include "store/NoteWndHandle.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

class CRecordingWindows : public CNoteWindows {
public:
    void ShowAlarm(CNote& note) override {
        events.push_back("alarm " + std::to_string(note.m_nID));
    }
    void UpdateCountdown(CNote& note, const COleDateTime&) override {
        events.push_back("countdown " + std::to_string(note.m_nID));
    }
    void ShowOnDesktop(CNote&) override {}
    std::vector<CNote*> NotesWithWindows() override { return withWindows; }

    std::vector<std::string> events;
    std::vector<CNote*> withWindows;
};

class CFakeHandle : public CNoteWndHandle {
public:
    bool IsEditingNote() const override { return false; }
    void NoteDeleted() override {}
};

class AlarmSchedulerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramFlags();
        m_scheduler.SetWindows(&m_windows);
        m_scheduler.SetChangeHandler([this] { ++m_nChanges; });
    }
    void TearDown() override { ResetProgramFlags(); }

    int AddOneTime(const COleDateTime& start, const char* title = "Dentist") {
        auto note = std::make_unique<COneTimeNote>(kNoteOneTime, title, "", start, 0, 0, 1);
        return m_data.AddNote(std::move(note))->m_nID;
    }
    int AddDaily(const COleDateTime& start, const COleDateTime& end = NullEnd()) {
        auto note = std::make_unique<CRecurringNote>("Pills", "", start, 0, kRepeatDay, 1, 0, 0, 1,
                                                     1, 1, 1);
        note->m_dtEnd = end;
        return m_data.AddNote(std::move(note))->m_nID;
    }
    static COleDateTime NullEnd() {
        COleDateTime none;
        none.SetStatus(COleDateTime::null);
        return none;
    }
    COneTimeNote* Timed(int id) {
        return dynamic_cast<COneTimeNote*>(m_data.LookupNote(static_cast<WORD>(id)));
    }
    std::vector<CNote*> HistoryCopies() {
        std::vector<CNote*> copies;
        for (const auto& entry : m_data.m_noteManager.Notes())
            if (entry.second->m_bHistory) copies.push_back(entry.second.get());
        return copies;
    }
    void Tick() { m_scheduler.Tick(COleDateTime::GetCurrentTime()); }

    CTestClock m_clock{kNow};
    CCalendarData m_data;
    CAlarmScheduler m_scheduler{m_data};
    CRecordingWindows m_windows;
    int m_nChanges = 0;
};

TEST_F(AlarmSchedulerTest, NothingHappensWithoutNotes) {
    m_data.FindNextAlarm();
    Tick();
    EXPECT_EQ(m_data.GetNextAlarmID(), 0);
    EXPECT_TRUE(m_windows.events.empty());
}

TEST_F(AlarmSchedulerTest, AlarmDueExactlyNowWaitsForTheNextTick) {
    const int id = AddOneTime(kNow + CUtility::OneMinute);
    m_clock.Advance(CUtility::OneMinute);
    Tick();
    EXPECT_TRUE(m_windows.events.empty()) << "due this very second is not yet past";
    m_clock.Advance(CUtility::OneSecond);
    Tick();
    ASSERT_EQ(m_windows.events, std::vector<std::string>{"alarm " + std::to_string(id)});
    EXPECT_TRUE(Timed(id)->m_bAlarmActive);
}

TEST_F(AlarmSchedulerTest, TwoNotesDueTogetherBothRingOnceEach) {
    const int first = AddOneTime(kNow + CUtility::OneMinute, "First");
    const int second = AddOneTime(kNow + CUtility::OneMinute, "Second");
    m_clock.Advance(CUtility::OneMinute * 2);
    Tick();
    Tick();
    EXPECT_EQ(m_windows.events, (std::vector<std::string>{"alarm " + std::to_string(first),
                                                          "alarm " + std::to_string(second)}));
    EXPECT_EQ(m_data.GetNextAlarmID(), 0) << "ringing notes are no longer pending";
}

TEST_F(AlarmSchedulerTest, EarlierAlarmRingsFirstAndLaterOneWaits) {
    const int later = AddOneTime(kNow + CUtility::OneHour, "Later");
    const int earlier = AddOneTime(kNow + CUtility::OneMinute, "Earlier");
    m_clock.Advance(CUtility::OneMinute * 5);
    Tick();
    EXPECT_EQ(m_windows.events, std::vector<std::string>{"alarm " + std::to_string(earlier)});
    EXPECT_EQ(m_data.GetNextAlarmID(), later);
}

TEST_F(AlarmSchedulerTest, OpenEditorOrOptionsHoldAlarmsUntilTheFirstFreeTick) {
    const int a = AddOneTime(kNow + CUtility::OneMinute, "A");
    const int b = AddOneTime(kNow + CUtility::OneMinute * 2, "B");
    const int c = AddOneTime(kNow + CUtility::OneMinute * 3, "C");
    g_nEditorsOpen = 1;
    m_clock.Advance(CUtility::OneMinute * 2);
    Tick();
    g_nEditorsOpen = 0;
    g_bOptionsOpen = 1;
    m_clock.Advance(CUtility::OneMinute * 2);
    Tick();
    EXPECT_TRUE(m_windows.events.empty());
    g_bOptionsOpen = 0;
    Tick();
    EXPECT_EQ(m_windows.events,
              (std::vector<std::string>{"alarm " + std::to_string(a), "alarm " + std::to_string(b),
                                        "alarm " + std::to_string(c)}));
}

TEST_F(AlarmSchedulerTest, ManyOverdueAlarmsComeAFewPerTickAndNeverPastTheLimit) {
    constexpr int kOverdue = 200;
    std::vector<int> ids;
    for (int i = 0; i < kOverdue; ++i)
        ids.push_back(AddOneTime(kNow + CUtility::OneMinute * (kOverdue - i), "Overdue"));
    m_clock.Advance(CUtility::OneDay);
    auto rung = [this] { return static_cast<int>(m_windows.events.size()); };
    Tick();
    EXPECT_EQ(rung(), CAlarmScheduler::kMaxRingsPerTick);
    EXPECT_EQ(m_windows.events.front(), "alarm " + std::to_string(ids.back())) << "earliest first";
    for (int i = 0; i < 20; ++i)
        Tick();
    ASSERT_EQ(rung(), CAlarmScheduler::kMaxRingingAtOnce) << "the rest wait";
    EXPECT_NE(m_data.GetNextAlarmID(), 0) << "still pending, not lost";

    // Each acknowledged alarm lets one more ring.
    for (int i = 0; i < 3; ++i) {
        const std::string& last = m_windows.events[static_cast<size_t>(i)];
        m_scheduler.Acknowledge(static_cast<WORD>(std::stoi(last.substr(6))));
    }
    Tick();
    EXPECT_EQ(rung(), CAlarmScheduler::kMaxRingingAtOnce + 3);
}

TEST_F(AlarmSchedulerTest, NoteInTheEditorIsPassedOverWithoutHoldingOthers) {
    const int edited = AddOneTime(kNow + CUtility::OneMinute, "Edited");
    const int other = AddOneTime(kNow + CUtility::OneMinute * 2, "Other");
    m_data.LookupNote(static_cast<WORD>(edited))->m_bEditing = 1;
    m_clock.Advance(CUtility::OneMinute * 5);
    Tick();
    EXPECT_EQ(m_windows.events, std::vector<std::string>{"alarm " + std::to_string(other)});
    EXPECT_FALSE(Timed(edited)->m_bAlarmActive);
}

TEST_F(AlarmSchedulerTest, HistoryCopiesAndInactiveNotesNeverRing) {
    const int history = AddOneTime(kNow + CUtility::OneMinute, "Old");
    const int inactive = AddOneTime(kNow + CUtility::OneMinute, "Off");
    m_data.LookupNote(static_cast<WORD>(history))->m_bHistory = 1;
    m_data.LookupNote(static_cast<WORD>(inactive))->m_bActive = 0;
    m_data.UpdateNextAlarm(*m_data.LookupNote(static_cast<WORD>(history)));
    m_clock.Advance(CUtility::OneHour);
    Tick();
    EXPECT_TRUE(m_windows.events.empty());
}

TEST_F(AlarmSchedulerTest, CountdownsFollowTheAlarmCheckForShownNotesOnly) {
    CFakeHandle window;
    const int due = AddOneTime(kNow + CUtility::OneMinute, "Due");
    const int shown = AddOneTime(kNow + CUtility::OneDay, "Shown");
    const int hidden = AddOneTime(kNow + CUtility::OneDay, "No countdown");
    const int history = AddOneTime(kNow + CUtility::OneDay, "History");
    AddOneTime(kNow + CUtility::OneDay, "No window");
    for (const int id : {shown, hidden, history}) {
        m_data.LookupNote(static_cast<WORD>(id))->m_pNoteWnd = &window;
        m_windows.withWindows.push_back(m_data.LookupNote(static_cast<WORD>(id)));
    }
    m_data.LookupNote(static_cast<WORD>(shown))->m_bShowCountdown = 1;
    m_data.LookupNote(static_cast<WORD>(hidden))->m_bShowCountdown = 0;
    m_data.LookupNote(static_cast<WORD>(history))->m_bHistory = 1;
    m_clock.Advance(CUtility::OneMinute * 2);
    Tick();
    EXPECT_EQ(m_windows.events, (std::vector<std::string>{"alarm " + std::to_string(due),
                                                          "countdown " + std::to_string(shown)}));
    for (const auto& entry : m_data.m_noteManager.Notes())
        entry.second->m_pNoteWnd = nullptr;
}

TEST_F(AlarmSchedulerTest, SnoozeMovesOneTimeNoteAndAlarmWithoutHistory) {
    const int id = AddOneTime(kNow + CUtility::OneMinute);
    m_clock.Advance(CUtility::OneMinute * 2);
    Tick();
    const COleDateTime occurrence = Timed(id)->m_dtOccurrence;
    ASSERT_TRUE(m_scheduler.Snooze(static_cast<WORD>(id), 0, 15));
    const COleDateTime expected = COleDateTime::GetCurrentTime() + CUtility::OneMinute * 15;
    EXPECT_EQ(Timed(id)->m_dtAlarm, expected);
    EXPECT_EQ(Timed(id)->m_dtStart, expected);
    EXPECT_EQ(Timed(id)->m_dtOccurrence, occurrence);
    EXPECT_FALSE(Timed(id)->m_bAlarmActive);
    EXPECT_TRUE(HistoryCopies().empty());
    EXPECT_EQ(m_data.GetNextAlarmID(), id);
    EXPECT_EQ(m_nChanges, 1);
    m_clock.Advance(CUtility::OneMinute * 15 + CUtility::OneSecond);
    m_windows.events.clear();
    Tick();
    EXPECT_EQ(m_windows.events, std::vector<std::string>{"alarm " + std::to_string(id)});
}

TEST_F(AlarmSchedulerTest, SnoozeOfRecurringNoteKeepsItsOccurrence) {
    const int id = AddDaily(kNow + CUtility::OneHour);
    m_clock.Advance(CUtility::OneHour * 2);
    Tick();
    const COleDateTime start = Timed(id)->m_dtStart;
    ASSERT_TRUE(m_scheduler.Snooze(static_cast<WORD>(id), 1, 0));
    EXPECT_EQ(Timed(id)->m_dtAlarm, COleDateTime::GetCurrentTime() + CUtility::OneHour);
    EXPECT_EQ(Timed(id)->m_dtStart, start);
}

TEST_F(AlarmSchedulerTest, SnoozeOutOfRangeChangesNothing) {
    const int id = AddOneTime(kNow + CUtility::OneMinute);
    m_clock.Advance(CUtility::OneMinute * 2);
    Tick();
    const COleDateTime alarm = Timed(id)->m_dtAlarm;
    EXPECT_FALSE(m_scheduler.Snooze(static_cast<WORD>(id), 25, 0));
    EXPECT_FALSE(m_scheduler.Snooze(static_cast<WORD>(id), 0, 60));
    EXPECT_FALSE(m_scheduler.Snooze(static_cast<WORD>(id), -1, 0));
    EXPECT_FALSE(m_scheduler.Snooze(0xFFFF, 0, 15)) << "no such note";
    EXPECT_EQ(Timed(id)->m_dtAlarm, alarm);
    EXPECT_TRUE(Timed(id)->m_bAlarmActive) << "still ringing";
    EXPECT_EQ(m_nChanges, 0);
    EXPECT_TRUE(m_scheduler.Snooze(static_cast<WORD>(id), 24, 59)) << "the largest values are fine";
}

TEST_F(AlarmSchedulerTest, AcknowledgedOneTimeNoteLeavesOneHistoryCopy) {
    const int id = AddOneTime(kNow + CUtility::OneMinute);
    m_clock.Advance(CUtility::OneMinute * 3);
    Tick();
    m_scheduler.Acknowledge(static_cast<WORD>(id));
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(id)), nullptr);
    const std::vector<CNote*> copies = HistoryCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0]->m_dtStart, kNow + CUtility::OneMinute) << "dated with the occurrence";
    EXPECT_EQ(copies[0]->m_dtEnd, COleDateTime::GetCurrentTime()) << "ended when acknowledged";
    EXPECT_FALSE(copies[0]->m_bAlarmActive);
    EXPECT_EQ(m_nChanges, 1);
}

TEST_F(AlarmSchedulerTest, AcknowledgedOneTimeNoteWithoutHistoryLeavesNoTrace) {
    m_data.m_bSaveHistory = 0;
    const int id = AddOneTime(kNow + CUtility::OneMinute);
    m_clock.Advance(CUtility::OneMinute * 3);
    Tick();
    m_scheduler.Acknowledge(static_cast<WORD>(id));
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 0u);
}

TEST_F(AlarmSchedulerTest, AcknowledgedRecurringNoteMovesToItsNextOccurrence) {
    const COleDateTime first = kNow + CUtility::OneHour;
    const int id = AddDaily(first);
    m_clock.Advance(CUtility::OneHour + CUtility::OneSecond);
    Tick();
    ASSERT_TRUE(Timed(id)->m_bAlarmActive);
    m_scheduler.Acknowledge(static_cast<WORD>(id));
    auto* note = dynamic_cast<CRecurringNote*>(m_data.LookupNote(static_cast<WORD>(id)));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->m_dtLastOccurrence, first);
    EXPECT_EQ(note->m_dtOccurrence, first + CUtility::OneDay);
    EXPECT_FALSE(note->m_bAlarmActive);
    EXPECT_EQ(m_data.GetNextAlarmID(), id) << "armed again";
    const std::vector<CNote*> copies = HistoryCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0]->m_dtStart, first);
}

TEST_F(AlarmSchedulerTest, SeriesEndingOnItsNextOccurrenceIsRetiredWithOneHistoryCopy) {
    const COleDateTime first = kNow + CUtility::OneHour;
    const int id = AddDaily(first, COleDateTime(2026, 12, 9, 0, 0, 0));
    m_clock.Advance(CUtility::OneHour + CUtility::OneSecond);
    Tick();
    m_scheduler.Acknowledge(static_cast<WORD>(id));
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(id)), nullptr);
    const std::vector<CNote*> copies = HistoryCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0]->m_dtStart, first);
}

TEST_F(AlarmSchedulerTest, SeriesWhoseNextOccurrenceLiesBeyondItsEndIsRetired) {
    const COleDateTime first = kNow + CUtility::OneHour;
    auto weekly =
        std::make_unique<CRecurringNote>("Club", "", first, 0, kRepeatWeek, 1, 0, 0, 1, 1, 1, 1);
    weekly->m_dtEnd = COleDateTime(2026, 12, 10, 0, 0, 0);
    const int id = m_data.AddNote(std::move(weekly))->m_nID;
    m_clock.Advance(CUtility::OneHour + CUtility::OneSecond);
    Tick();
    m_scheduler.Acknowledge(static_cast<WORD>(id));
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(id)), nullptr)
        << "the next occurrence, a week on, is past the end date";
    EXPECT_EQ(HistoryCopies().size(), 1u);
}

TEST_F(AlarmSchedulerTest, DeleteFromARingingWindowKeepsNoHistory) {
    const int id = AddOneTime(kNow + CUtility::OneMinute);
    m_clock.Advance(CUtility::OneMinute * 3);
    Tick();
    m_scheduler.Delete(static_cast<WORD>(id));
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 0u) << "no copy although history is kept";
    EXPECT_EQ(m_nChanges, 1);
}

TEST_F(AlarmSchedulerTest, AcknowledgingANoteThatIsGoneChangesNothing) {
    m_scheduler.Acknowledge(0x1234);
    m_scheduler.Delete(0x1234);
    EXPECT_EQ(m_nChanges, 0);
}

TEST_F(AlarmSchedulerTest, WithoutWindowsADueNoteIsOnlyMarked) {
    m_scheduler.SetWindows(nullptr);
    const int id = AddOneTime(kNow + CUtility::OneMinute);
    m_clock.Advance(CUtility::OneMinute * 3);
    Tick();
    EXPECT_TRUE(Timed(id)->m_bAlarmActive);
    EXPECT_EQ(m_data.GetNextAlarmID(), 0);
}

} // namespace
