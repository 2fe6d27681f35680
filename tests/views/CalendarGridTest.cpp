// The calendar's periods and selection, and the days its moon marks fall on.
#include "views/CalendarGrid.h"
#include "tests/support/DateExpect.h"
#include "views/MoonMarks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <string>

namespace {

COleDateTime Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

struct MonthCase {
    const char* what;
    int year, month;
    bool weekStartsSunday;
    int rows;
    int firstYear, firstMonth, firstDay;
};

TEST(CalendarGrid, MonthRowsAndFirstShownDay) {
    const MonthCase cases[] = {
        {"28-day February on the first column", 2015, 2, true, 6, 2015, 2, 1},
        {"the same February with Monday weeks", 2015, 2, false, 5, 2015, 1, 26},
        {"28-day February mid-week", 2017, 2, true, 5, 2017, 1, 29},
        {"31 days from the last column (Saturday)", 2015, 8, true, 6, 2015, 7, 26},
        {"31 days from the last column (Sunday)", 2015, 3, false, 6, 2015, 2, 23},
        {"30 days from the first column (Sunday)", 2015, 11, true, 5, 2015, 11, 1},
        {"30 days from the first column (Monday)", 2015, 6, false, 5, 2015, 6, 1},
    };
    for (const MonthCase& c : cases) {
        SCOPED_TRACE(c.what);
        CCalendarGrid grid;
        ASSERT_TRUE(grid.SetMonth(c.year, c.month, c.weekStartsSunday, false));
        EXPECT_TRUE(grid.IsMonth());
        EXPECT_EQ(grid.Rows(), c.rows);
        EXPECT_EQ(grid.CellCount(), 7 * c.rows);
        ExpectMidnightOf(grid.FirstDay(), c.firstYear, c.firstMonth, c.firstDay);
        EXPECT_EQ(grid.Year(), c.year);
        EXPECT_EQ(grid.Month(), c.month);
    }
}

TEST(CalendarGrid, FebruaryOnTheFirstColumnEndsWithTwoRowsOfMarch) {
    CCalendarGrid grid;
    ASSERT_TRUE(grid.SetMonth(2015, 2, true, false));
    for (int cell = 28; cell < grid.CellCount(); ++cell)
        EXPECT_EQ(grid.DayOf(cell).GetMonth(), 3) << cell;
    ExpectMidnightOf(grid.LastDay(), 2015, 3, 14);
}

TEST(CalendarGrid, AWeekRunsMondayToSundayWhateverTheOptionSays) {
    CCalendarGrid grid;
    // A Sunday, late in the day: its week began six days earlier.
    ASSERT_TRUE(grid.SetWeek(COleDateTime(2015, 3, 8, 18, 45, 0), false));
    EXPECT_FALSE(grid.IsMonth());
    EXPECT_EQ(grid.CellCount(), 7);
    ExpectMidnightOf(grid.FirstDay(), 2015, 3, 2);
    ExpectMidnightOf(grid.LastDay(), 2015, 3, 8);
    // A week across two months names the month of the date it was laid out for.
    ASSERT_TRUE(grid.SetWeek(Day(2015, 3, 1), false));
    ExpectMidnightOf(grid.FirstDay(), 2015, 2, 23);
    EXPECT_EQ(grid.Month(), 3);
}

struct MoveCase {
    const char* what;
    bool month;
    COleDateTime start; // a day of the shown period
    int n;
    std::optional<COleDateTime> first; // the new first shown day; none: nothing moves
};

TEST(CalendarGrid, MoveStaysWithin2000To2099) {
    const MoveCase cases[] = {
        {"past December 2099", true, Day(2099, 12, 1), +1, std::nullopt},
        {"a year before January 2000", true, Day(2000, 1, 1), -12, std::nullopt},
        {"a month before January 2000", true, Day(2000, 1, 1), -1, std::nullopt},
        {"into December 2099", true, Day(2099, 11, 1), +1, Day(2099, 11, 29)},
        {"a year on from January 2000", true, Day(2000, 1, 1), +12, Day(2000, 12, 31)},
        {"back from a month on the first column", true, Day(2015, 11, 1), -1, Day(2015, 9, 27)},
        {"back from February on the first column", true, Day(2015, 2, 1), -1, Day(2014, 12, 28)},
        {"back over a year's end", true, Day(2026, 12, 1), -13, Day(2025, 10, 26)},
        {"on over a year's end", true, Day(2026, 12, 1), +14, Day(2028, 1, 30)},
        {"a week past 2099", false, Day(2099, 12, 31), +1, std::nullopt},
        {"a week before 2000", false, Day(2000, 1, 1), -1, std::nullopt},
        {"four weeks on", false, Day(2026, 12, 8), +4, Day(2027, 1, 4)},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        CCalendarGrid grid;
        ASSERT_TRUE(c.month ? grid.SetMonth(c.start.GetYear(), c.start.GetMonth(), true, false)
                            : grid.SetWeek(c.start, false));
        const COleDateTime before = grid.FirstDay();
        EXPECT_EQ(grid.Move(c.n, true), c.first.has_value());
        const COleDateTime after = c.first.value_or(before);
        ExpectMidnightOf(grid.FirstDay(), after.GetYear(), after.GetMonth(), after.GetDay());
    }
}

struct SelectionCase {
    const char* what;
    COleDateTime selected;
    bool restore;
    int year, month; // the month laid out next
    COleDateTime expected;
};

TEST(CalendarGrid, SelectionAfterALayout) {
    // December 2026 is shown first, with the given day selected.
    const SelectionCase cases[] = {
        {"still shown: kept", Day(2026, 12, 30), false, 2027, 1, Day(2026, 12, 30)},
        {"no longer shown: the first cell", Day(2026, 12, 15), false, 2027, 1, Day(2026, 12, 27)},
        {"restored: the same place in the grid", Day(2026, 12, 15), true, 2026, 12,
         Day(2026, 12, 15)},
        {"restored in another month: that place's day", Day(2026, 12, 15), true, 2027, 1,
         Day(2027, 1, 12)},
    };
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE(c.what);
        CCalendarGrid grid;
        grid.SetSelectedDate(c.selected);
        ASSERT_TRUE(grid.SetMonth(2026, 12, true, false));
        ASSERT_TRUE(grid.SetMonth(c.year, c.month, true, c.restore));
        const COleDateTime& e = c.expected;
        ExpectMidnightOf(grid.SelectedDate(), e.GetYear(), e.GetMonth(), e.GetDay());
        EXPECT_EQ(grid.DayOf(grid.SelectedCell()), grid.SelectedDate());
    }
}

