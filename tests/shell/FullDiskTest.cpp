// The program on a disk with no room left: a tiny file system of its own
// (tmpfs, in a mount namespace of this process only, so nothing is left
// mounted whatever happens). A save that finds the disk full says "Fail to
// save data", leaves the old data file as it was, and keeps the change
// waiting until there is room again. Without the right to mount, the test
// says so and reports itself skipped.
#include "FakeTrayIcon.h"
#include "shell/CommandLine.h"
#include "shell/TrayWnd.h"
#include "store/ProgramFlags.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

constexpr int kSkipped = 77; // what ctest counts as skipped
constexpr const char* kDiskSize = "size=256k";

std::string g_disk; // the tiny file system's mount point

// Mounts the tiny file system where only this process sees it; the reason
// when it cannot.
bool MountTinyDisk(std::string& why) {
    char dir[] = "/tmp/orrindale-fulldisk-XXXXXX";
    if (!::mkdtemp(dir)) {
        why = std::string("no folder for it: ") + std::strerror(errno);
        return false;
    }
    g_disk = dir;
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", dir, "tmpfs", 0, kDiskSize) != 0) {
        why = std::string("a tmpfs cannot be mounted here: ") + std::strerror(errno);
        return false;
    }
    return true;
}

void UnmountTinyDisk() {
    ::umount2(g_disk.c_str(), MNT_DETACH);
    ::rmdir(g_disk.c_str());
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramFlags();
        std::filesystem::remove_all(g_disk + "/home");
        std::filesystem::create_directory(g_disk + "/home");
        auto icon = std::make_unique<CFakeTrayIcon>(m_log, true);
        m_tray = std::make_unique<CTrayWnd>(std::move(icon));
        ASSERT_TRUE(m_tray->Create(CCommandLine("nologo")));
        for (int i = 0; i < 300; ++i)
            m_tray->Data().AddNote(std::make_unique<CNote>(kNoteMemo, "Note " + std::to_string(i),
                                                           "some text", m_clock.Now(), 0));
        ASSERT_TRUE(m_tray->Save());
        m_strOld = Read(DataFile());
        m_box.m_shown.clear();
    }
    void TearDown() override {
        m_tray.reset();
        std::filesystem::remove(Filler());
        ResetProgramFlags();
    }

    static std::string Home() { return g_disk + "/home/"; }
    static std::string DataFile() { return Home() + "Note.Dat"; }
    static std::string Filler() { return g_disk + "/filler"; }
    // Fills the disk up to free bytes left (about: a block either way).
    static void Fill(std::size_t free) {
        const auto space = std::filesystem::space(g_disk);
        const std::string block(4096, 'x');
        std::ofstream filler(Filler(), std::ios::binary);
        for (std::size_t left = space.available; left >= free + block.size() && filler;
             left -= block.size())
            filler.write(block.data(), static_cast<std::streamsize>(block.size()));
        filler.flush();
    }
    // Changes the notes and lets the automatic save come due.
    void ChangeAndWait(const std::string& title) {
        m_tray->Data().AddNote(std::make_unique<CNote>(kNoteMemo, title, "", m_clock.Now(), 0));
        m_tray->NotesChanged();
        m_clock.Advance(CUtility::OneSecond * CAutoSave::kQuietSeconds);
        m_tray->Tick();
    }
    static bool FileHolds(const std::string& title) {
        CCalendarData reread;
        if (!reread.Load()) return false;
        for (const auto& [id, note] : reread.m_noteManager.Notes())
            if (note->m_strTitle == title) return true;
        return false;
    }
    // The data file and whatever a save left beside it.
    static std::vector<std::string> DataFiles() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Home()))
            if (entry.path().filename().string().starts_with("Note.Dat"))
                names.push_back(entry.path().filename().string());
        return names;
    }

    CTempHome m_home;
    CScopedEnv m_programDir{"ORRINDALE_HOME", Home().c_str()};
    CScopedEnv m_stateDir{"XDG_STATE_HOME", (m_home.Path() + "state").c_str()};
    CTestClock m_clock;
    CFakeMessageBox m_box;
    std::vector<std::string> m_log;
    std::unique_ptr<CTrayWnd> m_tray;
    std::string m_strOld;
};

struct FullDiskCase {
    const char* name;
    bool halfRoom; // room for part of the new file, else none
    bool byExit;   // the save once there is room: at exit, else the next automatic one
};

class FullDiskSaveTest : public FullDiskTest, public ::testing::WithParamInterface<FullDiskCase> {};

TEST_P(FullDiskSaveTest, FailedAutomaticSaveKeepsTheOldFileAndTheChangeForLater) {
    Fill(GetParam().halfRoom ? m_strOld.size() / 2 : 0);
    ChangeAndWait("Written while the disk was full");
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Fail to save data");
    EXPECT_EQ(Read(DataFile()), m_strOld) << "the old file is whole";
    EXPECT_EQ(DataFiles(), std::vector<std::string>{"Note.Dat"}) << "nothing half-written left";
    m_clock.Advance(CUtility::OneMinute);
    m_tray->Tick();
    EXPECT_EQ(m_box.m_shown.size(), 1u) << "told once, not every second";

    std::filesystem::remove(Filler());
    if (GetParam().byExit) {
        m_tray->Exit(CTrayWnd::ExitCause::Command);
    } else {
        ChangeAndWait("Written once there was room");
        EXPECT_TRUE(FileHolds("Written once there was room"));
    }
    EXPECT_TRUE(FileHolds("Written while the disk was full")) << "the waiting change was saved";
    EXPECT_EQ(m_box.m_shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Room, FullDiskSaveTest,
                         ::testing::Values(FullDiskCase{"NoneThenExit", false, true},
                                           FullDiskCase{"NoneThenNextAutomaticSave", false, false},
                                           FullDiskCase{"HalfThenExit", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char** argv) {
    std::string why;
    if (!MountTinyDisk(why)) {
        std::cout << "SKIPPED: the full-disk tests need a file system of their own, and " << why
                  << std::endl;
        ::rmdir(g_disk.c_str());
        return kSkipped;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    UnmountTinyDisk();
    return result;
}
