#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace {

COleDateTime Date(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return COleDateTime(y, mo, d, h, mi, s);
}

int DaysIn(const COleDateTime& dt) {
    return CUtility::GetLastDayOfMonth(dt.GetYear(), dt.GetMonth()).GetDay();
}

// The parts of a repetition rule a test names.
struct Rule {
    int unit = kRepeatDay;
    int every = 1;
    bool byWeekDay = false;
    int weekDay = 1;
    int ordinal = 1;
    int month = 1;
    int remindDays = 0;
    bool remind = false;
};

class RecurrenceTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    // A note created while the clock reads now.
    static CRecurringNote Make(const COleDateTime& start, const Rule& r) {
        return CRecurringNote("t", "", start, r.remindDays, r.unit, r.every, 0, r.byWeekDay,
                              r.weekDay, r.ordinal, r.month, r.remind);
    }

    CTestClock m_clock{Date(2026, 1, 1, 8, 0, 0)};
};

TEST_F(RecurrenceTest, DailyPeriodsCountWholePeriodsFromTheAnchor) {
    // Every 2 days from Monday 2026-01-05 09:00, made before it starts.
    const CRecurringNote note = Make(Date(2026, 1, 5, 9, 0, 0), {.unit = kRepeatDay, .every = 2});
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 1, 5, 9, 0, 0));
    EXPECT_EQ(note.m_dtLastOccurrence, Date(2026, 1, 5, 9, 0, 0));
    // From Wednesday 09:00, an exact boundary: the result lies strictly after it.
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 1, 7, 9, 0, 0), 0), Date(2026, 1, 9, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 1, 5, 9, 0, 0), 0), Date(2026, 1, 7, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 1, 5, 9, 0, 0), 1), note.m_dtOccurrence);
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 1, 6, 23, 59, 0), 0), Date(2026, 1, 7, 9, 0, 0));
}

TEST_F(RecurrenceTest, ReferenceBeforeTheAnchorGivesTheStoredOccurrence) {
    CRecurringNote note = Make(Date(2026, 1, 5, 9, 0, 0), {.unit = kRepeatHour, .every = 3});
    note.m_dtOccurrence = Date(2026, 1, 5, 9, 0, 0);
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 1, 4), 0), note.m_dtOccurrence);
    // Less than one period before it as well: k is a signed quotient.
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 1, 5, 8, 59, 0), 0), note.m_dtOccurrence);
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 1, 5, 8, 59, 59), 0), note.m_dtOccurrence);
    // Monthly notes alike.
    CRecurringNote monthly = Make(Date(2026, 3, 10, 9, 0, 0), {.unit = kRepeatMonth});
    EXPECT_EQ(monthly.GetNextOccurrence(Date(2026, 3, 10, 8, 59, 30), 0), monthly.m_dtOccurrence);
}

TEST_F(RecurrenceTest, MinutesHoursAndWeeks) {
    const CRecurringNote minutes =
        Make(Date(2026, 1, 5, 9, 0, 0), {.unit = kRepeatMinute, .every = 15});
    EXPECT_EQ(minutes.GetNextOccurrence(Date(2026, 1, 5, 9, 31, 0), 0), Date(2026, 1, 5, 9, 45, 0));
    const CRecurringNote hours = Make(Date(2026, 1, 5, 9, 0, 0), {.unit = kRepeatHour, .every = 5});
    // 00:00 is itself a boundary (09, 14, 19, 00): the one after it.
    EXPECT_EQ(hours.GetNextOccurrence(Date(2026, 1, 6, 0, 0, 0), 0), Date(2026, 1, 6, 5, 0, 0));
    EXPECT_EQ(hours.GetNextOccurrence(Date(2026, 1, 5, 23, 0, 0), 0), Date(2026, 1, 6, 0, 0, 0));
    const CRecurringNote weeks = Make(Date(2026, 1, 5, 9, 0, 0), {.unit = kRepeatWeek, .every = 2});
    EXPECT_EQ(weeks.GetNextOccurrence(Date(2026, 1, 20), 0), Date(2026, 2, 2, 9, 0, 0));
}

