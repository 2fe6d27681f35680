#include "options/HolidayRecords.h"

#include "almanac/HolidayList.h"
#include "almanac/HolidayNote.h"
#include "store/NoteManager.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class HolidayRecordsTest : public ::testing::Test {
protected:
    std::string FilePath() const { return m_home.File("Holiday.txt"); }
    void WriteFile(const std::string& content) const {
        std::ofstream(FilePath(), std::ios::binary) << content;
    }
    std::string ReadFile() const {
        std::ifstream in(FilePath(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::vector<std::string> Titles(const CHolidayRecords& records) {
        std::vector<std::string> titles;
        for (std::size_t i = 0; i < records.Count(); ++i)
            titles.push_back(records.At(i).m_strTitle);
        return titles;
    }
    static std::unique_ptr<CHolidayNote> Named(const std::string& name) {
        auto holiday = CHolidayRecords::MakeNew();
        holiday->m_strTitle = name;
        return holiday;
    }

    CTestClock m_clock{COleDateTime(2026, 12, 8, 9, 30, 0)};
    CFakeMessageBox m_box;
    CTempHome m_home;
};

const char* const kThree = "YEAR`1`1`New Year``1`0`1`1`1`1\r\n"
                           "not a holiday line\r\n"
                           "YEAR`7`4`Independence Day`fireworks`1`0`1`1`1`1\r\n"
                           "YEAR`1`1`Labor Day``1`1`2`1`9`1\r\n";

} // namespace

TEST_F(HolidayRecordsTest, NewHolidayStartsOnTheFirstOfJanuary) {
    const auto holiday = CHolidayRecords::MakeNew();
    EXPECT_EQ(holiday->m_strTitle, "New Holiday");
    EXPECT_EQ(holiday->m_strText, "");
    EXPECT_EQ(holiday->m_dtStart, COleDateTime(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(holiday->m_nRepeatEvery, 1);
    EXPECT_FALSE(holiday->m_bByWeekDay);
    EXPECT_EQ(holiday->m_nWeekDay, 1);
    EXPECT_EQ(holiday->m_nWeekOrdinal, 1);
    EXPECT_EQ(holiday->m_nMonth, 1);
    EXPECT_TRUE(holiday->m_bActive);
    EXPECT_EQ(holiday->m_nSpecial, 0);
}

TEST_F(HolidayRecordsTest, ListsTheHolidayLinesInFileOrder) {
    WriteFile(kThree);
    CHolidayRecords records;
    records.Load();
    EXPECT_TRUE(records.IsLoaded());
    EXPECT_EQ(Titles(records),
              (std::vector<std::string>{"New Year", "Independence Day", "Labor Day"}));
    EXPECT_EQ(records.At(1).m_strText, "fireworks");
}

TEST_F(HolidayRecordsTest, RemoveFirstThenAddWritesExactlyThoseThree) {
    WriteFile(kThree);
    CHolidayRecords records;
    records.Load();
    records.Remove({0});
    records.Append(Named("Harvest"));
    ASSERT_EQ(records.Count(), 3u);
    ASSERT_TRUE(records.Rewrite());
    EXPECT_EQ(ReadFile(), "YEAR`7`4`Independence Day`fireworks`1`0`1`1`1`1\r\n"
                          "YEAR`1`1`Labor Day``1`1`2`1`9`1\r\n"
                          "YEAR`1`1`Harvest``1`0`1`1`1`1\r\n");
}

TEST_F(HolidayRecordsTest, RemovingSeveralRowsAtOnceRemovesExactlyThose) {
    WriteFile(kThree);
    CHolidayRecords records;
    records.Load();
    records.Append(Named("Harvest"));
    records.Remove({3, 1, 1, 9});
    EXPECT_EQ(Titles(records), (std::vector<std::string>{"New Year", "Labor Day"}));
}

TEST_F(HolidayRecordsTest, WithoutAFileNothingIsWrittenUnlessHolidaysWereAdded) {
    CHolidayRecords records;
    records.Load();
    EXPECT_FALSE(records.IsLoaded());
    EXPECT_EQ(records.Count(), 0u);
    EXPECT_TRUE(records.Rewrite());
    EXPECT_FALSE(std::filesystem::exists(FilePath()));

    records.Append(Named("Harvest"));
    ASSERT_TRUE(records.Rewrite());
    EXPECT_EQ(ReadFile(), "YEAR`1`1`Harvest``1`0`1`1`1`1\r\n");
}

TEST_F(HolidayRecordsTest, AnUntouchedListStillRewritesTheFileItRead) {
    WriteFile(kThree);
    CHolidayRecords records;
    records.Load();
    ASSERT_TRUE(records.ShouldRewrite());
    ASSERT_TRUE(records.Rewrite());
    CNoteManager reread; // what the program will read back
    CHolidayList::Load(reread);
    EXPECT_EQ(reread.GetCount(), 3u);
}
