// Where the program keeps its files, and how the files an earlier build kept
// beside the executable come along.
#include "tests/support/ScopedEnv.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using programdirectory_detail::AdoptEarlierFiles;
using programdirectory_detail::DeliveredFileFor;
using programdirectory_detail::ProgramDirectoryFor;
using programdirectory_detail::ProgramDirectoryNamedFor;

const std::vector<std::string> kDataFiles = {"Note.Dat", "Note.bak", "Holiday.txt"};

// A scratch tree: an executable's directory bin/, a user data base share/,
// ORRINDALE_HOME unset and XDG_DATA_HOME pointing at share/.
class ProgramDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(ExeDir()); }

    fs::path Root() const { return fs::path(m_root.path().toStdString()); }
    std::string ExeDir() const { return (Root() / "bin").string(); }
    std::string UserData() const { return (Root() / "share" / "orrindale").string() + "/"; }
    void SetPortable(bool portable) const {
        if (portable)
            Write(fs::path(ExeDir()) / "portable", "");
        else
            fs::remove(fs::path(ExeDir()) / "portable");
    }

    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    QTemporaryDir m_root;
    CScopedEnv m_home{"ORRINDALE_HOME", nullptr};
    CScopedEnv m_xdg{"XDG_DATA_HOME", (Root() / "share").c_str()};
};

TEST_F(ProgramDirectoryTest, VariableFirstThenAPortableCopyThenTheUserDataDirectory) {
    const std::string home = (Root() / "home").string();
    const struct {
        const char* name;
        const char* variable;
        bool portable;
        std::string expected;
    } cases[] = {
        {"variable wins over the marker", home.c_str(), true, home + "/"},
        {"marker beside the executable", nullptr, true, ExeDir() + "/"},
        {"writable executable folder alone is not enough", nullptr, false, UserData()},
    };
    for (const auto& c : cases) {
        CScopedEnv variable("ORRINDALE_HOME", c.variable);
        SetPortable(c.portable);
        const bool existed = fs::exists(c.expected);
        EXPECT_EQ(ProgramDirectoryNamedFor(ExeDir()), c.expected) << c.name;
        EXPECT_EQ(fs::exists(c.expected), existed) << c.name << ": naming creates nothing";
        EXPECT_EQ(ProgramDirectoryFor(ExeDir()), c.expected) << c.name;
        EXPECT_TRUE(fs::is_directory(c.expected)) << c.name; // created on demand
    }
}

TEST_F(ProgramDirectoryTest, EndsInExactlyOneSlash) {
    const std::string home = (Root() / "home").string();
    const struct {
        std::string variable, expected;
    } cases[] = {{home + "//", home + "/"}, {"/", "/"}};
    for (const auto& c : cases) {
        CScopedEnv variable("ORRINDALE_HOME", c.variable.c_str());
        EXPECT_EQ(CUtility::GetAppPath(), c.expected);
    }
}

TEST_F(ProgramDirectoryTest, RunningProgramWithoutMarkerUsesTheUserDataDirectory) {
    // The tests run from the build folder, which must never hold notes.
    EXPECT_EQ(CUtility::GetAppPath(), UserData());
    // A relative XDG_DATA_HOME is ignored: ~/.local/share/orrindale.
    CScopedEnv relative("XDG_DATA_HOME", "relative/share");
    CScopedEnv userHome("HOME", Root().c_str());
    EXPECT_EQ(CUtility::GetAppPath(), (Root() / ".local" / "share" / "orrindale").string() + "/");
}

TEST_F(ProgramDirectoryTest, FindFilePrefixesTheProgramDirectoryWhetherOrNotTheFileExists) {
    std::string name = "Note.Dat";
    EXPECT_EQ(CUtility::FindFile(name), 0);
    EXPECT_EQ(name, UserData() + "Note.Dat");
    Write(name, "x");
    std::string again = "Note.Dat";
    EXPECT_NE(CUtility::FindFile(again), 0);
    EXPECT_EQ(again, name);
    // A full path is not prefixed a second time.
    EXPECT_NE(CUtility::FindFile(again), 0);
    EXPECT_EQ(again, name);
}

TEST_F(ProgramDirectoryTest, EarlierFilesBesideTheExecutableAreCopiedOnce) {
    Write(fs::path(ExeDir()) / "Note.Dat", "earlier notes");
    Write(fs::path(ExeDir()) / "Holiday.txt", "earlier holidays");
    EXPECT_EQ(AdoptEarlierFiles(kDataFiles, ExeDir()), 2);
    EXPECT_EQ(Read(UserData() + "Note.Dat"), "earlier notes");
    EXPECT_EQ(Read(UserData() + "Holiday.txt"), "earlier holidays");
    EXPECT_FALSE(fs::exists(UserData() + "Note.bak"));
    // Copied, not moved: the earlier build still finds its own files.
    EXPECT_EQ(Read(fs::path(ExeDir()) / "Note.Dat"), "earlier notes");
    EXPECT_EQ(std::distance(fs::directory_iterator(UserData()), fs::directory_iterator()), 2);

    // Later starts find the notes in place and leave them alone.
    Write(UserData() + "Note.Dat", "notes kept since");
    EXPECT_EQ(AdoptEarlierFiles(kDataFiles, ExeDir()), 0);
    EXPECT_EQ(Read(UserData() + "Note.Dat"), "notes kept since");
}

TEST_F(ProgramDirectoryTest, NothingIsCopiedWhereTheProgramDirectoryIsChosenOnPurpose) {
    Write(fs::path(ExeDir()) / "Note.Dat", "earlier notes");
    const std::string home = (Root() / "home").string();
    const struct {
        const char* name;
        const char* variable;
        bool portable;
    } cases[] = {{"variable", home.c_str(), false}, {"portable", nullptr, true}};
    for (const auto& c : cases) {
        CScopedEnv variable("ORRINDALE_HOME", c.variable);
        SetPortable(c.portable);
        EXPECT_EQ(AdoptEarlierFiles(kDataFiles, ExeDir()), 0) << c.name;
        EXPECT_FALSE(fs::exists(home + "/Note.Dat")) << c.name;
    }
    EXPECT_FALSE(fs::exists(UserData() + "Note.Dat"));
}

TEST_F(ProgramDirectoryTest, DeliveredFilesLieUnderShareBesideTheBinDirectory) {
    const struct {
        const char* executableDir;
        const char* relative;
        std::string expected;
    } cases[] = {
        {"/usr/bin", "orrindale/Holiday.txt", "/usr/share/orrindale/Holiday.txt"},
        {"/work/build/bin/", "doc/orrindale/Orrindale.html",
         "/work/build/share/doc/orrindale/Orrindale.html"},
        {"", "orrindale/Holiday.txt", ""}, // the executable's directory is unknown
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeliveredFileFor(c.executableDir, c.relative), c.expected) << c.executableDir;
}

} // namespace
