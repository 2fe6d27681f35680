#include "zadad/OleDateTime.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

namespace {

struct Fields {
    int y, mo, d, h, mi, s;
};

Fields Read(const COleDateTime& dt) {
    return {dt.GetYear(), dt.GetMonth(), dt.GetDay(), dt.GetHour(), dt.GetMinute(), dt.GetSecond()};
}

void ExpectFields(const COleDateTime& dt, Fields want) {
    const Fields got = Read(dt);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.mo, want.mo);
    EXPECT_EQ(got.d, want.d);
    EXPECT_EQ(got.h, want.h);
    EXPECT_EQ(got.mi, want.mi);
    EXPECT_EQ(got.s, want.s);
}

TEST(OleDateTime, DayZeroAndKnownValues) {
    EXPECT_DOUBLE_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).m_dt, 0.0);
    EXPECT_DOUBLE_EQ(COleDateTime(1900, 1, 1, 0, 0, 0).m_dt, 2.0);
    EXPECT_DOUBLE_EQ(COleDateTime(2000, 1, 1, 0, 0, 0).m_dt, 36526.0);
    EXPECT_DOUBLE_EQ(COleDateTime(2000, 1, 1, 12, 0, 0).m_dt, 36526.5);
    ExpectFields(COleDateTime(36526.75), {2000, 1, 1, 18, 0, 0});
}

TEST(OleDateTime, NegativeDatesCountTheFractionFromTheDayStart) {
    const COleDateTime early(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(early.m_dt, -1.25);
    ExpectFields(early, {1899, 12, 29, 6, 0, 0});
    const COleDateTime later(1899, 12, 29, 18, 0, 0);
    EXPECT_DOUBLE_EQ(later.m_dt, -1.75);
    // Later in the day compares later, although its double is smaller.
    EXPECT_LT(early, later);
    EXPECT_NEAR((later - early).m_span, 0.5, 1e-12);
    // Adding across day zero lands on the right side.
    ExpectFields(early + COleDateTimeSpan(1, 0, 0, 0), {1899, 12, 30, 6, 0, 0});
    ExpectFields(COleDateTime(1899, 12, 30, 3, 0, 0) - COleDateTimeSpan(0, 6, 0, 0),
                 {1899, 12, 29, 21, 0, 0});
    ExpectFields(COleDateTime(1752, 9, 14, 23, 59, 59), {1752, 9, 14, 23, 59, 59});
}

TEST(OleDateTime, FieldsRoundToTheNearestSecond) {
    const double base = COleDateTime(2003, 6, 21, 10, 20, 30).m_dt;
    const double second = 1.0 / 86400.0;
    ExpectFields(COleDateTime(base + 0.49 * second), {2003, 6, 21, 10, 20, 30});
    ExpectFields(COleDateTime(base + 0.51 * second), {2003, 6, 21, 10, 20, 31});
    ExpectFields(COleDateTime(base - 0.49 * second), {2003, 6, 21, 10, 20, 30});
    // Just before midnight rounds into the next day, month and year.
    const double newYear = COleDateTime(2004, 1, 1, 0, 0, 0).m_dt;
    ExpectFields(COleDateTime(newYear - 0.4 * second), {2004, 1, 1, 0, 0, 0});
    ExpectFields(COleDateTime(newYear - 0.6 * second), {2003, 12, 31, 23, 59, 59});
}

TEST(OleDateTime, DaysInMonthFollowsTheGregorianLeapYears) {
    const struct {
        int year, month, days;
    } cases[] = {{2003, 1, 31}, {2003, 2, 28}, {2004, 2, 29},  {1900, 2, 28}, {2000, 2, 29},
                 {2100, 2, 28}, {2003, 4, 30}, {2003, 12, 31}, {2003, 0, 0},  {2003, 13, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << '-' << c.month;
}

TEST(OleDateTime, SetDateTimeRejectsImpossibleFields) {
    COleDateTime dt;
    EXPECT_EQ(dt.SetDateTime(2003, 2, 30, 0, 0, 0), 1);
    EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(dt.GetYear(), COleDateTime::error);
    EXPECT_EQ(dt.SetDateTime(2004, 2, 29, 0, 0, 0), 0);
    EXPECT_EQ(dt.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(dt.SetDateTime(1900, 2, 29, 0, 0, 0), 1);
    EXPECT_EQ(dt.SetDateTime(2000, 2, 29, 0, 0, 0), 0);
    EXPECT_EQ(dt.SetDateTime(2003, 1, 1, 24, 0, 0), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 1, 1, 0, 60, 0), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 1, 1, 0, 0, 60), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 13, 1, 0, 0, 0), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 0, 1, 0, 0, 0), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 4, 31, 0, 0, 0), 1);
    EXPECT_EQ(dt.SetDateTime(10000, 1, 1, 0, 0, 0), 1);
    EXPECT_EQ(dt.SetDateTime(99, 1, 1, 0, 0, 0), 1);
    EXPECT_EQ(dt.SetDateTime(-5, 1, 1, 0, 0, 0), 1);
}

