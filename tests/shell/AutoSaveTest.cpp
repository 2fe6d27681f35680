// Saving a few seconds after a change: once per burst, never held off for
// long, no retry storm after a failure, no save inside a save.
#include "shell/AutoSave.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

namespace {

const COleDateTime kStart(2026, 12, 8, 9, 30, 0);

COleDateTime At(int seconds) {
    return kStart + CUtility::OneSecond * seconds;
}

class AutoSaveTest : public ::testing::Test {
protected:
    int m_nSaves = 0;
    bool m_bSaveWorks = true;
    CAutoSave m_autoSave{[this] {
        ++m_nSaves;
        return m_bSaveWorks;
    }};
};

TEST_F(AutoSaveTest, NothingChangedNothingSaved) {
    for (int s = 0; s < 30; ++s)
        m_autoSave.Tick(At(s));
    EXPECT_EQ(m_nSaves, 0);
}

TEST_F(AutoSaveTest, ChangeIsSavedOnceAfterTwoQuietSeconds) {
    m_autoSave.Changed(At(0));
    EXPECT_FALSE(m_autoSave.Tick(At(1)));
    EXPECT_TRUE(m_autoSave.Tick(At(2)));
    for (int s = 3; s < 20; ++s)
        m_autoSave.Tick(At(s));
    EXPECT_EQ(m_nSaves, 1);
    EXPECT_FALSE(m_autoSave.IsPending());
}

TEST_F(AutoSaveTest, SteadyChangesAreStillSavedWithinTheLongestDelay) {
    int savedAt = -1;
    for (int s = 0; s < 30 && savedAt < 0; ++s) {
        m_autoSave.Changed(At(s));
        if (m_autoSave.Tick(At(s))) savedAt = s;
    }
    EXPECT_EQ(savedAt, CAutoSave::kMaxDelaySeconds);
}

TEST_F(AutoSaveTest, RegularSavePointTakesThePendingChange) {
    m_autoSave.Changed(At(0));
    m_autoSave.Saved();
    m_autoSave.Tick(At(5));
    EXPECT_EQ(m_nSaves, 0);
}

TEST_F(AutoSaveTest, FailedSavePointLeavesItsChangePendingWithoutARetryEveryTick) {
    m_autoSave.Failed();
    for (int s = 0; s < 60; ++s)
        m_autoSave.Tick(At(s));
    EXPECT_EQ(m_nSaves, 0) << "the save point has told the user already";
    EXPECT_TRUE(m_autoSave.Flush());
    EXPECT_EQ(m_nSaves, 1);
}

TEST_F(AutoSaveTest, FailedSaveIsNotRetriedEveryTickButOnTheNextChange) {
    m_bSaveWorks = false;
    m_autoSave.Changed(At(0));
    for (int s = 1; s < 60; ++s)
        m_autoSave.Tick(At(s));
    EXPECT_EQ(m_nSaves, 1) << "each failure is reported to the user; once is enough";
    EXPECT_TRUE(m_autoSave.IsPending());
    m_bSaveWorks = true;
    m_autoSave.Changed(At(60));
    m_autoSave.Tick(At(62));
    EXPECT_EQ(m_nSaves, 2);
    EXPECT_FALSE(m_autoSave.IsPending());
}

TEST_F(AutoSaveTest, ClockSetBackDoesNotHoldTheSaveOff) {
    m_autoSave.Changed(At(100));
    EXPECT_TRUE(m_autoSave.Tick(At(0)));
}

TEST_F(AutoSaveTest, FlushSavesAPendingChangeAtOnce) {
    EXPECT_TRUE(m_autoSave.Flush());
    EXPECT_EQ(m_nSaves, 0);
    m_autoSave.Changed(At(0));
    EXPECT_TRUE(m_autoSave.Flush());
    EXPECT_EQ(m_nSaves, 1);
}

TEST(AutoSaveNesting, TickDuringASaveDoesNotSaveAgainNorForgetTheNewChange) {
    // A save that reports a failure runs a message box, whose event loop
    // keeps the one-second tick going.
    int saves = 0;
    CAutoSave* self = nullptr;
    CAutoSave autoSave([&] {
        ++saves;
        self->Changed(At(3));
        EXPECT_FALSE(self->Tick(At(10)));
        return true;
    });
    self = &autoSave;
    autoSave.Changed(At(0));
    autoSave.Tick(At(2));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(autoSave.IsPending()) << "changed after the save took its copy";
}

} // namespace
