#include "store/NoteManager.h"
#include "store/ProgramFlags.h"

#include "tests/store/NoteFactory.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

// Tuesday 8 December 2026, 09:30.
const COleDateTime kNow(2026, 12, 8, 9, 30, 0);
// The month grid of December 2026 starts on Sunday 29 November.
const COleDateTime kGridStart(2026, 11, 29, 0, 0, 0);

class NoteQueriesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    std::vector<std::string> Titles(int range, WORD category = 0, int sortOrder = 0) const {
        std::vector<CNote*> notes;
        const BOOL found = m_manager.GetNotes(notes, range, category, sortOrder);
        EXPECT_EQ(found != 0, !notes.empty());
        std::vector<std::string> titles;
        for (const CNote* note : notes)
            titles.push_back(note->m_strTitle);
        return titles;
    }

    std::vector<std::vector<CNoteOccurrence>> MonthGrid(BOOL firstOnly = 0, WORD category = 0) {
        std::vector<std::vector<CNoteOccurrence>> days;
        m_manager.FillGrid(days, category, kGridStart, kGridStart + CUtility::FortyTwoDay,
                           firstOnly);
        return days;
    }

    static std::size_t Total(const std::vector<std::vector<CNoteOccurrence>>& days) {
        return std::accumulate(days.begin(), days.end(), std::size_t{0},
                               [](std::size_t n, const auto& day) { return n + day.size(); });
    }

    CTestClock m_clock{kNow};
    CNoteManager m_manager;
};

using TitleList = std::vector<std::string>;

// hour:minute on the grid's day `day`, built from its fields.
COleDateTime GridTime(std::size_t day, int hour, int minute) {
    const COleDateTime date = kGridStart + CUtility::OneDay * static_cast<double>(day);
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), hour, minute, 0);
}

// ---- the notes list ------------------------------------------------------------

TEST_F(NoteQueriesTest, RangesTodayMonthAndAll) {
    m_manager.Add(MakeMemo("today", COleDateTime(2026, 12, 8, 18, 0, 0)));
    m_manager.Add(MakeMemo("this month", COleDateTime(2026, 12, 31, 8, 0, 0)));
    m_manager.Add(MakeMemo("next month", COleDateTime(2027, 1, 1, 8, 0, 0)));
    m_manager.Add(MakeMemo("a year ago", COleDateTime(2025, 12, 8, 8, 0, 0)));
    EXPECT_EQ(Titles(kRangeToday), TitleList({"today"}));
    EXPECT_EQ(Titles(kRangeMonth), TitleList({"today", "this month"}));
    EXPECT_EQ(Titles(kRangeAll).size(), 4u);
    EXPECT_EQ(Titles(9), TitleList{}); // not a range
}

TEST_F(NoteQueriesTest, TheWeekStartsOnSundayOrMonday) {
    m_clock.Set(COleDateTime(2026, 12, 6, 10, 0, 0)); // a Sunday
    m_manager.Add(MakeMemo("Monday before", COleDateTime(2026, 11, 30, 9, 0, 0)));
    m_manager.Add(MakeMemo("Saturday before", COleDateTime(2026, 12, 5, 23, 0, 0)));
    m_manager.Add(MakeMemo("Sunday", COleDateTime(2026, 12, 6, 9, 0, 0)));
    m_manager.Add(MakeMemo("Saturday after", COleDateTime(2026, 12, 12, 23, 59, 0)));
    m_manager.Add(MakeMemo("Sunday after", COleDateTime(2026, 12, 13, 0, 0, 0)));
    m_manager.m_bWeekFromSunday = 1;
    EXPECT_EQ(Titles(kRangeWeek), TitleList({"Sunday", "Saturday after"}));
    m_manager.m_bWeekFromSunday = 0;
    EXPECT_EQ(Titles(kRangeWeek), TitleList({"Monday before", "Saturday before", "Sunday"}));
}