TEST(OleDateTime, ArithmeticOutsideTheRangeIsInvalid) {
    COleDateTime last(9999, 12, 31, 0, 0, 0);
    EXPECT_EQ((last + COleDateTimeSpan(2, 0, 0, 0)).GetStatus(), COleDateTime::invalid);
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_EQ((none + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::null);
    EXPECT_EQ((none - last).GetStatus(), COleDateTimeSpan::null);
}

TEST(OleDateTime, DayOfWeekAndDayOfYear) {
    EXPECT_EQ(COleDateTime(2026, 12, 6, 0, 0, 0).GetDayOfWeek(), 1);  // Sunday
    EXPECT_EQ(COleDateTime(2026, 12, 8, 0, 0, 0).GetDayOfWeek(), 3);  // Tuesday
    EXPECT_EQ(COleDateTime(2000, 1, 1, 0, 0, 0).GetDayOfWeek(), 7);   // Saturday
    EXPECT_EQ(COleDateTime(1899, 12, 29, 0, 0, 0).GetDayOfWeek(), 6); // Friday
    EXPECT_EQ(COleDateTime(2004, 12, 31, 0, 0, 0).GetDayOfYear(), 366);
    EXPECT_EQ(COleDateTime(2003, 3, 1, 0, 0, 0).GetDayOfYear(), 60);
}

TEST(OleDateTime, EveryDayOfFourCenturiesRoundTrips) {
    // Walk day by day and check each date is the successor of the last.
    COleDateTime dt(1800, 1, 1, 12, 0, 0);
    int y = 1800, m = 1, d = 1, dow = dt.GetDayOfWeek();
    static const int len[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int i = 0; i < 146097; ++i) {
        ASSERT_EQ(dt.GetYear(), y);
        ASSERT_EQ(dt.GetMonth(), m);
        ASSERT_EQ(dt.GetDay(), d);
        ASSERT_EQ(dt.GetHour(), 12);
        ASSERT_EQ(dt.GetDayOfWeek(), dow);
        ASSERT_EQ(COleDateTime(y, m, d, 12, 0, 0), dt);
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        const int days = m == 2 && leap ? 29 : len[m - 1];
        if (++d > days) {
            d = 1;
            if (++m > 12) m = 1, ++y;
        }
        dow = dow % 7 + 1;
        dt += COleDateTimeSpan(1, 0, 0, 0);
    }
}

TEST(OleDateTime, FormatWithAndWithoutHash) {
    const COleDateTime morning(2026, 3, 5, 7, 4, 9);
    EXPECT_EQ(morning.Format("%H:%M:%S"), "07:04:09");
    EXPECT_EQ(morning.Format("%#H:%M"), "7:04");
    EXPECT_EQ(morning.Format("%#I:%M %p"), "7:04 AM");
    EXPECT_EQ(morning.Format("%I"), "07");
    EXPECT_EQ(morning.Format("%a %A %b %B"), "Thu Thursday Mar March");
    EXPECT_EQ(morning.Format("%d %#d %Y"), "05 5 2026");
    EXPECT_EQ(morning.Format("%x"), "03/05/26");
    EXPECT_EQ(morning.Format("%#x"), "Thursday, March 5, 2026");
    EXPECT_EQ(morning.Format("100%%"), "100%");
    const COleDateTime noon(2026, 3, 5, 12, 0, 0);
    EXPECT_EQ(noon.Format("%#I %p"), "12 PM");
    const COleDateTime midnight(2026, 3, 5, 0, 30, 0);
    EXPECT_EQ(midnight.Format("%#I:%M %p"), "12:30 AM");
    EXPECT_EQ(midnight.Format("%#H:%M"), "0:30");
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_EQ(none.Format("%x"), "");
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(bad.Format("%x"), "Invalid DateTime");
}

TEST(OleDateTime, CurrentTimeComesFromTheInstalledClock) {
    {
        CTestClock clock(COleDateTime(2003, 6, 21, 5, 0, 0));
        EXPECT_EQ(COleDateTime::GetCurrentTime(), COleDateTime(2003, 6, 21, 5, 0, 0));
        clock.Advance(COleDateTimeSpan(0, 1, 30, 0));
        EXPECT_EQ(COleDateTime::GetCurrentTime().GetHour(), 6);
        EXPECT_EQ(COleDateTime::GetCurrentTime().GetMinute(), 30);
    }
    // Back on the system clock once the test clock is gone.
    EXPECT_GE(COleDateTime::GetCurrentTime().GetYear(), 2024);
}

TEST(OleDateTimeSpan, PartsAndTotals) {
    const COleDateTimeSpan span(2, 3, 4, 5);
    EXPECT_EQ(span.GetDays(), 2);
    EXPECT_EQ(span.GetHours(), 3);
    EXPECT_EQ(span.GetMinutes(), 4);
    EXPECT_EQ(span.GetSeconds(), 5);
    EXPECT_DOUBLE_EQ(span.GetTotalMinutes(), 2 * 1440 + 3 * 60 + 4);
    EXPECT_DOUBLE_EQ(span.GetTotalSeconds(), ((2 * 24 + 3) * 60 + 4) * 60 + 5);
    // A span a hair short of a minute still counts as the whole minute.
    EXPECT_DOUBLE_EQ(COleDateTimeSpan(1.0 / 1440 - 1e-9).GetTotalMinutes(), 1.0);
    EXPECT_DOUBLE_EQ(COleDateTimeSpan(-1.5).GetTotalMinutes(), -2159.0);
    EXPECT_EQ(COleDateTimeSpan(-1.5).GetDays(), -1);
    EXPECT_LT(COleDateTimeSpan(0, 23, 0, 0), COleDateTimeSpan(1, 0, 0, 0));
}

} // namespace