TEST_F(RecurrenceTest, MonthlyOnThe31stUsesTheLastDayOfShortMonthsWithoutDrifting) {
    const CRecurringNote note = Make(Date(2026, 1, 31, 9, 0, 0), {.unit = kRepeatMonth});
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 1, 31, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 2, 10), 0), Date(2026, 2, 28, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 3, 10), 0), Date(2026, 3, 31, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 4, 1), 0), Date(2026, 4, 30, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 1), 0), Date(2026, 5, 31, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2028, 2, 1), 0), Date(2028, 2, 29, 9, 0, 0));
    // On the day itself but after the time: the next month.
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 3, 31, 9, 1, 0), 0), Date(2026, 4, 30, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 3, 31, 9, 0, 0), 0), Date(2026, 3, 31, 9, 0, 0));
}

TEST_F(RecurrenceTest, EveryThreeMonthsKeepsTheStartsMonthsInStep) {
    const CRecurringNote note =
        Make(Date(2026, 1, 15, 18, 30, 0), {.unit = kRepeatMonth, .every = 3});
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 2, 1), 0), Date(2026, 4, 15, 18, 30, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 11, 20), 0), Date(2027, 1, 15, 18, 30, 0));
}

TEST_F(RecurrenceTest, YearlyOn29FebruaryFallsOnThe28thInCommonYears) {
    m_clock.Set(Date(2024, 1, 1));
    const CRecurringNote note = Make(Date(2024, 2, 29, 7, 0, 0), {.unit = kRepeatYear});
    EXPECT_EQ(note.m_dtOccurrence, Date(2024, 2, 29, 7, 0, 0));
    const struct {
        COleDateTime from, expected;
    } cases[] = {
        {Date(2024, 3, 1), Date(2025, 2, 28, 7, 0, 0)},
        {Date(2025, 2, 28, 7, 1, 0), Date(2026, 2, 28, 7, 0, 0)},
        {Date(2027, 3, 1), Date(2028, 2, 29, 7, 0, 0)}, // its own day again
        {Date(2028, 2, 28, 23, 0, 0), Date(2028, 2, 29, 7, 0, 0)},
        {Date(2099, 3, 1), Date(2100, 2, 28, 7, 0, 0)}, // 2100 is no leap year
    };
    for (const auto& c : cases)
        EXPECT_EQ(note.GetNextOccurrence(c.from, 0), c.expected) << c.from.Format("%c");
}

TEST_F(RecurrenceTest, YearlyLastMondayOfMay) {
    const Rule rule{.unit = kRepeatYear, .byWeekDay = true, .weekDay = 2, .ordinal = 5, .month = 5};
    const CRecurringNote note = Make(Date(2026, 1, 2, 10, 15, 0), rule);
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 5, 25, 10, 15, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 26), 0), Date(2027, 5, 31, 10, 15, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2027, 6, 1), 0), Date(2028, 5, 29, 10, 15, 0));
}

TEST_F(RecurrenceTest, FirstSundayCreatedOnThe20thGoesToNextMonth) {
    m_clock.Set(Date(2026, 1, 20, 8, 0, 0));
    const Rule rule{.unit = kRepeatMonth, .byWeekDay = true, .weekDay = 1, .ordinal = 1};
    const CRecurringNote note = Make(Date(2026, 1, 20, 9, 0, 0), rule);
    EXPECT_EQ(note.m_dtLastOccurrence, Date(2026, 1, 19, 8, 0, 0));
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 2, 1, 9, 0, 0));
}