// Sets TZ for one test and puts the old zone back afterwards.
class ZoneScope {
public:
    explicit ZoneScope(const char* zone) {
        if (const char* old = std::getenv("TZ")) m_old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneScope() {
        if (m_old)
            setenv("TZ", m_old->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

private:
    std::optional<std::string> m_old;
};

struct MoonCase {
    const char* zone;
    // Day of the grid's days (26 December 1999 to 5 February 2000) -> phase.
    std::map<std::pair<int, int>, int> marks;
};

TEST(MoonMarks, JanuaryTwoThousandOnTheLocalDay) {
    // The phases in universal time: last quarter 29 December 14:04, new moon
    // 6 January 18:14, first quarter 14 January 13:34, full moon 21 January
    // 04:40, last quarter 28 January 07:57, new moon 5 February 13:03. Tokyo
    // is nine hours ahead, Los Angeles eight behind.
    const MoonCase cases[] = {
        {"UTC",
         {{{12, 29}, 3}, {{1, 6}, 0}, {{1, 14}, 1}, {{1, 21}, 2}, {{1, 28}, 3}, {{2, 5}, 0}}},
        {"Asia/Tokyo",
         {{{12, 29}, 3}, {{1, 7}, 0}, {{1, 14}, 1}, {{1, 21}, 2}, {{1, 28}, 3}, {{2, 5}, 0}}},
        {"America/Los_Angeles",
         {{{12, 29}, 3}, {{1, 6}, 0}, {{1, 14}, 1}, {{1, 20}, 2}, {{1, 27}, 3}, {{2, 5}, 0}}},
    };
    CCalendarGrid grid;
    ASSERT_TRUE(grid.SetMonth(2000, 1, true, false));
    ASSERT_EQ(grid.CellCount(), 42);
    for (const MoonCase& c : cases) {
        SCOPED_TRACE(c.zone);
        const ZoneScope zone(c.zone);
        const std::vector<int> marks = GridMoonMarks(grid.FirstDay(), grid.CellCount());
        ASSERT_EQ(marks.size(), 42u);
        for (int cell = 0; cell < 42; ++cell) {
            const COleDateTime day = grid.DayOf(cell);
            const auto found = c.marks.find({day.GetMonth(), day.GetDay()});
            EXPECT_EQ(marks[cell], found == c.marks.end() ? -1 : found->second)
                << day.Format("%Y-%m-%d");
        }
    }
}

TEST(MoonMarks, AWeekMarksOnlyItsOwnDays) {
    // 10 to 16 January 2000: only the first quarter of the 14th.
    const std::vector<int> marks = GridMoonMarks(Day(2000, 1, 10), 7);
    EXPECT_EQ(marks, (std::vector<int>{-1, -1, -1, -1, 1, -1, -1}));
}

} // namespace
