// Where the program keeps its files.
#include "tests/support/ScopedEnv.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

using programdirectory_detail::ProgramDirectoryFor;

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

} // namespace
