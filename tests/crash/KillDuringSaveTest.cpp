// Kills a process with SIGKILL while it saves the data file, again and
// again, and reads the file after every kill: it must load and hold either
// the state before the save or the state being saved, never a mix of the
// two and never nothing. Two savers are killed: a small program that saves
// one generation of a few thousand notes after the other through the
// program's own save, and the program itself while it saves on "exit".
//
// ORRINDALE_CRASH_KILLS sets the number of kills (1000 unless set), a
// quarter of them of the program; ORRINDALE_CRASH_SEED repeats a run.
#include "ChildProcess.h"
#include "Generation.h"

#include "store/CalendarData.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

namespace {

using namespace std::chrono_literals;

int EnvNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

int Kills() {
    return EnvNumber("ORRINDALE_CRASH_KILLS", 1000);
}

struct CKillCounts {
    int kills = 0;
    int old = 0;
    int fresh = 0;
    int failures = 0;
    // Kills that came after the process had ended of itself.
    int late = 0;
    // Kills between "saving" and "saved".
    int duringSave = 0;

    void Report(const char* who) const {
        std::cout << who << ": kills " << kills << ", old " << old << ", new " << fresh
                  << ", failures " << failures << ", ended before the kill " << late
                  << ", killed between saving and saved " << duringSave << std::endl;
    }
};

class KillDuringSaveTest : public ::testing::Test {
protected:
    KillDuringSaveTest() {
        const int seed =
            EnvNumber("ORRINDALE_CRASH_SEED", static_cast<int>(std::random_device()()));
        std::cout << "ORRINDALE_CRASH_SEED=" << seed << std::endl;
        m_random.seed(static_cast<unsigned>(seed));
    }

    std::string DataFile() const { return m_home.File(CCalendarData::kDataFileName); }
    std::string Backup() const { return m_home.File(CCalendarData::kBackupFileName); }
    std::vector<std::string> Environment() const {
        return {"ORRINDALE_HOME=" + m_home.Path(), "XDG_STATE_HOME=" + m_home.File("state"),
                "ORRINDALE_INSTANCE=OrrindaleKill-" + std::to_string(::getpid()),
                "ORRINDALE_STARTUP_LOG=1", "QT_QPA_PLATFORM=offscreen"};
    }
    std::chrono::microseconds Random(std::chrono::microseconds most) {
        return std::chrono::microseconds(
            std::uniform_int_distribution<long>(0, static_cast<long>(most.count()))(m_random));
    }
    // The generation in path, -1 (with why) when it does not load whole.
    static int ReadGeneration(const std::string& path, bool& withExpired, std::string& error) {
        // Read as of a day before the expired note ended, so that it stays.
        CTestClock before(COleDateTime(2000, 6, 1, 0, 0, 0));
        CCalendarData data;
        if (data.LoadReadOnly(path, error) != CCalendarData::ReadOnlyLoad::kLoaded) {
            if (error.empty()) error = "no file";
            return -1;
        }
        return CGeneration::Of(data, withExpired, error);
    }
    // Temporary files of a save left beside the data file, once the program
    // has saved again after the kills: none should outlive that save.
    int Leftovers() const {
        CCalendarData data;
        EXPECT_TRUE(data.Load() && data.SaveQuietly()) << "no save after the kills";
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(m_home.Path())) {
            const std::string name = entry.path().filename().string();
            if (name == CCalendarData::kDataFileName || name == CCalendarData::kBackupFileName)
                continue;
            if (name.starts_with(CCalendarData::kDataFileName) ||
                name.starts_with(CCalendarData::kBackupFileName)) {
                std::cout << "left behind: " << name << std::endl;
                ++count;
            }
        }
        return count;
    }
    void Fail(CKillCounts& counts, const std::string& why) {
        ++counts.failures;
        ADD_FAILURE() << why;
        // Kept for a look: the scratch folder goes with the test.
        std::error_code ignored;
        std::filesystem::copy_file(DataFile(), "kill-failed-" + std::to_string(counts.kills),
                                   std::filesystem::copy_options::overwrite_existing, ignored);
    }

    CTempHome m_home;
    std::mt19937 m_random;
};

// The saver's own account of the generations: the last one it began to
// save and the last it finished, from "saving G" and "saved G" lines.
void LastGenerations(const std::vector<std::string>& lines, int& begun, int& finished) {
    for (const std::string& line : lines) {
        if (line.starts_with("saving ")) begun = std::stoi(line.substr(7));
        if (line.starts_with("saved ")) finished = std::stoi(line.substr(6));
    }
}

