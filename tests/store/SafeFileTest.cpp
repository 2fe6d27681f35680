// The whole-file writes the data file relies on: what is replaced, what is
// kept, and that a write never leaves a temporary file behind.
#include "store/SafeFile.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<std::uint8_t> kNew = {'n', 'e', 'w', '!'};

std::vector<std::uint8_t> Contents(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(CSafeFile::Read(path, bytes)) << path;
    return bytes;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Each write case twice: with the new file unnamed until it is complete, and
// named from the first as on file systems without unnamed files.
class SafeFileWrite : public ::testing::TestWithParam<bool> {
protected:
    SafeFileWrite() { CTestAccess::SetUnnamedFiles(GetParam()); }
    ~SafeFileWrite() override { CTestAccess::SetUnnamedFiles(true); }

    CTempHome home;
};

INSTANTIATE_TEST_SUITE_P(NewFile, SafeFileWrite, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Unnamed" : "Named"; });

TEST_P(SafeFileWrite, ReplacesTheFileALinkPointsAtAndKeepsItsPermissions) {
    fs::create_directory(home.File("elsewhere"));
    const std::string target = home.File("elsewhere/Note.Dat");
    ASSERT_TRUE(CSafeFile::Write(target, kOld));
    chmod(target.c_str(), 0640);
    fs::create_symlink("elsewhere/Note.Dat", home.File("Note.Dat"));

    ASSERT_TRUE(CSafeFile::Write(home.File("Note.Dat"), kNew));
    EXPECT_TRUE(fs::is_symlink(home.File("Note.Dat")));
    EXPECT_EQ(Contents(target), kNew);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(home.File("elsewhere")), std::vector<std::string>{"Note.Dat"});
    // The longest name a file may have leaves the temporary name room too.
    EXPECT_TRUE(CSafeFile::Write(home.File(std::string(255, 'n')), kNew));
}

TEST_P(SafeFileWrite, ClearsAwayWhatAKilledWriteOfTheSameFileLeft) {
    const std::vector<std::string> others = {"Note.Dat.saving-Ab12", "Note.Dat.backup",
                                             "Note.bak.saving-Ab12Cd"};
    for (const std::string& name : others)
        ASSERT_TRUE(CSafeFile::Write(home.File(name), kOld));
    ASSERT_TRUE(CSafeFile::Write(home.File("Note.Dat.saving-Ab12Cd"), kOld));

    ASSERT_TRUE(CSafeFile::Write(home.File("Note.Dat"), kNew));
    std::vector<std::string> expected = others;
    expected.push_back("Note.Dat");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(home.Path()), expected);
}

TEST_P(SafeFileWrite, AWriteNotCommittedOrRefusedLeavesEverythingAsItWas) {
    const std::string path = home.File("Note.Dat");
    ASSERT_TRUE(CSafeFile::Write(path, kOld));
    {
        CSafeFile dropped(path);
        ASSERT_TRUE(dropped.Open());
        ASSERT_TRUE(dropped.Write(kNew));
    }
    fs::create_directory(home.File("folder"));
    EXPECT_FALSE(CSafeFile::Write(home.File("folder"), kNew));
    EXPECT_FALSE(CSafeFile::Write(home.File("missing/Note.Dat"), kNew));
    EXPECT_FALSE(CSafeFile::Rename(path, home.File("folder")));

    EXPECT_EQ(Contents(path), kOld);
    EXPECT_EQ(Names(home.Path()), (std::vector<std::string>{"Note.Dat", "folder"}));
    EXPECT_TRUE(fs::is_empty(home.File("folder")));
}

TEST(SafeFile, ReadsAPipeToItsEnd) {
    CTempHome home;
    const std::string fifo = home.File("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string text(200 * 1024, 'x');
    std::thread writer([&] { std::ofstream(fifo) << text; });
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(CSafeFile::Read(fifo, bytes));
    writer.join();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), text);
}

} // namespace
