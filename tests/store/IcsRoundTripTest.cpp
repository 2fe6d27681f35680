// Notes written to a calendar file and read back into an empty calendar
// occur at the same times for a year, with the same alarms. Any occurrence
// the two disagree on is listed.
#include "store/CalendarData.h"
#include "store/IcsExport.h"
#include "store/IcsImport.h"
#include "store/IcsImportReport.h"
#include "store/ProgramFlags.h"
#include "tests/store/IcsSamples.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace {

using Lines = std::vector<std::string>;

// Lines only in a, one per line, for the failure message.
std::string OnlyIn(const Lines& a, const Lines& b, const char* label) {
    Lines only;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(only));
    std::string text;
    for (const std::string& line : only)
        text += std::string(label) + ": " + line + "\n";
    return text;
}

Lines NextAlarms(const CCalendarData& data) {
    Lines lines;
    for (const auto& entry : data.m_noteManager.Notes())
        if (const COneTimeNote* timed = AsOneTime(*entry.second); timed && timed->m_bRemind)
            lines.push_back(timed->m_strTitle + " " + std::to_string(timed->m_nRemindDays) +
                            " days before, next " + timed->m_dtAlarm.Format("%Y-%m-%d %H:%M:%S"));
    std::sort(lines.begin(), lines.end());
    return lines;
}

class IcsRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    // original's notes, exported and imported into copy.
    CIcsImportResult RoundTrip(const CIcsExport::PlainText& plainText = nullptr) {
        const std::string text = CIcsExport::WriteCalendar(m_original, plainText);
        return CIcsImport::Import(m_copy, text, nullptr);
    }

    CTestClock m_clock{icssamples::kMadeAt};
    CCalendarData m_original;
    CCalendarData m_copy;
};

TEST_F(IcsRoundTripTest, EveryKindOccursAtTheSameTimesForAYear) {
    icssamples::AddSamples(m_original);
    const CIcsImportResult result = RoundTrip();
    ASSERT_TRUE(result.m_bRead) << result.m_strProblem;
    EXPECT_EQ(static_cast<std::size_t>(result.m_nAdded), m_original.m_noteManager.GetCount());
    EXPECT_TRUE(result.m_losses.empty()) << IcsImportReport(result, "the export");

    const Lines before = icssamples::OccurrenceLines(m_original, false);
    const Lines after = icssamples::OccurrenceLines(m_copy, false);
    std::set<std::string> titles;
    for (const std::string& line : before)
        titles.insert(line.substr(line.find_first_of(' ', 11) + 1));
    EXPECT_EQ(titles.size(), m_original.m_noteManager.GetCount()) << "every sample occurs";
    EXPECT_EQ(before, after) << OnlyIn(before, after, "only before the round trip")
                             << OnlyIn(after, before, "only after the round trip");
    EXPECT_EQ(NextAlarms(m_original), NextAlarms(m_copy));
    for (const auto& entry : m_copy.m_noteManager.Notes()) {
        bool sameKind = false;
        for (const auto& mine : m_original.m_noteManager.Notes())
            sameKind |= mine.second->m_strTitle == entry.second->m_strTitle &&
                        mine.second->m_nType == entry.second->m_nType;
        EXPECT_TRUE(sameKind) << entry.second->m_strTitle;
    }
}

TEST_F(IcsRoundTripTest, TitleTextAndCategoryComeBack) {
    auto note =
        std::make_unique<CNote>(kNoteMemo, "Zoë's party; bring cake, \\ and \"music\"",
                                "{\\rtf1 Line one\\par Line two}", icssamples::At(2026, 5, 2), 3);
    m_original.AddNote(std::move(note));
    // The copy's categories are in another order: the name finds the category.
    m_copy.m_arrCategories = {{0, "All"}, {7, "birthday"}, {3, "Payment"}};
    const CIcsImportResult result =
        RoundTrip([](std::string_view) { return std::string("Line one\nLine two — ünïcödé"); });
    ASSERT_EQ(result.m_nAdded, 1);
    const CNote& back = *m_copy.m_noteManager.Notes().begin()->second;
    EXPECT_EQ(back.m_strTitle, "Zoë's party; bring cake, \\ and \"music\"");
    EXPECT_EQ(back.m_strText, "Line one\nLine two — ünïcödé");
    EXPECT_EQ(back.m_wCategoryID, 7);
    EXPECT_TRUE(result.m_newCategories.empty());
}

} // namespace