TEST_F(NoteQueriesTest, ANoteWithAnOccurrenceIsListedUnderIt) {
    auto once = MakeOneTime("moved on", COleDateTime(2026, 11, 1, 9, 0, 0));
    once->m_dtOccurrence = COleDateTime(2026, 12, 8, 9, 0, 0);
    m_manager.Add(std::move(once));
    auto history = MakeOneTime("history", COleDateTime(2026, 11, 1, 9, 0, 0));
    history->m_dtOccurrence = COleDateTime(2026, 12, 8, 9, 0, 0);
    history->m_bHistory = 1;
    m_manager.Add(std::move(history));
    EXPECT_EQ(Titles(kRangeToday), TitleList({"moved on"}));
}

TEST_F(NoteQueriesTest, CategoryHistoryActiveAndExpiredFilters) {
    m_manager.Add(MakeMemo("payment", kNow, 1));
    m_manager.Add(MakeMemo("birthday", kNow, 3));
    auto hidden = MakeMemo("switched off", kNow, 1);
    hidden->m_bActive = 0;
    m_manager.Add(std::move(hidden));
    auto history = MakeMemo("history", kNow, 1);
    history->m_bHistory = 1;
    m_manager.Add(std::move(history));
    auto ended = MakeRepeated("ended", COleDateTime(2026, 11, 1, 9, 0, 0), kRepeatDay, 1, 0, 0, 1);
    ended->m_dtEnd = COleDateTime(2026, 12, 1, 0, 0, 0);
    m_manager.Add(std::move(ended));

    EXPECT_EQ(Titles(kRangeAll, 1), TitleList({"payment", "history"}));
    EXPECT_EQ(Titles(kRangeAll, 3), TitleList({"birthday"}));
    EXPECT_EQ(Titles(kRangeAll, 2), TitleList{});
    g_bShowHistory = 0;
    EXPECT_EQ(Titles(kRangeAll, 0), TitleList({"payment", "birthday"}));
}

TEST_F(NoteQueriesTest, SortOrders) {
    m_manager.Add(MakeMemo("b", COleDateTime(2026, 12, 2, 9, 0, 0)));
    m_manager.Add(MakeMemo("c", COleDateTime(2026, 12, 1, 9, 0, 0)));
    m_manager.Add(MakeMemo("a", COleDateTime(2026, 12, 3, 9, 0, 0)));
    m_manager.Add(MakeMemo("B", COleDateTime(2026, 12, 2, 9, 0, 0)));
    EXPECT_EQ(Titles(kRangeAll, 0, kSortDateAscending), TitleList({"c", "b", "B", "a"}));
    EXPECT_EQ(Titles(kRangeAll, 0, kSortDateDescending), TitleList({"a", "b", "B", "c"}));
    EXPECT_EQ(Titles(kRangeAll, 0, kSortTitleAscending), TitleList({"B", "a", "b", "c"}));
    EXPECT_EQ(Titles(kRangeAll, 0, kSortTitleDescending), TitleList({"c", "b", "a", "B"}));
    EXPECT_EQ(Titles(kRangeAll, 0, 0), TitleList({"b", "c", "a", "B"}));
}

TEST_F(NoteQueriesTest, TitlesCompareByteWiseAndEqualTitlesKeepTheirOrder) {
    m_manager.Add(MakeMemo("\xC3\x89t\xC3\xA9", kNow)); // Été sorts after every ASCII title
    m_manager.Add(MakeMemo("same", COleDateTime(2026, 12, 1, 9, 0, 0)));
    m_manager.Add(MakeMemo("Zebra", kNow));
    m_manager.Add(MakeMemo("same", COleDateTime(2026, 12, 2, 9, 0, 0)));
    std::vector<CNote*> notes;
    m_manager.GetNotes(notes, kRangeAll, 0, kSortTitleDescending);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0]->m_strTitle, "\xC3\x89t\xC3\xA9");
    EXPECT_EQ(notes[1]->m_nID, 601);
    EXPECT_EQ(notes[2]->m_nID, 603);
    EXPECT_EQ(notes[3]->m_strTitle, "Zebra");
}

