// The countdown line: the exact texts for every mask the notes can carry,
// the turn to "Expired", history copies, and when no line is shown at all.
#include "reminders/Countdown.h"

#include "store/OneTimeNote.h"
#include "store/RecurringNote.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

double Span(int days, int hours, int minutes, int seconds) {
    return COleDateTimeSpan(days, hours, minutes, seconds).GetTotalDays();
}

COneTimeNote DueNote(const COleDateTime& occurrence) {
    COneTimeNote note(kNoteOneTime, "Dentist", "", occurrence, 0, 0, 1);
    note.m_bShowCountdown = 1;
    return note;
}

} // namespace

TEST(CountdownText, FullMaskReadsDaysThenClock) {
    EXPECT_EQ(CCountdown::FormatSpan(Span(2, 5, 7, 9), 15), " 2 days  05:07:09");
    EXPECT_EQ(CCountdown::FormatSpan(Span(1, 0, 0, 30), 15), " 1 day  00:00:30");
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 3, 0, 0), 15), " 03:00:00");
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 0, 0, 59), 15), " 00:00:59");
    EXPECT_EQ(CCountdown::FormatSpan(0.0, 15), " 00:00:00");
    EXPECT_EQ(CCountdown::FormatSpan(Span(400, 23, 59, 59), 15), " 400 days  23:59:59");
}

TEST(CountdownText, SpansCountInWholeSecondsDespiteRoundingError) {
    EXPECT_EQ(CCountdown::FormatSpan(1.0 - 1e-12, 15), " 1 day  00:00:00");
    EXPECT_EQ(CCountdown::FormatSpan(-4e-10, 15), " 00:00:00");
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 0, 0, 59) - 4e-10, 15), " 00:00:59");
}

TEST(CountdownText, PastOccurrenceIsExpired) {
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 0, 0, -1), 15), "Expired");
    EXPECT_EQ(CCountdown::FormatSpan(-3.5, 8), "Expired");
    // The occurrence itself is not yet past.
    EXPECT_EQ(CCountdown::FormatSpan(0.0, 15), " 00:00:00");
    EXPECT_EQ(CCountdown::FormatSpan(-1.0 / 86400.0, 15), "Expired");
}

TEST(CountdownText, PartialMasksSpellEveryPartOut) {
    EXPECT_EQ(CCountdown::FormatSpan(Span(1, 5, 0, 0), 8 | 4), " 1 day  5 Hours");
    EXPECT_EQ(CCountdown::FormatSpan(Span(3, 1, 0, 0), 8 | 4), " 3 days  1 Hour");
    // Without days and hours the minutes hold the whole span.
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 2, 7, 9), 2 | 1), " 127 Mins 9 Secs");
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 0, 1, 0), 2), " 1 Min");
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 0, 0, 42), 1), " 42 Secs");
    EXPECT_EQ(CCountdown::FormatSpan(Span(2, 0, 0, 0), 8), " 2 days ");
}

TEST(CountdownText, LoneUnitBelowOneReadsLessThan) {
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 23, 0, 0), 8), " < 1 day");
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 0, 59, 0), 4), " < 1 hour");
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 0, 0, 59), 2), " < 1 minute");
    // With another part asked for, a zero count is simply left out.
    EXPECT_EQ(CCountdown::FormatSpan(Span(0, 0, 0, 59), 8 | 4), " 0 Hour");
}

TEST(CountdownText, NoteCountsDownToItsOccurrence) {
    CTestClock clock(kNow);
    const COneTimeNote note = DueNote(kNow + COleDateTimeSpan(0, 0, 0, 59));
    EXPECT_EQ(CCountdown::GetText(note, kNow), " 00:00:59");
    EXPECT_EQ(CCountdown::GetText(note, kNow + COleDateTimeSpan(0, 0, 1, 0)), "Expired");

    CRecurringNote monthly("Rent", "", kNow + COleDateTimeSpan(2, 5, 7, 9), 0, kRepeatMonth, 1, 0,
                           0, 1, 1, 1, 1);
    monthly.m_bShowCountdown = 1;
    EXPECT_EQ(CCountdown::GetText(monthly, kNow), " 2 days  05:07:09");
}

TEST(CountdownText, HistoryCopyShowsItsAcknowledgement) {
    COneTimeNote note = DueNote(kNow);
    note.m_bHistory = 1;
    note.m_dtEnd = COleDateTime(2026, 12, 8, 0, 0, 0);
    EXPECT_EQ(CCountdown::GetText(note, kNow), "History  12/08/26");
    note.m_dtEnd = COleDateTime(2026, 12, 8, 14, 5, 30);
    const std::string text = CCountdown::GetText(note, kNow);
    EXPECT_EQ(text.rfind("History  12/08/26 ", 0), 0u) << text;
    EXPECT_NE(text.find(":05:30"), std::string::npos) << text;
}

TEST(CountdownText, NothingWhereNoLineIsShown) {
    CNote memo(kNoteMemo, "Memo", "", kNow, 0);
    memo.m_bShowCountdown = 1;
    EXPECT_FALSE(CCountdown::IsShown(memo));
    EXPECT_EQ(CCountdown::GetText(memo, kNow), "");

    COneTimeNote off = DueNote(kNow + 1.0);
    off.m_bShowCountdown = 0;
    EXPECT_EQ(CCountdown::GetText(off, kNow), "");

    COneTimeNote ringing = DueNote(kNow + 1.0);
    ringing.m_bAlarmActive = 1;
    EXPECT_EQ(CCountdown::GetText(ringing, kNow), "");

    COneTimeNote broken = DueNote(kNow + 1.0);
    broken.m_dtOccurrence.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(CCountdown::GetText(broken, kNow), "");
}

TEST(CountdownText, FarSpansStayWithinTheirCounts) {
    EXPECT_EQ(CCountdown::FormatSpan(1e300, 8), " 10000000 days ");
    EXPECT_EQ(CCountdown::FormatSpan(-1e300, 15), "Expired");
    EXPECT_EQ(CCountdown::FormatSpan(std::nan(""), 15), "");
}
