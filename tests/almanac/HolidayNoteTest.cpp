#include "almanac/HolidayNote.h"
#include "store/NoteManager.h"
#include "tests/support/DateExpect.h"
#include "tests/support/TestClock.h"
#include "zadad/Archive.h"

#include <gtest/gtest.h>

namespace {

COleDateTime Day(int y, int m, int d, int h = 0) {
    return COleDateTime(y, m, d, h, 0, 0);
}

// The holiday's date on or after t, asked the way the calendar asks.
COleDateTime NextAfter(const CNote& note, const COleDateTime& t) {
    return CNoteManager::GetOccurrence(note, t);
}

class HolidayNoteTest : public testing::Test {
protected:
    CTestClock m_clock{COleDateTime(2026, 12, 8, 9, 30, 0)};
};

TEST_F(HolidayNoteTest, DatedLineFillsTheRecord) {
    const auto h = CHolidayNote::FromLine("YEAR`12`25`Christmas Day`Peace`1`0`1`1`1`1");
    ASSERT_TRUE(h);
    EXPECT_EQ(h->m_nType, kNoteHoliday);
    EXPECT_EQ(h->m_wCategoryID, 999);
    EXPECT_EQ(h->m_strTitle, "Christmas Day");
    EXPECT_EQ(h->m_strText, "Peace");
    EXPECT_EQ(h->m_nSpecial, 0);
    ExpectMidnightOf(h->m_dtStart, 2000, 12, 25);
    EXPECT_EQ(h->m_dtAlarm, h->m_dtStart);
    EXPECT_EQ(h->m_dtLastOccurrence, h->m_dtStart);
    EXPECT_EQ(h->m_nRepeatUnit, kRepeatYear);
    EXPECT_EQ(h->m_nRepeatEvery, 1);
    EXPECT_EQ(h->m_bByWeekDay, 0);
    EXPECT_EQ(h->m_nWeekDay, 1);
    EXPECT_EQ(h->m_nWeekOrdinal, 1);
    EXPECT_EQ(h->m_nMonth, 1);
    EXPECT_EQ(h->m_bActive, 1);
    EXPECT_EQ(h->m_nRemindDays, 0);
    EXPECT_EQ(h->m_bRemind, 0);
    // Worked out from the clock when the record is made.
    ExpectMidnightOf(h->m_dtOccurrence, 2026, 12, 25);
    EXPECT_EQ(h->GetTypeText(), "Holiday");
}

TEST_F(HolidayNoteTest, SpecialLineTakesFixedValuesAndItsRule) {
    const auto h = CHolidayNote::FromLine("EASTER`Easter Sunday`1");
    ASSERT_TRUE(h);
    EXPECT_EQ(h->m_nSpecial, 1);
    EXPECT_EQ(h->m_nType, kNoteHoliday);
    EXPECT_EQ(h->m_wCategoryID, 999);
    EXPECT_EQ(h->m_strText, "Easter Sunday");
    ExpectMidnightOf(h->m_dtStart, 2000, 1, 1);
    EXPECT_EQ(h->m_nRepeatUnit, kRepeatYear);
    EXPECT_EQ(h->m_nRepeatEvery, 1);
    EXPECT_EQ(h->m_bByWeekDay, 0);
    EXPECT_EQ(h->m_nWeekDay, 0);
    EXPECT_EQ(h->m_nWeekOrdinal, 0);
    EXPECT_EQ(h->m_nMonth, 0);
    ExpectMidnightOf(h->m_dtOccurrence, 2027, 3, 28);

    EXPECT_EQ(CHolidayNote::FromLine("GOOD FRIDAY``0")->m_bActive, 0);
    EXPECT_FALSE(CHolidayNote::FromLine("Easter`Easter Sunday`1"));
    EXPECT_FALSE(CHolidayNote::FromLine(""));
}

TEST_F(HolidayNoteTest, EasterAskedOnItsDayAnswersThatDayOnlyAtMidnight) {
    const auto easter = CHolidayNote::FromLine("EASTER`Easter Sunday`1");
    ExpectMidnightOf(NextAfter(*easter, Day(2024, 3, 31)), 2024, 3, 31);
    ExpectMidnightOf(NextAfter(*easter, Day(2024, 3, 31, 9)), 2025, 4, 20);
    ExpectMidnightOf(NextAfter(*easter, Day(2024, 1, 1)), 2024, 3, 31);
    // Nothing after the last year a date can hold.
    EXPECT_EQ(NextAfter(*easter, Day(9999, 12, 1)).GetStatus(), COleDateTime::invalid);

    const auto friday = CHolidayNote::FromLine("GOOD FRIDAY``1");
    ExpectMidnightOf(NextAfter(*friday, Day(2024, 3, 1)), 2024, 3, 29);
    const auto election = CHolidayNote::FromLine("ELECTION DAY``1");
    ExpectMidnightOf(NextAfter(*election, Day(2005, 11, 2)), 2005, 11, 8);
    ExpectMidnightOf(NextAfter(*election, Day(2005, 11, 9)), 2006, 11, 7);
}

TEST_F(HolidayNoteTest, TwentyNinthOfFebruaryOnlyInLeapYears) {
    const auto leap = CHolidayNote::FromLine("YEAR`2`29`Leap Day``1`0`1`1`1`1");
    ASSERT_TRUE(leap);
    ExpectMidnightOf(NextAfter(*leap, Day(2025, 3, 1)), 2028, 2, 29);
    ExpectMidnightOf(NextAfter(*leap, Day(2028, 2, 29)), 2028, 2, 29);
    ExpectMidnightOf(NextAfter(*leap, Day(2097, 1, 1)), 2104, 2, 29); // 2100 is no leap year
}

TEST_F(HolidayNoteTest, WeekdayRules) {
    const auto thanksgiving =
        CHolidayNote::FromLine("YEAR`11`1`Thanksgiving``1`1`5`4`11`1"); // 4th Thursday
    ExpectMidnightOf(NextAfter(*thanksgiving, Day(2026, 11, 1)), 2026, 11, 26);
    ExpectMidnightOf(NextAfter(*thanksgiving, Day(2026, 11, 27)), 2027, 11, 25);
    const auto memorial =
        CHolidayNote::FromLine("YEAR`5`1`Memorial Day``1`1`2`5`5`1"); // last Monday
    ExpectMidnightOf(NextAfter(*memorial, Day(2027, 1, 1)), 2027, 5, 31);
    // The date fields mean nothing to a weekday rule: a line with zeros there still works.
    const auto labor = CHolidayNote::FromLine("YEAR`0`0`Labor Day``1`1`2`1`9`1");
    ASSERT_TRUE(labor);
    ExpectMidnightOf(NextAfter(*labor, Day(2026, 1, 1)), 2026, 9, 7);
}

TEST_F(HolidayNoteTest, FixedDatesNoYearHasAreNoHoliday) {
    EXPECT_FALSE(CHolidayNote::FromLine("YEAR`4`31`Nothing``1`0`1`1`1`1"));
    EXPECT_FALSE(CHolidayNote::FromLine("YEAR`13`1`Nothing``1`0`1`1`1`1"));
    EXPECT_FALSE(CHolidayNote::FromLine("YEAR"));
}

TEST_F(HolidayNoteTest, StaysOutOfTheDataFileAndCopiesWhole) {
    auto easter = CHolidayNote::FromLine("EASTER`Easter Sunday`0");
    CArchive ar;
    easter->Serialize(ar);
    EXPECT_TRUE(ar.Buffer().empty());

    const std::unique_ptr<CNote> copy = easter->Clone();
    const auto* holiday = dynamic_cast<const CHolidayNote*>(copy.get());
    ASSERT_NE(holiday, nullptr);
    EXPECT_EQ(holiday->m_nSpecial, 1);
    EXPECT_EQ(holiday->m_strTitle, "EASTER");
    EXPECT_EQ(holiday->m_bActive, 0); // a holiday switched off stays off
    ExpectMidnightOf(NextAfter(*holiday, Day(2024, 1, 1)), 2024, 3, 31);
}

TEST_F(HolidayNoteTest, ManagerGivesHolidaysTheirOwnIDs) {
    CNoteManager manager;
    CNote* first = manager.Add(CHolidayNote::FromLine("EASTER``1"));
    CNote* second = manager.Add(CHolidayNote::FromLine("EASTER``1"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->m_nID, 1);
    EXPECT_EQ(second->m_nID, 2);
    EXPECT_EQ(manager.m_nNextAlarmID, 0); // holidays never ring
}

} // namespace