TEST_F(NoteQueriesTest, SortingTensOfThousandsOfOrderedNotesStaysOrdered) {
    // Already in order, in reverse, and all equal: the inputs that take a
    // naive quicksort to quadratic time and unbounded depth.
    constexpr int kCount = 30000;
    for (int i = 0; i < kCount; ++i)
        m_manager.Add(MakeMemo(std::string(1, 'a' + i % 3), kGridStart + CUtility::OneMinute * i));
    for (int order : {kSortDateAscending, kSortDateDescending, kSortTitleAscending}) {
        std::vector<CNote*> notes;
        ASSERT_TRUE(m_manager.GetNotes(notes, kRangeAll, 0, order));
        ASSERT_EQ(notes.size(), static_cast<std::size_t>(kCount));
        for (std::size_t i = 1; i < notes.size(); ++i) {
            const CNote& a = *notes[i - 1];
            const CNote& b = *notes[i];
            if (order == kSortDateAscending)
                ASSERT_LT(a.m_dtStart, b.m_dtStart);
            else if (order == kSortDateDescending)
                ASSERT_GT(a.m_dtStart, b.m_dtStart);
            else
                ASSERT_TRUE(a.m_strTitle < b.m_strTitle ||
                            (a.m_strTitle == b.m_strTitle && a.m_nID < b.m_nID));
        }
    }
}

// ---- the calendar grid -----------------------------------------------------------

TEST_F(NoteQueriesTest, AMonthGridHas42DaysAndAWeekGrid7) {
    auto days = MonthGrid();
    EXPECT_EQ(days.size(), 42u);
    m_manager.FillGrid(days, 0, kGridStart, kGridStart + CUtility::SevenDay, 0);
    EXPECT_EQ(days.size(), 7u);
}

TEST_F(NoteQueriesTest, OneTimeEntriesLandOnTheirDay) {
    m_manager.Add(MakeMemo("first day", kGridStart + CUtility::OneHour * 9));
    m_manager.Add(MakeMemo("last day", COleDateTime(2027, 1, 9, 23, 59, 0)));
    m_manager.Add(MakeMemo("day after", COleDateTime(2027, 1, 10, 0, 0, 0)));
    m_manager.Add(MakeMemo("day before", COleDateTime(2026, 11, 28, 23, 59, 0)));
    auto once = MakeOneTime("once", COleDateTime(2026, 11, 1, 9, 0, 0));
    once->m_dtOccurrence = COleDateTime(2026, 12, 24, 18, 0, 0);
    m_manager.Add(std::move(once));
    const auto days = MonthGrid();
    EXPECT_EQ(Total(days), 3u);
    ASSERT_EQ(days[0].size(), 1u);
    EXPECT_EQ(days[0][0].m_pNote->m_strTitle, "first day");
    ASSERT_EQ(days[41].size(), 1u);
    EXPECT_EQ(days[41][0].m_pNote->m_strTitle, "last day");
    ASSERT_EQ(days[25].size(), 1u);
    EXPECT_EQ(days[25][0].m_dtTime, COleDateTime(2026, 12, 24, 18, 0, 0));
}

TEST_F(NoteQueriesTest, AnHourlyNoteFillsEveryHourOfEveryDay) {
    m_clock.Set(COleDateTime(2026, 11, 1, 0, 0, 0));
    m_manager.Add(MakeRepeated("hourly", COleDateTime(2026, 11, 1, 0, 30, 0), kRepeatHour));
    const auto days = MonthGrid();
    for (std::size_t i = 0; i < days.size(); ++i) {
        ASSERT_EQ(days[i].size(), 24u) << "day " << i;
        for (int h = 0; h < 24; ++h)
            EXPECT_EQ(days[i][h].m_dtTime, GridTime(i, h, 30));
    }
    EXPECT_EQ(Total(MonthGrid(1)), 1u);
}