TEST_F(KillDuringSaveTest, SaveLoopKilledAtRandomLeavesTheOldOrTheNewGeneration) {
    const int target = Kills() - Kills() / 4;
    CKillCounts counts;
    int onDisk = 0; // the generation the file holds
    {
        CCalendarData first;
        CGeneration::Make(first, onDisk);
        ASSERT_TRUE(first.SaveCopy(DataFile()));
    }
    for (int attempt = 0; counts.kills < target && attempt < 3 * target; ++attempt) {
        CChildProcess saver(SAVE_LOOP_BINARY, {}, Environment());
        ASSERT_TRUE(saver.Started());
        ASSERT_TRUE(saver.WaitFor("saving", 30s)) << "the saver did not start saving";
        // A few saves' time: the kill lands anywhere in the loop.
        std::this_thread::sleep_for(Random(60ms));
        if (!saver.Kill()) {
            ++counts.late;
            saver.ReadToEnd();
            FAIL() << "the saver ended of itself: " << saver.Lines().back();
        }
        ++counts.kills;
        saver.ReadToEnd();
        int begun = onDisk;
        int finished = onDisk;
        LastGenerations(saver.Lines(), begun, finished);
        bool withExpired = false;
        std::string error;
        const int found = ReadGeneration(DataFile(), withExpired, error);
        counts.duringSave += begun > finished;
        if (found >= 0 && found == finished) {
            ++counts.old;
        } else if (found >= 0 && found == begun) {
            ++counts.fresh;
        } else {
            Fail(counts, "after saving " + std::to_string(begun) + " (finished " +
                             std::to_string(finished) + "): " + std::to_string(found) + " " +
                             error);
            return;
        }
        onDisk = found;
    }
    counts.Report("save loop");
    EXPECT_EQ(counts.kills, target);
    EXPECT_EQ(counts.failures, 0);
    EXPECT_EQ(Leftovers(), 0) << "the save after the kills left temporary files behind";
}

class ProgramKillTest : public KillDuringSaveTest {
protected:
    // Generation g as the program finds it: last saved two days ago, so it
    // makes its daily backup while loading, and with the expired note that
    // it drops, so its own save of the same notes reads differently.
    void WriteGeneration(int g) {
        CTestClock clock(COleDateTime::GetCurrentTime() - CUtility::OneDay * 2);
        CCalendarData data;
        CGeneration::Make(data, g);
        CGeneration::AddExpired(data, g);
        ASSERT_TRUE(data.SaveCopy(DataFile()));
    }
    // Starts the program, asks it to exit and kills it after delay; false
    // when it had ended by then.
    bool ExitAndKill(std::chrono::microseconds delay, std::chrono::microseconds* took = nullptr) {
        CChildProcess program(ORRINDALE_BINARY, {"nologo"}, Environment());
        if (!program.WaitFor("orrindale: ready", 30s)) {
            program.ReadToEnd();
            std::string said;
            for (const std::string& line : program.Lines())
                said += "\n  " + line;
            ADD_FAILURE() << "the program did not start:" << said;
        }
        const auto asked = std::chrono::steady_clock::now();
        CChildProcess stopper(ORRINDALE_BINARY, {"exit"}, Environment());
        if (took) {
            program.Wait();
            *took = std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now() - asked);
            return false;
        }
        std::this_thread::sleep_for(delay);
        const bool killed = program.Kill();
        // Started after the kill, the stopper finds no copy running and
        // starts as the program itself, writing only the daily backup.
        stopper.Kill();
        return killed;
    }
    // How long the program takes from "exit" to its end, at most.
    std::chrono::microseconds ExitTime() {
        std::chrono::microseconds longest{0};
        for (int g = 1; g <= 3; ++g) {
            WriteGeneration(g);
            std::chrono::microseconds took{0};
            ExitAndKill({}, &took);
            longest = std::max(longest, took);
        }
        return longest;
    }
};

TEST_F(ProgramKillTest, ProgramKilledWhileSavingOnExitLeavesTheOldOrTheNewFile) {
    const int target = Kills() / 4;
    const std::chrono::microseconds window = ExitTime();
    std::cout << "program: exit takes up to " << window.count() << " us" << std::endl;
    CKillCounts counts;
    for (int g = 4; counts.kills < target && g < 4 + 3 * target; ++g) {
        WriteGeneration(g);
        if (!ExitAndKill(Random(window))) {
            ++counts.late;
            continue;
        }
        ++counts.kills;
        bool withExpired = false;
        std::string error;
        const int found = ReadGeneration(DataFile(), withExpired, error);
        if (found != g) {
            Fail(counts,
                 "generation " + std::to_string(g) + ": " + std::to_string(found) + " " + error);
            return;
        }
        ++(withExpired ? counts.old : counts.fresh);
        // Made by a start of this round or of the one before.
        const int backup = ReadGeneration(Backup(), withExpired, error);
        EXPECT_TRUE((backup == g || backup == g - 1) && !withExpired)
            << "the backup: " << backup << " " << error;
    }
    counts.Report("program");
    EXPECT_EQ(Leftovers(), 0);
    EXPECT_EQ(counts.kills, target);
    EXPECT_EQ(counts.failures, 0);
}

} // namespace
