#include "almanac/HolidayList.h"
#include "almanac/HolidayNote.h"
#include "almanac/StartingHolidays.h"
#include "store/CalendarData.h"
#include "store/NoteManager.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class HolidayListTest : public testing::Test {
protected:
    void WriteFile(const std::string& content, const std::string& name = "Holiday.txt") {
        std::ofstream out(m_home.File(name), std::ios::binary);
        out << content;
    }
    std::string ReadFile(const std::string& name = "Holiday.txt") const {
        std::ifstream in(m_home.File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<const CHolidayNote*> Holidays() const {
        std::vector<const CHolidayNote*> out;
        for (const auto& entry : m_manager.Notes())
            if (const auto* h = dynamic_cast<const CHolidayNote*>(entry.second.get()))
                out.push_back(h);
        return out;
    }
    std::vector<std::string> LoadedTitles() const {
        std::vector<std::string> titles;
        for (const CHolidayNote* h : Holidays())
            titles.push_back(h->m_strTitle);
        return titles;
    }
    // The titles the calendar shows on one day.
    std::vector<std::string> ShownOn(int y, int m, int d) const {
        std::vector<std::vector<CNoteOccurrence>> days;
        const COleDateTime day(y, m, d, 0, 0, 0);
        m_manager.FillGrid(days, 0, day, day + COleDateTimeSpan(1.0), 0);
        if (days.size() != 1) return {"grid of " + std::to_string(days.size()) + " days"};
        std::vector<std::string> titles;
        for (const CNoteOccurrence& occ : days.at(0))
            titles.push_back(occ.m_pNote->m_strTitle);
        return titles;
    }

    CTestClock m_clock{COleDateTime(2026, 12, 8, 9, 30, 0)};
    CTempHome m_home;
    CFakeMessageBox m_box;
    CNoteManager m_manager;
};

using Names = std::vector<std::string>;

TEST_F(HolidayListTest, NoFileOrAnEmptyFileGivesNoHolidaysAndNoMessage) {
    CHolidayList::Load(m_manager);
    EXPECT_EQ(m_manager.GetCount(), 0u);
    WriteFile("");
    CHolidayList::Load(m_manager);
    EXPECT_EQ(m_manager.GetCount(), 0u);
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(HolidayListTest, CrLfLfAndCrLineEndsReadAlike) {
    const Names expected = {"New Year", "EASTER", "Christmas"};
    for (const char* end : {"\r\n", "\n", "\r"}) {
        CNoteManager manager;
        WriteFile(std::string("YEAR`1`1`New Year``1`0`1`1`1`1") + end + "EASTER`Sunday`1" + end +
                  "YEAR`12`25`Christmas``1`0`1`1`1`1" + end);
        CHolidayList::Load(manager);
        Names titles;
        for (const auto& entry : manager.Notes())
            titles.push_back(entry.second->m_strTitle);
        EXPECT_EQ(titles, expected) << "line end " << static_cast<int>(end[0]);
        // No CR left behind in the last field.
        EXPECT_EQ(manager.Lookup(2)->m_bActive, 1);
        EXPECT_EQ(manager.Lookup(2)->m_strText, "Sunday");
    }
    // The last line may end without a line end.
    WriteFile("YEAR`1`1`New Year``1`0`1`1`1`1\r\nEASTER`Sunday`1");
    CHolidayList::Load(m_manager);
    EXPECT_EQ(LoadedTitles(), (Names{"New Year", "EASTER"}));
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(HolidayListTest, LinesThatAreNoHolidayAreDropped) {
    WriteFile("easter`lower case`1\r\n\r\n# a comment\r\nEaster``1\r\nGOOD FRIDAY``1\r\n"
              "YEAR`4`31`No such day``1`0`1`1`1`1\r\n");
    CHolidayList::Load(m_manager);
    EXPECT_EQ(LoadedTitles(), Names{"GOOD FRIDAY"});
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(HolidayListTest, DuplicatesAreKeptTwiceAndBothShown) {
    WriteFile("YEAR`7`4`Independence Day``1`0`1`1`1`1\r\n"
              "YEAR`7`4`Independence Day``1`0`1`1`1`1\r\n");
    CHolidayList::Load(m_manager);
    ASSERT_EQ(m_manager.GetCount(), 2u);
    EXPECT_NE(m_manager.Lookup(1), nullptr);
    EXPECT_NE(m_manager.Lookup(2), nullptr);
    EXPECT_EQ(ShownOn(2027, 7, 4), (Names{"Independence Day", "Independence Day"}));
}

TEST_F(HolidayListTest, TwentyNinthOfFebruaryShowsOnlyInLeapYears) {
    WriteFile("YEAR`2`29`Leap Day``1`0`1`1`1`1\r\n");
    CHolidayList::Load(m_manager);
    EXPECT_EQ(ShownOn(2028, 2, 29), Names{"Leap Day"});
    EXPECT_TRUE(ShownOn(2027, 2, 28).empty());
    EXPECT_TRUE(ShownOn(2027, 3, 1).empty());
}

TEST_F(HolidayListTest, InactiveHolidaysAreLoadedButNotShown) {
    WriteFile(
        "YEAR`12`25`Christmas``1`0`1`1`1`0\r\nEASTER``0\r\nYEAR`12`26`Boxing Day``1`0`1`1`1`1\r\n");
    CHolidayList::Load(m_manager);
    EXPECT_EQ(m_manager.GetCount(), 3u);
    EXPECT_TRUE(ShownOn(2027, 12, 25).empty());
    EXPECT_TRUE(ShownOn(2027, 3, 28).empty());
    EXPECT_EQ(ShownOn(2027, 12, 26), Names{"Boxing Day"});
}

TEST_F(HolidayListTest, SpecialHolidaysShowOnTheirRuleDays) {
    WriteFile("EASTER`Easter Sunday`1\r\nGOOD FRIDAY``1\r\nELECTION DAY``1\r\n");
    CHolidayList::Load(m_manager);
    EXPECT_EQ(ShownOn(2027, 3, 28), Names{"EASTER"});
    EXPECT_EQ(ShownOn(2027, 3, 26), Names{"GOOD FRIDAY"});
    EXPECT_EQ(ShownOn(2027, 11, 2), Names{"ELECTION DAY"});
    EXPECT_TRUE(ShownOn(2027, 3, 27).empty());
}

TEST_F(HolidayListTest, AThousandLinesStopAtTheLastHolidayIDWithOneWarning) {
    std::string content;
    for (int i = 1; i <= 1000; ++i)
        content += "YEAR`1`1`Holiday " + std::to_string(i) + "``1`0`1`1`1`1\r\n";
    WriteFile(content);
    CHolidayList::Load(m_manager);
    ASSERT_EQ(m_manager.GetCount(), static_cast<std::size_t>(CNoteManager::kLastHolidayID));
    EXPECT_EQ(m_manager.Lookup(599)->m_strTitle, "Holiday 599");
    EXPECT_EQ(m_manager.Lookup(600), nullptr);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
    EXPECT_NE(m_box.m_shown[0].text.find("599"), std::string::npos);
    // The notes keep their own IDs from 600 up.
    auto note =
        std::make_unique<CNote>(kNoteMemo, "memo", "", COleDateTime(2026, 1, 1, 0, 0, 0), 0);
    EXPECT_EQ(m_manager.Add(std::move(note))->m_nID, 600);
}

TEST_F(HolidayListTest, TextIsReadAsUtf8OrElseWindows1252) {
    WriteFile("\xEF\xBB\xBFYEAR`7`14`F\xC3\xAAte nationale``1`0`1`1`1`1\r\n"
              "YEAR`5`1`F\xEAte du travail``1`0`1`1`1`1\r\n");
    CHolidayList::Load(m_manager);
    EXPECT_EQ(LoadedTitles(), (Names{"F\xC3\xAAte nationale", "F\xC3\xAAte du travail"}));
}

TEST_F(HolidayListTest, AddLineReportsWhetherARecordWasAdded) {
    EXPECT_EQ(CHolidayList::AddLine(m_manager, "YEAR`1`1`New Year``1`0`1`1`1`1"), 1);
    EXPECT_EQ(CHolidayList::AddLine(m_manager, "New Year"), 0);
    EXPECT_EQ(m_manager.GetCount(), 1u);
}

TEST_F(HolidayListTest, FormatLineWritesWhatWasRead) {
    const std::string original = "YEAR`12`25`Christmas Day`Peace`1`0`1`1`1`1\r\n"
                                 "YEAR`11`1`Thanksgiving``1`1`5`4`11`1\r\n"
                                 "EASTER`Easter Sunday`1\r\n"
                                 "GOOD FRIDAY``0\r\n";
    WriteFile(original);
    CHolidayList::Load(m_manager);
    std::string formatted;
    for (const CHolidayNote* holiday : Holidays())
        formatted += CHolidayList::FormatLine(*holiday) + CHolidayList::kLineEnd;
    EXPECT_EQ(formatted, original);
}

TEST_F(HolidayListTest, FormatLineKeepsTheFileReadable) {
    auto odd = CHolidayNote::FromLine("YEAR`3`17`St Patrick`green`1`0`1`1`1`1");
    odd->m_nRepeatEvery = 3;                   // always written as 1
    odd->m_strText = "green `beer`\r\nparade"; // no way to hold these in the file
    const std::string line = CHolidayList::FormatLine(*odd);
    EXPECT_EQ(line, "YEAR`3`17`St Patrick`green  beer   parade`1`0`1`1`1`1");
    ASSERT_EQ(CHolidayList::Rewrite(line + "\r\nEASTER``1\r\n"), 1);
    CHolidayList::Load(m_manager);
    EXPECT_EQ(LoadedTitles(), (Names{"St Patrick", "EASTER"}));
}

TEST_F(HolidayListTest, RewriteOfNothingLeavesAnEmptyFile) {
    WriteFile("EASTER``1\r\n");
    ASSERT_EQ(CHolidayList::Rewrite(""), 1);
    EXPECT_EQ(ReadFile(), "");
}

TEST_F(HolidayListTest, AFolderInThePlaceOfTheFileIsLeftAlone) {
    fs::create_directory(m_home.File("Holiday.txt"));
    EXPECT_EQ(CHolidayList::Rewrite("EASTER``1\r\n"), 0);
    EXPECT_TRUE(fs::is_directory(m_home.File("Holiday.txt")));
    // A holiday "file" that cannot be opened gives no holidays and no message.
    CHolidayList::Load(m_manager);
    EXPECT_EQ(m_manager.GetCount(), 0u);
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(HolidayListTest, AFileNamedElsewhereIsReadAndHowItWentIsTold) {
    const std::string elsewhere = m_home.File("elsewhere");
    fs::create_directory(elsewhere);
    std::ofstream(elsewhere + "/list.txt") << "EASTER`Easter Sunday`1\r\n";
    WriteFile("GOOD FRIDAY``1\r\n"); // the program directory's own is not read
    using Read = CHolidayList::ReadResult;
    const struct {
        std::string path;
        Read expected;
        Names titles;
    } cases[] = {{elsewhere + "/list.txt", Read::kRead, {"EASTER"}},
                 {elsewhere + "/none.txt", Read::kMissing, {}},
                 {elsewhere, Read::kCannotOpen, {}}};
    for (const auto& c : cases) {
        m_manager.RemoveAll();
        EXPECT_EQ(CHolidayList::Load(m_manager, c.path), c.expected) << c.path;
        EXPECT_EQ(LoadedTitles(), c.titles) << c.path;
    }
}

TEST_F(HolidayListTest, AReadErrorIsReported) {
    // Reading the start of the process's own memory fails with an I/O error.
    fs::create_symlink("/proc/self/mem", m_home.File("Holiday.txt"));
    CHolidayList::Load(m_manager);
    EXPECT_EQ(m_manager.GetCount(), 0u);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Data Read Error!");
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconStop);
}

TEST_F(HolidayListTest, EveryLoadOfTheDataReadsTheFileAfresh) {
    CCalendarData data;
    CHolidayList::Attach(data);
    WriteFile("EASTER``1\r\nGOOD FRIDAY``1\r\n");
    ASSERT_EQ(data.Load(), 1);
    EXPECT_EQ(data.LookupNote(1)->m_strTitle, "EASTER");
    EXPECT_EQ(data.LookupNote(2)->m_strTitle, "GOOD FRIDAY");
    ASSERT_EQ(data.Save(), 1);

    WriteFile("ELECTION DAY``1\r\n");
    ASSERT_EQ(data.Load(), 1);
    EXPECT_EQ(data.LookupNote(1)->m_strTitle, "ELECTION DAY");
    EXPECT_EQ(data.LookupNote(2), nullptr);
    // The notes came back from the data file without the holidays in it.
    std::size_t holidays = 0;
    for (const auto& entry : data.m_noteManager.Notes())
        holidays += entry.second->m_nType == kNoteHoliday;
    EXPECT_EQ(holidays, 1u);
}

TEST_F(HolidayListTest, StartingFileIsCopiedOnlyWhenNoneIsThere) {
    const std::string delivered = m_home.File("delivered.txt");
    {
        std::ofstream out(delivered, std::ios::binary);
        out << "EASTER``1\r\n";
    }
    EXPECT_EQ(CStartingHolidays::Provide(m_home.File("missing.txt")), 0);
    EXPECT_FALSE(fs::exists(m_home.File("Holiday.txt")));

    EXPECT_EQ(CStartingHolidays::Provide(delivered), 1);
    EXPECT_EQ(ReadFile(), "EASTER``1\r\n");

    WriteFile("GOOD FRIDAY``1\r\n"); // the user's own list is never replaced
    EXPECT_EQ(CStartingHolidays::Provide(delivered), 1);
    EXPECT_EQ(ReadFile(), "GOOD FRIDAY``1\r\n");
}

TEST_F(HolidayListTest, DeliveredStartingFileHoldsTheUnitedStatesHolidays) {
    ASSERT_TRUE(fs::exists(CStartingHolidays::DeliveredFile()))
        << CStartingHolidays::DeliveredFile();
    ASSERT_EQ(CStartingHolidays::Provide(), 1);
    const std::string content = ReadFile();
    // Every line parses and ends in CR LF.
    std::size_t lines = 0;
    for (std::size_t pos = 0; (pos = content.find("\r\n", pos)) != std::string::npos; pos += 2)
        ++lines;
    CHolidayList::Load(m_manager);
    EXPECT_EQ(m_manager.GetCount(), lines);
    EXPECT_EQ(lines, 14u);

    const std::vector<std::pair<Names, COleDateTime>> days = {
        {{"New Year's Day"}, COleDateTime(2027, 1, 1, 0, 0, 0)},
        {{"Martin Luther King Jr. Day"}, COleDateTime(2027, 1, 18, 0, 0, 0)},
        {{"Presidents' Day"}, COleDateTime(2027, 2, 15, 0, 0, 0)},
        {{"GOOD FRIDAY"}, COleDateTime(2027, 3, 26, 0, 0, 0)},
        {{"EASTER"}, COleDateTime(2027, 3, 28, 0, 0, 0)},
        {{"Memorial Day"}, COleDateTime(2027, 5, 31, 0, 0, 0)},
        {{"Juneteenth"}, COleDateTime(2027, 6, 19, 0, 0, 0)},
        {{"Independence Day"}, COleDateTime(2027, 7, 4, 0, 0, 0)},
        {{"Labor Day"}, COleDateTime(2027, 9, 6, 0, 0, 0)},
        {{"Columbus Day"}, COleDateTime(2027, 10, 11, 0, 0, 0)},
        {{"ELECTION DAY"}, COleDateTime(2027, 11, 2, 0, 0, 0)},
        {{"Veterans Day"}, COleDateTime(2027, 11, 11, 0, 0, 0)},
        {{"Thanksgiving"}, COleDateTime(2027, 11, 25, 0, 0, 0)},
        {{"Christmas Day"}, COleDateTime(2027, 12, 25, 0, 0, 0)},
    };
    for (const auto& [titles, day] : days)
        EXPECT_EQ(ShownOn(day.GetYear(), day.GetMonth(), day.GetDay()), titles) << titles.front();
}

} // namespace