TEST_F(RecurrenceTest, WeekdayRuleTakesTheStartsOwnMonthFirst) {
    m_clock.Set(Date(2026, 3, 1, 8, 0, 0));
    // The 2nd Tuesday of March 2026 is the 10th.
    const Rule monthly{
        .unit = kRepeatMonth, .every = 3, .byWeekDay = true, .weekDay = 3, .ordinal = 2};
    const CRecurringNote note = Make(Date(2026, 3, 1, 9, 0, 0), monthly);
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 3, 10, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 3, 11), 0), Date(2026, 6, 9, 9, 0, 0));
    // Yearly every 2 years: the 4th Thursday of November of the start's year.
    const Rule yearly{.unit = kRepeatYear,
                      .every = 2,
                      .byWeekDay = true,
                      .weekDay = 5,
                      .ordinal = 4,
                      .month = 11};
    const CRecurringNote thanks = Make(Date(2026, 3, 1, 12, 0, 0), yearly);
    EXPECT_EQ(thanks.m_dtOccurrence, Date(2026, 11, 26, 12, 0, 0));
    EXPECT_EQ(thanks.GetNextOccurrence(Date(2026, 12, 1), 0), Date(2028, 11, 23, 12, 0, 0));
}

TEST_F(RecurrenceTest, CreationSkipsAnOccurrenceWhoseAlarmIsAlreadyDue) {
    m_clock.Set(Date(2026, 3, 9, 12, 0, 0));
    // Monthly on the 10th with a 2-day reminder: the alarm for 10 March has passed.
    const CRecurringNote note =
        Make(Date(2026, 3, 10, 9, 0, 0), {.unit = kRepeatMonth, .remindDays = 2, .remind = true});
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 4, 10, 9, 0, 0));
    EXPECT_EQ(note.m_dtAlarm, Date(2026, 4, 8, 9, 0, 0));
    // A start long past: the first occurrence after now.
    const CRecurringNote daily = Make(Date(2025, 6, 1, 7, 30, 0), {.unit = kRepeatDay});
    EXPECT_EQ(daily.m_dtOccurrence, Date(2026, 3, 10, 7, 30, 0));
    EXPECT_EQ(daily.m_dtAlarm, daily.m_dtOccurrence);
}

TEST_F(RecurrenceTest, AcknowledgingMovesToTheNextOccurrenceOnlyOnceTheAlarmIsDue) {
    m_clock.Set(Date(2026, 3, 1));
    CRecurringNote note =
        Make(Date(2026, 3, 10, 9, 0, 0), {.unit = kRepeatWeek, .remindDays = 1, .remind = true});
    ASSERT_EQ(note.m_dtOccurrence, Date(2026, 3, 10, 9, 0, 0));
    ASSERT_EQ(note.m_dtAlarm, Date(2026, 3, 9, 9, 0, 0));
    // The alarm rang; OK moves the note a week on, and the alarm follows.
    m_clock.Set(Date(2026, 3, 9, 9, 0, 1));
    note.m_dtLastOccurrence = note.m_dtOccurrence;
    note.AdvanceOccurrence(0);
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 3, 17, 9, 0, 0));
    EXPECT_EQ(note.m_dtAlarm, Date(2026, 3, 16, 9, 0, 0));
    // Acknowledged again before that alarm is due: nothing moves.
    note.m_dtLastOccurrence = note.m_dtOccurrence;
    note.AdvanceOccurrence(0);
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 3, 17, 9, 0, 0));
    EXPECT_EQ(note.m_dtAlarm, Date(2026, 3, 16, 9, 0, 0));
}

TEST_F(RecurrenceTest, ReminderNotesAnswerTheirStoredOccurrenceUntilItPasses) {
    m_clock.Set(Date(2026, 3, 1));
    const CRecurringNote note =
        Make(Date(2026, 3, 10, 9, 0, 0), {.unit = kRepeatDay, .remind = true});
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 3, 9), 0), Date(2026, 3, 10, 9, 0, 0));
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 3, 11, 10, 0, 0), 0), Date(2026, 3, 12, 9, 0, 0));
}

TEST_F(RecurrenceTest, UnknownUnitReturnsTheAnchor) {
    CRecurringNote note = Make(Date(2026, 3, 10, 9, 0, 0), {.unit = kRepeatDay});
    note.m_nRepeatUnit = 9;
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 1), 0), note.m_dtLastOccurrence);
}

