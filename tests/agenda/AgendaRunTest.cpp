// A whole run of the agenda in this process: the files it reads, the exit
// status of each failure, its messages on the error stream, and that it
// leaves the program directory exactly as it found it.
#include "agenda/AgendaRun.h"

#include "store/ProgramFlags.h"
#include "store/TimeFormats.h"
#include "tests/agenda/DirectoryListing.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <QDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

class AgendaRunTest : public ::testing::Test {
protected:
    AgendaRunTest() { ResetProgramFlags(); }
    ~AgendaRunTest() override {
        ResetProgramFlags();
        SetTimeFormats(0);
    }

    // One memo today at 10:00, saved two days ago: reading it the ordinary
    // way would make a backup.
    void WriteDataFile(const std::string& path, std::size_t size = SIZE_MAX) const {
        FileNote memo;
        memo.id = 600;
        memo.title = "Kept";
        memo.category = 2;
        memo.start = COleDateTime(2026, 12, 8, 10, 0, 0);
        CDataFileWriter w;
        w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), kNow - CUtility::OneDay * 2)
            .Settings({})
            .NotesHeader(1, 601)
            .Note(memo);
        ASSERT_TRUE(w.WriteTo(path, size));
    }
    void WriteHolidays(const std::string& path, const std::string& content) const {
        std::ofstream(path, std::ios::binary) << content;
    }

    int Run(const std::vector<std::string>& args) {
        m_out.str({});
        m_err.str({});
        return RunAgenda(args, m_out, m_err, nullptr);
    }

    CTestClock m_clock{kNow};
    CTempHome m_home;
    CFakeMessageBox m_box;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(AgendaRunTest, FilesAndTheirFailures) {
    const std::string data = m_home.File("Note.Dat");
    const std::string other = m_home.File("other.dat");
    const std::string holidays = m_home.File("Holiday.txt");
    const std::string harvest = "YEAR`12`9`Harvest``1`0`1`1`1`1\r\n";
    const std::string kept = "2026-12-08\t10:00\tKept\tmemo\t600\n";
    const struct {
        const char* what;
        std::function<void()> setUp;
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {"the program directory's files", [&] { WriteDataFile(data); }, {}, kAgendaOk, kept, ""},
        {"no data file yet: an empty calendar", [] {}, {}, kAgendaOk, "", ""},
        {"a data file named elsewhere",
         [&] { WriteDataFile(other); },
         {"--data", other},
         kAgendaOk,
         kept,
         ""},
        {"a data file named elsewhere is missing",
         [] {},
         {"--data", other},
         kAgendaFileError,
         "",
         "orrindale-agenda: no data file " + other + "\n"},
        {"a damaged data file",
         [&] { WriteDataFile(data, 100); },
         {},
         kAgendaFileError,
         "",
         "orrindale-agenda: cannot read the data file " + data + ": unexpected end of file\n"},
        {"holidays on asking",
         [&] { WriteHolidays(holidays, harvest); },
         {"--holidays"},
         kAgendaOk,
         "2026-12-09\t00:00\tHarvest\tholiday\t1\n",
         ""},
        {"holidays without asking",
         [&] { WriteHolidays(holidays, harvest); },
         {},
         kAgendaOk,
         "",
         ""},
        {"a holiday file named elsewhere is missing",
         [] {},
         {"--holidays", "--holidays-file", other},
         kAgendaFileError,
         "",
         "orrindale-agenda: cannot read the holiday file " + other + "\n"},
        {"a holiday file that fails part way",
         [&] { fs::create_symlink("/proc/self/mem", holidays); },
         {"--holidays"},
         kAgendaOk,
         "",
         "orrindale-agenda: Data Read Error!\n"},
        {"a category",
         [&] { WriteDataFile(data); },
         {"--category", "appointment"},
         kAgendaOk,
         kept,
         ""},
        {"another category",
         [&] { WriteDataFile(data); },
         {"--category", "Payment"},
         kAgendaOk,
         "",
         ""},
        {"no such category",
         [&] { WriteDataFile(data); },
         {"--category", "Chores"},
         kAgendaBadArguments,
         "",
         "orrindale-agenda: no category is called 'Chores'; the categories are: Payment, "
         "Appointment, Birthday, Anniversary\nTry 'orrindale-agenda --help'.\n"},
        {"a bad argument before any file is read",
         [&] { WriteDataFile(data, 100); },
         {"--from", "2026-12-31", "--to", "2026-12-01"},
         kAgendaBadArguments,
         "",
         "orrindale-agenda: --to 2026-12-01 lies before --from 2026-12-31\n"
         "Try 'orrindale-agenda --help'.\n"},
    };
    for (const auto& c : cases) {
        QDir(QString::fromStdString(m_home.Path())).removeRecursively();
        fs::create_directories(m_home.Path());
        c.setUp();
        const std::string before = DirectoryListing(m_home.Path());
        std::vector<std::string> args = {"--format", "tsv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(Run(args), c.status) << c.what;
        const std::string header = c.status == kAgendaOk ? "date\ttime\ttitle\tkind\tid\n" : "";
        EXPECT_EQ(m_out.str(), header + c.out) << c.what;
        EXPECT_EQ(m_err.str(), c.err) << c.what;
        EXPECT_EQ(DirectoryListing(m_home.Path()), before) << c.what << ": nothing written";
        EXPECT_TRUE(m_box.m_shown.empty()) << c.what << ": no window";
    }
}

TEST_F(AgendaRunTest, AMissingProgramDirectoryIsNotMade) {
    const std::string missing = m_home.File("not-yet");
    CScopedEnv home("ORRINDALE_HOME", missing.c_str());
    EXPECT_EQ(Run({"--holidays"}), kAgendaOk);
    EXPECT_EQ(m_out.str(), "Nothing from 2026-12-08 to 2026-12-14.\n");
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(AgendaRunTest, HelpAndVersion) {
    EXPECT_EQ(Run({"--version"}), kAgendaOk);
    EXPECT_EQ(m_out.str(), "orrindale-agenda 1.50\n");
    EXPECT_EQ(Run({"--format", "tsv", "--help"}), kAgendaOk);
    EXPECT_EQ(m_out.str().rfind("Usage: orrindale-agenda [OPTION]...\n", 0), 0u);
    EXPECT_NE(m_out.str().find("--holidays-file FILE"), std::string::npos);
    EXPECT_EQ(m_err.str(), "");
}

} // namespace
