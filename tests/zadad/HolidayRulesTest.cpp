#include "tests/support/DateExpect.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// The eleven results of a parse, started from values a parse never writes so
// that the fields it leaves alone can be told apart.
struct Parsed {
    int isDated = -7, month = -7, day = -7, interval = -7, byWeekday = -7, weekday = -7,
        weekOrdinal = -7, ruleMonth = -7, active = -7;
    std::string name = "untouched", description = "untouched";
    int result = -7;
};

Parsed Parse(const std::string& line) {
    Parsed p;
    p.result = CUtility::ParseHolidayString(line, p.isDated, p.name, p.description, p.month, p.day,
                                            p.interval, p.byWeekday, p.weekday, p.weekOrdinal,
                                            p.ruleMonth, p.active);
    return p;
}

// Easter by the anonymous Gregorian algorithm (Meeus, Jones, Butcher), a
// different computation from the program's, to check it against.
void EasterByMeeusJonesButcher(int year, int& month, int& day) {
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    month = (h + l - 7 * m + 114) / 31;
    day = (h + l - 7 * m + 114) % 31 + 1;
}

TEST(HolidayLine, DatedLineFillsEveryField) {
    const Parsed p = Parse("YEAR`7`4`Independence Day``1`0`1`1`1`1");
    EXPECT_EQ(p.result, 1);
    EXPECT_EQ(p.isDated, 1);
    EXPECT_EQ(p.month, 7);
    EXPECT_EQ(p.day, 4);
    EXPECT_EQ(p.name, "Independence Day");
    EXPECT_EQ(p.description, "");
    EXPECT_EQ(p.interval, 1);
    EXPECT_EQ(p.byWeekday, 0);
    EXPECT_EQ(p.weekday, 1);
    EXPECT_EQ(p.weekOrdinal, 1);
    EXPECT_EQ(p.ruleMonth, 1);
    EXPECT_EQ(p.active, 1);
}

TEST(HolidayLine, WeekdayRuleAndTextKeepTheirSpaces) {
    const Parsed p = Parse("YEAR`11`1`  Thanksgiving `turkey day `1`1`5`4`11`1");
    EXPECT_EQ(p.name, "  Thanksgiving ");
    EXPECT_EQ(p.description, "turkey day ");
    EXPECT_EQ(p.byWeekday, 1);
    EXPECT_EQ(p.weekday, 5);
    EXPECT_EQ(p.weekOrdinal, 4);
    EXPECT_EQ(p.ruleMonth, 11);
}

TEST(HolidayLine, YearAloneGivesZerosAndEmptyTexts) {
    const Parsed p = Parse("YEAR");
    EXPECT_EQ(p.result, 1);
    EXPECT_EQ(p.isDated, 1);
    for (int value :
         {p.month, p.day, p.interval, p.byWeekday, p.weekday, p.weekOrdinal, p.ruleMonth, p.active})
        EXPECT_EQ(value, 0);
    EXPECT_EQ(p.name, "");
    EXPECT_EQ(p.description, "");
}

TEST(HolidayLine, NumbersAreReadLikeAtoi) {
    const Parsed p = Parse("YEAR`  12abc`-3`n`d`x`1`+5`99999999999`-99999999999`1");
    EXPECT_EQ(p.month, 12);
    EXPECT_EQ(p.day, -3);
    EXPECT_EQ(p.interval, 0);
    EXPECT_EQ(p.weekday, 5);
    // Too large for an int: held at the limit rather than wrapping.
    EXPECT_EQ(p.weekOrdinal, INT_MAX);
    EXPECT_EQ(p.ruleMonth, INT_MIN);
}

TEST(HolidayLine, FlagsAreOnlyAnExactOne) {
    EXPECT_EQ(Parse("YEAR`1`1`n`d`1`1 `1`1`1`11").byWeekday, 0);
    EXPECT_EQ(Parse("YEAR`1`1`n`d`1`01`1`1`1`1").byWeekday, 0);
    EXPECT_EQ(Parse("YEAR`1`1`n`d`1`1`1`1`1`11").active, 0);
    EXPECT_EQ(Parse("EASTER`d`yes").active, 0);
    EXPECT_EQ(Parse("EASTER`d`1\r").active, 0);
}

TEST(HolidayLine, BacktickInDescriptionShiftsTheFields) {
    const Parsed p = Parse("YEAR`12`25`Christmas`a`b`1`0`1`1`1`1");
    EXPECT_EQ(p.description, "a");
    EXPECT_EQ(p.interval, 0); // "b"
    EXPECT_EQ(p.byWeekday, 1);
    EXPECT_EQ(p.active, 1); // the eleventh field is now the old tenth
}