TEST_F(RecurrenceTest, DamagedRulesGiveAResultWithoutHanging) {
    CRecurringNote note = Make(Date(2026, 3, 10, 9, 0, 0), {.unit = kRepeatMonth});
    note.m_nRepeatEvery = 0; // taken as 1
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 1), 0), Date(2026, 5, 10, 9, 0, 0));
    note.m_nRepeatEvery = -4;
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 1), 0), Date(2026, 5, 10, 9, 0, 0));
    note.m_nRepeatEvery = 1;

    note.m_bByWeekDay = 1;
    note.m_nWeekDay = 0; // no such weekday: the 1st of the month
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 2), 0), Date(2026, 6, 1, 9, 0, 0));
    note.m_nWeekDay = 2;
    note.m_nWeekOrdinal = 0; // ordinal 0 leaves day 1
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 2), 0), Date(2026, 6, 1, 9, 0, 0));
    note.m_nWeekOrdinal = 1000; // counted as the last
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 2), 0), Date(2026, 5, 25, 9, 0, 0));

    note.m_nRepeatUnit = kRepeatYear;
    note.m_nMonth = 13;
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 2), 0).GetStatus(), COleDateTime::invalid);

    note.m_bByWeekDay = 0;
    note.m_nRepeatEvery = 8000; // nothing left before the calendar ends
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 2), 0).GetStatus(), COleDateTime::invalid);

    note.m_dtLastOccurrence.m_dt = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 2), 0), note.m_dtOccurrence);
    note.m_dtLastOccurrence.m_dt = 1e300;
    EXPECT_EQ(note.GetNextOccurrence(Date(2026, 5, 2), 0), note.m_dtOccurrence);
}

// Checks that an occurrence lands on the note's rule.
void ExpectOnRule(const CRecurringNote& note, const COleDateTime& occ) {
    const COleDateTime& start = note.m_dtStart;
    ASSERT_EQ(occ.GetStatus(), COleDateTime::valid);
    if (note.m_nRepeatUnit >= kRepeatDay) {
        ASSERT_EQ(occ.GetHour(), start.GetHour()) << occ.Format("%c");
        ASSERT_EQ(occ.GetMinute(), start.GetMinute()) << occ.Format("%c");
        ASSERT_EQ(occ.GetSecond(), start.GetSecond()) << occ.Format("%c");
    }
    static const long kUnitMinutes[] = {1, 60, 1440, 10080};
    if (note.m_nRepeatUnit <= kRepeatWeek) {
        const auto minutes = static_cast<long>((occ - start).GetTotalMinutes());
        ASSERT_EQ(minutes % (kUnitMinutes[note.m_nRepeatUnit] * note.m_nRepeatEvery), 0)
            << occ.Format("%c");
        return;
    }
    const int months = (occ.GetYear() - start.GetYear()) * 12 + occ.GetMonth() - start.GetMonth();
    const int periods = note.m_nRepeatUnit == kRepeatMonth ? months : months / 12;
    ASSERT_EQ(periods % note.m_nRepeatEvery, 0) << occ.Format("%c");
    if (note.m_bByWeekDay) {
        ASSERT_EQ(occ.GetDayOfWeek(), note.m_nWeekDay) << occ.Format("%c");
        if (note.m_nWeekOrdinal == 5) {
            ASSERT_GT(occ.GetDay() + 7, DaysIn(occ)) << occ.Format("%c");
        } else {
            ASSERT_EQ((occ.GetDay() - 1) / 7 + 1, note.m_nWeekOrdinal) << occ.Format("%c");
        }
        if (note.m_nRepeatUnit == kRepeatYear) {
            ASSERT_EQ(occ.GetMonth(), note.m_nMonth);
        }
        return;
    }
    if (note.m_nRepeatUnit == kRepeatYear) {
        ASSERT_EQ(occ.GetMonth(), start.GetMonth());
    }
    ASSERT_EQ(occ.GetDay(), std::min(start.GetDay(), DaysIn(occ))) << occ.Format("%c");
}