TEST_F(NoteQueriesTest, ARepeatedNoteStopsAtItsEndDate) {
    // A daily note at 08:00; the grid starts on 29 November.
    const struct {
        COleDateTime end;
        std::size_t shown;
    } cases[] = {
        {COleDateTime(2026, 11, 20, 0, 0, 0), 0},  // ended before the grid
        {COleDateTime(2026, 11, 29, 0, 0, 0), 0},  // ended as the grid starts
        {COleDateTime(2026, 11, 29, 8, 0, 0), 0},  // at its first occurrence in the grid
        {COleDateTime(2026, 11, 29, 8, 1, 0), 1},  // just after it
        {COleDateTime(2026, 12, 10, 0, 0, 0), 11}, // 29 November up to 9 December
    };
    m_clock.Set(COleDateTime(2026, 11, 1, 0, 0, 0));
    for (const auto& c : cases) {
        m_manager.RemoveAll();
        auto daily = MakeRepeated("daily", COleDateTime(2026, 11, 1, 8, 0, 0), kRepeatDay);
        daily->m_dtEnd = c.end;
        m_manager.Add(std::move(daily));
        const auto days = MonthGrid();
        EXPECT_EQ(Total(days), c.shown) << c.end.Format("%c");
        if (c.shown > 0) {
            EXPECT_EQ(days[c.shown - 1].size(), 1u) << c.end.Format("%c");
        }
        EXPECT_TRUE(days[c.shown].empty()) << c.end.Format("%c");
    }
}

TEST_F(NoteQueriesTest, GridFiltersAndOrderWithinADay) {
    const COleDateTime day(2026, 12, 8, 0, 0, 0);
    m_manager.Add(MakeMemo("evening", day + CUtility::OneHour * 20, 1));
    m_manager.Add(MakeMemo("morning", day + CUtility::OneHour * 8, 2));
    auto history = MakeMemo("history", day + CUtility::OneHour * 12, 1);
    history->m_bHistory = 1;
    m_manager.Add(std::move(history));
    auto off = MakeMemo("off", day + CUtility::OneHour * 13);
    off->m_bActive = 0;
    m_manager.Add(std::move(off));

    auto days = MonthGrid();
    const auto& cell = days[9];
    ASSERT_EQ(cell.size(), 3u);
    EXPECT_EQ(cell[0].m_pNote->m_strTitle, "morning");
    EXPECT_EQ(cell[1].m_pNote->m_strTitle, "history");
    EXPECT_EQ(cell[2].m_pNote->m_strTitle, "evening");
    EXPECT_EQ(MonthGrid(0, 1)[9].size(), 2u);
    g_bShowHistory = 0;
    EXPECT_EQ(MonthGrid()[9].size(), 2u);
}

TEST_F(NoteQueriesTest, ANoteWhoseClassDisagreesWithItsKindIsShownAsAMemo) {
    // A kind code of a one-time note on a plain note object.
    m_manager.Add(std::make_unique<CNote>(kNoteOneTime, "odd", "", kNow, 0));
    const auto days = MonthGrid();
    ASSERT_EQ(days[9].size(), 1u);
    EXPECT_EQ(days[9][0].m_dtTime, kNow);
    EXPECT_EQ(Titles(kRangeToday), TitleList({"odd"}));
}

TEST_F(NoteQueriesTest, ASeriesThatDoesNotMoveOnEndsTheNote) {
    // Damaged records: a unit the program does not know answers the anchor
    // for every probe, and an occurrence behind its anchor answers itself.
    m_clock.Set(COleDateTime(2026, 11, 1, 0, 0, 0));
    auto unknownUnit = MakeRepeated("unit 9", COleDateTime(2026, 12, 1, 8, 0, 0), kRepeatDay);
    unknownUnit->m_nRepeatUnit = 9;
    m_manager.Add(std::move(unknownUnit));
    auto behind = MakeRepeated("behind", COleDateTime(2026, 12, 1, 8, 0, 0), kRepeatDay);
    behind->m_dtLastOccurrence = COleDateTime(2026, 12, 20, 8, 0, 0);
    behind->m_dtOccurrence = COleDateTime(2026, 12, 2, 8, 0, 0);
    m_manager.Add(std::move(behind));
    const auto days = MonthGrid();
    EXPECT_EQ(days[2].size(), 1u); // unit 9 at its anchor
    EXPECT_EQ(days[3].size(), 1u); // "behind" at its stored occurrence
}

} // namespace