TEST(HolidayLine, SpecialLinesFillOnlyTheirOwnFields) {
    const Parsed easter = Parse("EASTER`Easter Sunday`1");
    EXPECT_EQ(easter.result, 1);
    EXPECT_EQ(easter.isDated, 0);
    EXPECT_EQ(easter.name, "EASTER");
    EXPECT_EQ(easter.description, "Easter Sunday");
    EXPECT_EQ(easter.active, 1);
    for (int value : {easter.month, easter.day, easter.interval, easter.byWeekday, easter.weekday,
                      easter.weekOrdinal, easter.ruleMonth})
        EXPECT_EQ(value, -7);

    const Parsed alone = Parse("EASTER");
    EXPECT_EQ(alone.result, 1);
    EXPECT_EQ(alone.description, "");
    EXPECT_EQ(alone.active, 0);

    EXPECT_EQ(Parse("GOOD FRIDAY``1").result, 1);
    EXPECT_EQ(Parse("ELECTION DAY`vote`0").result, 1);
}

TEST(HolidayLine, OtherLinesAreNotHolidays) {
    for (const char* line : {"Easter`x`1", "easter", "", "year`1`1", " EASTER`x`1",
                             "EASTER SUNDAY`x`1", "ELECTION  DAY"}) {
        const Parsed p = Parse(line);
        EXPECT_EQ(p.result, 0) << line;
        EXPECT_EQ(p.description, "untouched") << line;
        EXPECT_EQ(p.active, -7) << line;
    }
}

TEST(HolidayLine, SpecialNamesAreExactAndCaseSensitive) {
    for (std::string name : {"EASTER", "GOOD FRIDAY", "ELECTION DAY"})
        EXPECT_EQ(CUtility::IsSpecialHoliday(name), 1) << name;
    for (std::string name : {"Easter", "GOOD FRIDAY ", "ELECTION", "YEAR", ""})
        EXPECT_EQ(CUtility::IsSpecialHoliday(name), 0) << name;
}

TEST(HolidayDates, KnownEasterGoodFridayAndElectionDays) {
    ExpectMidnightOf(CUtility::GetEaster(2000), 2000, 4, 23);
    ExpectMidnightOf(CUtility::GetEaster(2003), 2003, 4, 20);
    ExpectMidnightOf(CUtility::GetEaster(2004), 2004, 4, 11);
    ExpectMidnightOf(CUtility::GetEaster(2024), 2024, 3, 31);
    ExpectMidnightOf(CUtility::GetEaster(1818), 1818, 3, 22); // earliest possible
    ExpectMidnightOf(CUtility::GetEaster(1943), 1943, 4, 25); // latest possible
    ExpectMidnightOf(CUtility::GetGoodFriday(2000), 2000, 4, 21);
    ExpectMidnightOf(CUtility::GetGoodFriday(2024), 2024, 3, 29);
    ExpectMidnightOf(CUtility::GetElectionDay(2004), 2004, 11, 2);
    ExpectMidnightOf(CUtility::GetElectionDay(2005), 2005, 11, 8); // 1 November a Tuesday
    ExpectMidnightOf(CUtility::GetElectionDay(2024), 2024, 11, 5);
}

TEST(HolidayDates, EasterAgreesWithASecondMethodFrom1583To4099) {
    for (int year = 1583; year <= 4099; ++year) {
        int month = 0;
        int day = 0;
        EasterByMeeusJonesButcher(year, month, day);
        const COleDateTime easter = CUtility::GetEaster(year);
        ASSERT_EQ(easter.GetStatus(), COleDateTime::valid) << year;
        ASSERT_EQ(easter.GetMonth(), month) << year;
        ASSERT_EQ(easter.GetDay(), day) << year;
        ASSERT_EQ(easter.GetDayOfWeek(), 1) << year;

        const COleDateTime friday = CUtility::GetGoodFriday(year);
        ASSERT_EQ(friday.GetDayOfWeek(), 6) << year;
        ASSERT_DOUBLE_EQ((easter - friday).GetTotalDays(), 2.0) << year;
    }
}

TEST(HolidayDates, ElectionDayIsTheTuesdayAfterTheFirstMondayOfNovember) {
    for (int year = 1900; year <= 2200; ++year) {
        const COleDateTime election = CUtility::GetElectionDay(year);
        ASSERT_EQ(election.GetDayOfWeek(), 3) << year;
        ASSERT_EQ(election.GetMonth(), 11) << year;
        ASSERT_GE(election.GetDay(), 2) << year;
        ASSERT_LE(election.GetDay(), 8) << year;
        const COleDateTime monday = election - CUtility::OneDay;
        ASSERT_LE(monday.GetDay(), 7) << year; // the first Monday of the month
    }
}

TEST(HolidayDates, YearsOutsideTheCalendarGiveInvalidDates) {
    for (int year : {99, 10000, -5, INT_MAX, INT_MIN}) {
        EXPECT_EQ(CUtility::GetEaster(year).GetStatus(), COleDateTime::invalid) << year;
        EXPECT_EQ(CUtility::GetGoodFriday(year).GetStatus(), COleDateTime::invalid) << year;
        EXPECT_EQ(CUtility::GetElectionDay(year).GetStatus(), COleDateTime::invalid) << year;
    }
    ExpectMidnightOf(CUtility::GetEaster(9999), 9999, 3, 28);
}

} // namespace