// How far apart two neighbouring occurrences must lie, in whole months
// (months and years) or minutes (shorter units).
long ExpectedStep(const CRecurringNote& note) {
    static const long kUnitMinutes[] = {1, 60, 1440, 10080};
    if (note.m_nRepeatUnit <= kRepeatWeek)
        return kUnitMinutes[note.m_nRepeatUnit] * note.m_nRepeatEvery;
    return note.m_nRepeatEvery * (note.m_nRepeatUnit == kRepeatYear ? 12 : 1);
}

long StepBetween(const CRecurringNote& note, const COleDateTime& a, const COleDateTime& b) {
    if (note.m_nRepeatUnit <= kRepeatWeek) return static_cast<long>((b - a).GetTotalMinutes());
    return (b.GetYear() - a.GetYear()) * 12L + b.GetMonth() - a.GetMonth();
}

struct WalkCase {
    const char* name;
    COleDateTime start;
    Rule rule;
};

class RecurrenceWalk : public ::testing::TestWithParam<WalkCase> {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }
};

// 1,000 acknowledged alarms in a row: each moves the note to the next
// occurrence of its rule, strictly later, without skipping one.
TEST_P(RecurrenceWalk, AcknowledgingAThousandTimesStaysOnTheRule) {
    const WalkCase& c = GetParam();
    CTestClock clock(c.start - CUtility::OneHour - COleDateTimeSpan(c.rule.remindDays, 0, 0, 0));
    CRecurringNote note("walk", "", c.start, c.rule.remindDays, c.rule.unit, c.rule.every, 0,
                        c.rule.byWeekDay, c.rule.weekDay, c.rule.ordinal, c.rule.month,
                        c.rule.remind);
    const COleDateTimeSpan lead(c.rule.remindDays, 0, 0, 0);
    const long step = ExpectedStep(note);
    COleDateTime previous = note.m_dtOccurrence;
    ExpectOnRule(note, previous);
    for (int i = 0; i < 1000; ++i) {
        // The alarm rang a second ago; the user presses OK.
        clock.Set(note.m_dtAlarm + CUtility::OneSecond);
        note.m_dtLastOccurrence = note.m_dtOccurrence;
        note.AdvanceOccurrence(0);
        const COleDateTime occ = note.m_dtOccurrence;
        ASSERT_GT(occ, previous) << "step " << i;
        ASSERT_NO_FATAL_FAILURE(ExpectOnRule(note, occ)) << "step " << i;
        ASSERT_EQ(note.m_dtAlarm, occ - lead);
        // Answered as soon as it rings, not a single occurrence is skipped:
        // not in a series that repeats every minute, nor in one whose
        // reminder comes more periods ahead than one (the next alarms are
        // still to come while the acknowledged occurrence lies ahead).
        ASSERT_EQ(StepBetween(note, previous, occ), step) << occ.Format("%c");
        previous = occ;
    }
}

// The same rules walked as the views ask: from just after each occurrence.
TEST_P(RecurrenceWalk, AskingFromJustAfterEachOccurrenceFindsTheNextOne) {
    const WalkCase& c = GetParam();
    CTestClock clock(c.start - CUtility::OneHour - COleDateTimeSpan(c.rule.remindDays, 0, 0, 0));
    Rule rule = c.rule;
    rule.remind = false;
    const CRecurringNote note("walk", "", c.start, rule.remindDays, rule.unit, rule.every, 0,
                              rule.byWeekDay, rule.weekDay, rule.ordinal, rule.month, 0);
    const long step = ExpectedStep(note);
    COleDateTime previous = note.m_dtOccurrence;
    for (int i = 0; i < 1000; ++i) {
        const COleDateTime occ = note.GetNextOccurrence(previous + CUtility::OneSecond, 0);
        ASSERT_GT(occ, previous) << "step " << i;
        ASSERT_NO_FATAL_FAILURE(ExpectOnRule(note, occ)) << "step " << i;
        ASSERT_EQ(StepBetween(note, previous, occ), step) << occ.Format("%c");
        previous = occ;
    }
}

