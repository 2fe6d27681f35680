#include "options/HolidayRecords.h"

#include "almanac/HolidayList.h"
#include "almanac/HolidayNote.h"
#include "store/NoteManager.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>

namespace {

// Takes the read permission from a file while it lives, for root too: root
// reads anything while its effective set holds the two file-access
// capabilities, so they are lowered meanwhile and raised again afterwards.
class CReadDenied {
public:
    explicit CReadDenied(std::string path) : m_strPath(std::move(path)) {
        std::filesystem::permissions(m_strPath, std::filesystem::perms::none);
        m_bSaved = syscall(SYS_capget, &m_header, m_saved) == 0;
        if (!m_bSaved) return;
        __user_cap_data_struct lowered[_LINUX_CAPABILITY_U32S_3];
        std::copy(std::begin(m_saved), std::end(m_saved), std::begin(lowered));
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &m_header, lowered);
    }
    ~CReadDenied() {
        if (m_bSaved) syscall(SYS_capset, &m_header, m_saved);
        std::filesystem::permissions(m_strPath, std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_write);
    }

private:
    std::string m_strPath;
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[_LINUX_CAPABILITY_U32S_3]{};
    bool m_bSaved = false;
};

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
    // What stands at the file's place, to tell whether it was replaced.
    std::string Snapshot() const {
        namespace fs = std::filesystem;
        const fs::file_status status = fs::symlink_status(FilePath());
        if (fs::is_symlink(status)) return "link to " + fs::read_symlink(FilePath()).string();
        if (fs::is_directory(status)) return "folder";
        return "file " + ReadFile();
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
    EXPECT_EQ(ReadFile(), "not a holiday line\r\n"
                          "YEAR`7`4`Independence Day`fireworks`1`0`1`1`1`1\r\n"
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

TEST_F(HolidayRecordsTest, AnUntouchedListLeavesTheFileAlone) {
    WriteFile(kThree);
    CHolidayRecords records;
    records.Load();
    WriteFile("EASTER``1\r\n"); // edited by hand while the page was open
    ASSERT_TRUE(records.Rewrite());
    EXPECT_EQ(ReadFile(), "EASTER``1\r\n");
}

const char* const kHarvest = "YEAR`1`1`Harvest``1`0`1`1`1`1\r\n";

// Every kind of line a hand-edited file may hold; the page lists only the
// holidays among them.
const std::vector<std::string> kMixed = {
    "\xEF\xBB\xBF# my own holidays\r\n",
    "YEAR`4`31`No such day``1`0`1`1`1`1\r\n",
    "YEAR`7`4`Independence Day`off`1`0`1`1`1`0\r\n", // row 0
    "YEAR`0`1`Month zero``1`0`1`1`1`1\n",
    "GOOD FRIDAY`off`0\r\n", // row 1
    "YEAR`13`1`Month thirteen``1`0`1`1`1`1\r",
    "EASTER\r\n", // row 2, off: no flag is no 1
    "YEAR\r\n",
    "ELECTION DAY`Vote`yes\n", // row 3, off as well
    "easter`lower case`1\r\n",
    "YEAR`5`1`F\xEAte du travail`  spaced  `01`0`1`1`1`1\r\n", // row 4
    "\r\n",
    "YEAR`12`25`Christmas Day``1`0`1`1`1`1", // row 5, no line end
};

TEST_F(HolidayRecordsTest, LinesThePageDidNotChangeComeBackByteForByte) {
    struct Case {
        const char* what;
        std::vector<int> removedRows;
        bool added;
        std::vector<std::size_t> goneLines; // of kMixed
        std::string after;                  // what follows the lines kept
    };
    const std::vector<Case> cases = {
        {"one removed", {1}, false, {4}, ""},
        {"the unended last removed", {5}, false, {12}, ""},
        {"one added after the unended last", {}, true, {}, std::string("\r\n") + kHarvest},
        {"all removed, one added", {0, 1, 2, 3, 4, 5}, true, {2, 4, 6, 8, 10, 12}, kHarvest},
    };
    for (const Case& c : cases) {
        std::string file, expected;
        for (std::size_t i = 0; i < kMixed.size(); ++i) {
            file += kMixed[i];
            if (std::ranges::find(c.goneLines, i) == c.goneLines.end()) expected += kMixed[i];
        }
        WriteFile(file);
        CHolidayRecords records;
        records.Load();
        ASSERT_EQ(Titles(records), (std::vector<std::string>{
                                       "Independence Day", "GOOD FRIDAY", "EASTER", "ELECTION DAY",
                                       "F\xC3\xAAte du travail", "Christmas Day"}));
        records.Remove(c.removedRows);
        if (c.added) records.Append(Named("Harvest"));
        ASSERT_TRUE(records.Rewrite()) << c.what;
        EXPECT_EQ(ReadFile(), expected + c.after) << c.what;
    }
}

TEST_F(HolidayRecordsTest, HolidaysBeyondWhatTheCalendarHoldsAreKept) {
    std::string file;
    for (int i = 0; i <= CNoteManager::kLastHolidayID; ++i)
        file += "YEAR`1`1`Holiday " + std::to_string(i) + "``1`0`1`1`1`1\r\n";
    WriteFile(file);
    CHolidayRecords records;
    records.Load();
    records.Append(Named("Harvest"));
    ASSERT_TRUE(records.Rewrite());
    EXPECT_EQ(ReadFile(), file + kHarvest);
}

TEST_F(HolidayRecordsTest, AFileThatCannotBeReadIsNeverReplaced) {
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        std::function<void()> make;
        bool denyRead;
    };
    const std::vector<Case> cases = {
        {"a folder", [&] { fs::create_directories(m_home.File("Holiday.txt/inside")); }, false},
        {"a file without read permission", [&] { WriteFile(kThree); }, true},
        // Reading the start of the process's own memory fails with an I/O error.
        {"a file that fails while read", [&] { fs::create_symlink("/proc/self/mem", FilePath()); },
         false},
    };
    for (const Case& c : cases) {
        for (const bool added : {false, true}) {
            fs::remove_all(FilePath());
            c.make();
            const std::string before = Snapshot();
            std::optional<CReadDenied> denied;
            if (c.denyRead) denied.emplace(FilePath());
            CHolidayRecords records;
            records.Load();
            EXPECT_EQ(records.Count(), 0u) << c.what;
            if (added) records.Append(Named("Harvest"));
            EXPECT_FALSE(records.Rewrite()) << c.what << ", added " << added;
            EXPECT_NE(records.FailureText().find("could not be read"), std::string::npos);
            denied.reset();
            EXPECT_EQ(Snapshot(), before) << c.what << ", added " << added;
        }
    }
}
