// The lines of the agenda: every occurrence of the range as the grid finds
// it with every repetition shown, which of them the options keep, the Moon
// and the Sun, and the order: by time, then by ID.
#include "agenda/AgendaLines.h"

#include "almanac/HolidayList.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "tests/store/NoteFactory.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class AgendaLinesTest : public ::testing::Test {
protected:
    AgendaLinesTest() {
        ResetProgramFlags();
        CHolidayList::AddLine(m_data.m_noteManager, "YEAR`12`8`Harvest``1`0`1`1`1`1");
        m_data.AddNote(MakeMemo("Memo", COleDateTime(2026, 12, 8, 10, 0, 0)));
        m_data.AddNote(MakeOneTime("Dentist", COleDateTime(2026, 12, 9, 9, 0, 0), 1, 0, 2));
        m_data.AddNote(
            MakeRepeated("Rent", COleDateTime(2026, 12, 1, 8, 0, 0), kRepeatDay, 1, 0, 0, 1));
        m_data.Clone(*m_data.LookupNote(600), 1); // a history copy at the memo's time
        auto gym = MakeRepeated("Gym", COleDateTime(2026, 12, 1, 7, 0, 0), kRepeatDay);
        gym->m_dtEnd = COleDateTime(2026, 12, 9, 0, 0, 0); // the last one on the 8th
        m_data.AddNote(std::move(gym));
    }
    ~AgendaLinesTest() override { ResetProgramFlags(); }

    // Each line as "date time kind id title [category]".
    Lines Collect(int y, int m, int d, int days, void (*set)(AgendaSelection&)) const {
        AgendaSelection selection;
        selection.range = {COleDateTime(y, m, d, 0, 0, 0), days};
        set(selection);
        Lines lines;
        for (const CAgendaLine& line : CollectAgenda(m_data, selection)) {
            lines.push_back(line.when.Format("%Y-%m-%d %H:%M ") + AgendaKindName(line.kind) + " " +
                            std::to_string(line.id) + " " + std::string(line.title));
            if (!line.category.empty()) lines.back().append(" [").append(line.category) += "]";
        }
        return lines;
    }

    CTestClock m_clock{COleDateTime(2026, 12, 6, 9, 0, 0)};
    CCalendarData m_data;
};

TEST_F(AgendaLinesTest, EveryOccurrenceByTimeThenID) {
    Lines all = {"2026-12-07 07:00 recurring 604 Gym",
                 "2026-12-07 08:00 recurring 602 Rent [Payment]",
                 "2026-12-08 07:00 recurring 604 Gym",
                 "2026-12-08 08:00 recurring 602 Rent [Payment]",
                 "2026-12-08 10:00 memo 600 Memo",
                 "2026-12-08 10:00 history 603 Memo",
                 "2026-12-09 08:00 recurring 602 Rent [Payment]",
                 "2026-12-09 09:00 once 601 Dentist [Appointment]",
                 "2026-12-10 08:00 recurring 602 Rent [Payment]"};
    EXPECT_EQ(Collect(2026, 12, 7, 4, [](AgendaSelection&) {}), all);
    all.erase(all.begin() + 5);
    EXPECT_EQ(Collect(2026, 12, 7, 4, [](AgendaSelection& s) { s.history = false; }), all);
    EXPECT_EQ(g_bShowHistory, 1) << "the History toggle is left as it was";
    EXPECT_EQ(Collect(2026, 12, 9, 1, [](AgendaSelection& s) { s.categoryID = 1; }),
              Lines{"2026-12-09 08:00 recurring 602 Rent [Payment]"});
    // Holidays on asking, whatever the category.
    EXPECT_EQ(Collect(2026, 12, 8, 1,
                      [](AgendaSelection& s) {
                          s.holidays = true;
                          s.categoryID = 2;
                      }),
              Lines{"2026-12-08 00:00 holiday 1 Harvest"});
}

TEST_F(AgendaLinesTest, TheMoonOnTheDaysTheGridMarksAndTheSunAtThePlaceOfTheSettings) {
    EXPECT_EQ(Collect(2000, 1, 1, 31, [](AgendaSelection& s) { s.moon = true; }),
              (Lines{"2000-01-06 00:00 moon 0 New Moon", "2000-01-14 00:00 moon 0 First Quarter",
                     "2000-01-21 00:00 moon 0 Full Moon", "2000-01-28 00:00 moon 0 Last Quarter"}));
    const auto sun = [](AgendaSelection& s) { s.sun = true; };
    m_data.m_dTimeZone = -5;
    m_data.m_bDaylightSaving = 1;
    EXPECT_EQ(Collect(2003, 6, 21, 1, sun),
              (Lines{"2003-06-21 05:25 sunrise 0 Sunrise", "2003-06-21 20:31 sunset 0 Sunset"}));
    // A zone far from the place pushes the sunset past the range.
    m_data.m_dTimeZone = 3;
    m_data.m_bDaylightSaving = 0;
    EXPECT_EQ(Collect(2003, 6, 21, 1, sun), Lines{"2003-06-21 12:25 sunrise 0 Sunrise"});
    m_data.m_dLatDeg = 70;
    EXPECT_EQ(Collect(2003, 6, 21, 1, sun), Lines{}) << "polar day";
}

} // namespace