const WalkCase kWalks[] = {
    {"EveryFiveMinutes", Date(2026, 1, 5, 9, 0, 0), {.unit = kRepeatMinute, .every = 5}},
    {"EveryMinute", Date(2026, 1, 5, 9, 0, 0), {.unit = kRepeatMinute, .every = 1}},
    {"EveryThreeHours", Date(2026, 1, 5, 23, 15, 0), {.unit = kRepeatHour, .every = 3}},
    {"EveryDay", Date(2026, 1, 5, 23, 59, 0), {.unit = kRepeatDay, .every = 1}},
    {"EveryTenDays", Date(2026, 1, 5, 0, 0, 0), {.unit = kRepeatDay, .every = 10}},
    {"EveryDayRemindTwoDays",
     Date(2026, 1, 5, 7, 0, 0),
     {.unit = kRepeatDay, .remindDays = 2, .remind = true}},
    {"EveryWeek", Date(2026, 1, 5, 18, 45, 0), {.unit = kRepeatWeek, .every = 1}},
    {"EveryHourRemindOneDay",
     Date(2026, 1, 5, 7, 0, 0),
     {.unit = kRepeatHour, .remindDays = 1, .remind = true}},
    {"EveryWeekRemindNineDays",
     Date(2026, 1, 20, 7, 30, 0),
     {.unit = kRepeatWeek, .remindDays = 9, .remind = true}},
    {"EveryMonthOn31st", Date(2000, 1, 31, 9, 0, 0), {.unit = kRepeatMonth, .every = 1}},
    {"EveryMonthOn30thRemind",
     Date(2000, 1, 30, 9, 0, 0),
     {.unit = kRepeatMonth, .remindDays = 3, .remind = true}},
    {"EveryFiveMonthsOn29th", Date(2000, 1, 29, 6, 10, 0), {.unit = kRepeatMonth, .every = 5}},
    {"EveryYear", Date(2000, 7, 4, 12, 0, 0), {.unit = kRepeatYear, .every = 1}},
    {"EveryYearOn29February", Date(2000, 2, 29, 8, 0, 0), {.unit = kRepeatYear, .every = 1}},
    {"SecondTuesdayMonthly",
     Date(2000, 1, 1, 9, 30, 0),
     {.unit = kRepeatMonth, .byWeekDay = true, .weekDay = 3, .ordinal = 2}},
    {"LastFridayMonthly",
     Date(2000, 1, 1, 17, 0, 0),
     {.unit = kRepeatMonth, .byWeekDay = true, .weekDay = 6, .ordinal = 5}},
    {"FourthSundayEveryTwoMonths",
     Date(2000, 3, 1, 10, 0, 0),
     {.unit = kRepeatMonth, .every = 2, .byWeekDay = true, .weekDay = 1, .ordinal = 4}},
    {"LastMondayOfMayYearly",
     Date(2000, 1, 1, 10, 0, 0),
     {.unit = kRepeatYear, .byWeekDay = true, .weekDay = 2, .ordinal = 5, .month = 5}},
    {"FirstSaturdayOfFebruaryYearly",
     Date(2000, 1, 1, 0, 0, 0),
     {.unit = kRepeatYear, .byWeekDay = true, .weekDay = 7, .ordinal = 1, .month = 2}},
    // Days before 30 December 1899 count below zero: the weekday rules must
    // find their day on both sides of it.
    {"LastFridayMonthlyFrom1850",
     Date(1850, 1, 1, 17, 0, 0),
     {.unit = kRepeatMonth, .byWeekDay = true, .weekDay = 6, .ordinal = 5}},
    {"SecondTuesdayOfMayYearlyFrom1400",
     Date(1400, 1, 1, 9, 30, 0),
     {.unit = kRepeatYear, .byWeekDay = true, .weekDay = 3, .ordinal = 2, .month = 5}},
};

INSTANTIATE_TEST_SUITE_P(Rules, RecurrenceWalk, ::testing::ValuesIn(kWalks),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
