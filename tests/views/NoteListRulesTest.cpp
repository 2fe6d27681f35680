// The notes list without a window: row texts by period and clock, column
// widths and moving notes by a day. The clock stands at Tuesday, 8 December
// 2026, 09:30.
#include "views/NoteListRules.h"
#include "almanac/HolidayNote.h"
#include "store/NoteManager.h"
#include "store/TimeFormats.h"
#include "tests/store/NoteFactory.h"
#include "tests/support/TestClock.h"
#include "views/NoteListRows.h"

#include <gtest/gtest.h>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

std::unique_ptr<CNote> Holiday(const char* name, int month, int day) {
    return std::make_unique<CHolidayNote>(name, "", month, day, 1, 0, 0, 0, 0, 1);
}

class NoteListRowsTest : public ::testing::Test {
protected:
    ~NoteListRowsTest() override { SetTimeFormats(0); }
    CTestClock m_clock{kNow};
};

TEST_F(NoteListRowsTest, TimeColumnFollowsThePeriodAndTheClock) {
    struct {
        int period;
        BOOL b24Hour;
        const char* text;
    } const cases[] = {
        {0, 0, "2:05 PM"},           {1, 0, "Thu, 2:05 PM"}, {2, 0, "10, 2:05 PM"},
        {3, 0, "12/10/26, 2:05 PM"}, {0, 1, "14:05"},        {1, 1, "Thu, 14:05"},
        {7, 0, "12/10/26, 2:05 PM"}, // a filter the window cannot offer lists all
    };
    const auto note = MakeOneTime("Dentist", COleDateTime(2026, 12, 10, 14, 5, 0), 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "period " << c.period << ", 24-hour " << c.b24Hour);
        SetTimeFormats(c.b24Hour);
        EXPECT_EQ(NoteListRow(*note, c.period, kNow).texts[kColumnTime], c.text);
    }
}

TEST_F(NoteListRowsTest, EachKindShowsItsDateTimeLeftTypeAndImage) {
    const COleDateTime tomorrow(2026, 12, 9, 21, 30, 0);
    auto history = MakeOneTime("Old call", COleDateTime(2026, 11, 2, 8, 0, 0), 1);
    history->m_bHistory = 1;
    history->m_dtOccurrence = tomorrow; // a history copy shows its start, never its occurrence
    struct {
        const char* what;
        std::unique_ptr<CNote> note;
        const char* time;
        const char* timeLeft;
        const char* type;
        int icon;
        bool reminderText;
    } cases[] = {
        {"memo", MakeMemo("Milk", tomorrow), "09, 9:30 PM", "", "Memo", 0, false},
        {"reminder", MakeOneTime("Call", tomorrow, 1), "09, 9:30 PM", "1 day", "One Time", 4, true},
        {"one-time without reminder", MakeOneTime("Post", COleDateTime(2026, 12, 8, 10, 0, 0)),
         "08, 10:00 AM", "30 mins", "One Time", 3, false},
        {"weekly", MakeRepeated("Choir", COleDateTime(2026, 12, 8, 19, 0, 0), kRepeatWeek, 1, 1),
         "08, 7:00 PM", "9 hrs", "1 week", 7, true},
        {"past", MakeOneTime("Late", COleDateTime(2026, 12, 8, 9, 0, 0), 1), "08, 9:00 AM",
         "Expired", "One Time", 4, true},
        {"history", std::move(history), "02, 8:00 AM", "History", "One Time", 5, false},
        // Due on 24 December at 00:00: 15 days and 14 and a half hours away.
        {"holiday", Holiday("Feast", 12, 24), "12/24/26", "15 days", "Holiday", -1, false},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CNoteListRow row = NoteListRow(*c.note, kRangeMonth, kNow);
        EXPECT_EQ(row.texts[kColumnTime], c.time);
        EXPECT_EQ(row.texts[kColumnNote], c.note->m_strTitle);
        EXPECT_EQ(row.texts[kColumnTimeLeft], c.timeLeft);
        EXPECT_EQ(row.texts[kColumnType], c.type);
        EXPECT_EQ(row.nIcon, c.icon);
        EXPECT_EQ(row.bReminderText, c.reminderText);
    }
}

TEST(NoteListWidths, TitleTakesWhatTheOtherColumnsLeave) {
    struct {
        bool start;
        int client;
        int sample;
        std::array<int, kNoteListColumns> widths;
    } const cases[] = {
        {true, 800, 60, {92, 568, 60, 80}},
        {false, 800, 90, {122, 518, 80, 80}},
        {false, 400, 90, {122, 180, 80, 80}}, // the title keeps 180
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "client " << c.client << ", start " << c.start);
        EXPECT_EQ(c.start ? NoteListStartWidths(c.client, c.sample)
                          : NoteListWidths(c.client, c.sample),
                  c.widths);
    }
}

TEST(MoveNoteByDays, MovesTheStartAndWhatFollowsFromIt) {
    CTestClock clock(kNow);
    const COleDateTime today(2026, 12, 8, 18, 0, 0);
    const COleDateTime tomorrow(2026, 12, 9, 18, 0, 0);
    const COleDateTimeSpan twoDays(2, 0, 0, 0);
    auto history = MakeOneTime("Old", today, 1);
    history->m_bHistory = 1;
    struct {
        const char* what;
        std::unique_ptr<CNote> note;
        int days;
        bool moved;
        COleDateTime start;      // unused when the note stays
        COleDateTime occurrence; // unused for memos and holidays
        COleDateTime alarm;
    } cases[] = {
        {"one-time, up", MakeOneTime("Call", today, 1, 2), 1, true, tomorrow, tomorrow,
         tomorrow - twoDays},
        // A daily series started again from tomorrow: its next occurrence is tomorrow.
        {"daily, up", MakeRepeated("Walk", today, kRepeatDay, 1, 1), 1, true, tomorrow, tomorrow,
         tomorrow},
        {"memo", MakeMemo("Milk", today), 1, true, tomorrow, {}, {}},
        {"holiday", Holiday("Feast", 12, 24), 1, false, {}, {}, {}},
        {"history copy", std::move(history), 1, false, {}, today, today},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        const COleDateTime before = c.note->m_dtStart;
        EXPECT_EQ(MoveNoteByDays(*c.note, c.days), c.moved);
        EXPECT_EQ(c.note->m_dtStart, c.moved ? c.start : before);
        auto* timed = dynamic_cast<COneTimeNote*>(c.note.get());
        if (!timed || c.note->m_nType == kNoteHoliday) continue;
        EXPECT_EQ(timed->m_dtOccurrence, c.occurrence);
        EXPECT_EQ(timed->m_dtAlarm, c.alarm);
    }
}

} // namespace
