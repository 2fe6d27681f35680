// How clicks on the tray icon become commands: the wait for a double-click,
// the modifier keys, and what a busy tray does with a click.
#include "shell/ClickDispatcher.h"
#include "shell/TrayState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what the dispatcher asks for; posted actions wait in a queue until
// the test lets the "event loop" run them.
class CRecordingTarget : public CClickDispatcher::Target {
public:
    int GetTrayState() const override { return state; }
    void StartClickTimer() override { timerRunning = true; }
    void StopClickTimer() override { timerRunning = false; }
    void PostClick(int modifier) override { posted.push_back(modifier); }
    void PostMenu() override { posted.push_back(kMenu); }
    void BringCalendarToFront() override { actions.push_back("front"); }
    void NewNote() override { actions.push_back("new note"); }
    void OpenCalendar() override { actions.push_back("calendar"); }
    void ShowMenu() override { actions.push_back("menu"); }

    static constexpr int kMenu = -1;
    int state = kTrayIdle;
    bool timerRunning = false;
    std::vector<int> posted;
    std::vector<std::string> actions;
};

class ClickDispatcherTest : public ::testing::Test {
protected:
    // Runs what was posted, as the event loop would.
    void RunPosted() {
        const std::vector<int> posted = std::move(m_target.posted);
        m_target.posted.clear();
        for (const int message : posted) {
            if (message == CRecordingTarget::kMenu)
                m_dispatcher.Menu();
            else
                m_dispatcher.Click(message);
        }
    }
    // The double-click time passes.
    void TimerFires() {
        if (m_target.timerRunning) m_dispatcher.ClickTimer();
        RunPosted();
    }

    CRecordingTarget m_target;
    CClickDispatcher m_dispatcher{m_target};
};

using Actions = std::vector<std::string>;

TEST_F(ClickDispatcherTest, SingleClickOpensTheCalendarOnlyAfterTheDoubleClickTime) {
    m_dispatcher.IconClicked(CClickDispatcher::kNoModifier);
    RunPosted();
    EXPECT_TRUE(m_target.actions.empty());
    EXPECT_TRUE(m_target.timerRunning);
    TimerFires();
    EXPECT_EQ(m_target.actions, Actions{"calendar"});
    EXPECT_FALSE(m_target.timerRunning);
    EXPECT_FALSE(m_dispatcher.IsClickPending());
}

TEST_F(ClickDispatcherTest, DoubleClickCreatesExactlyOneNoteAndNoCalendar) {
    m_dispatcher.IconClicked(CClickDispatcher::kNoModifier);
    m_dispatcher.IconDoubleClicked();
    RunPosted();
    TimerFires();
    TimerFires();
    EXPECT_EQ(m_target.actions, Actions{"new note"});
    EXPECT_FALSE(m_target.timerRunning);
}

TEST_F(ClickDispatcherTest, ShiftClickCreatesANote) {
    m_dispatcher.IconClicked(CClickDispatcher::kShift);
    TimerFires();
    EXPECT_EQ(m_target.actions, Actions{"new note"});
}

TEST_F(ClickDispatcherTest, CtrlClickOpensTheCalendar) {
    m_dispatcher.IconClicked(CClickDispatcher::kControl);
    TimerFires();
    EXPECT_EQ(m_target.actions, Actions{"calendar"});
}

TEST_F(ClickDispatcherTest, ShiftWinsOverCtrl) {
    m_dispatcher.IconClicked(CClickDispatcher::kShift | CClickDispatcher::kControl);
    TimerFires();
    EXPECT_EQ(m_target.actions, Actions{"new note"});
}

TEST_F(ClickDispatcherTest, SecondClickWhileOneIsPendingKeepsTheFirst) {
    m_dispatcher.IconClicked(CClickDispatcher::kControl);
    m_dispatcher.IconClicked(CClickDispatcher::kShift);
    TimerFires();
    EXPECT_EQ(m_target.actions, Actions{"calendar"});
}

TEST_F(ClickDispatcherTest, ClickWhileCalendarIsOpenBringsItForward) {
    m_target.state = kTrayCalendarOpen;
    m_dispatcher.IconClicked(CClickDispatcher::kNoModifier);
    TimerFires();
    EXPECT_EQ(m_target.actions, Actions{"front"});
    EXPECT_FALSE(m_dispatcher.IsClickPending());
}

TEST_F(ClickDispatcherTest, DoubleClickWhileBusyDoesNothing) {
    m_target.state = kTrayBusy;
    m_dispatcher.IconDoubleClicked();
    RunPosted();
    EXPECT_TRUE(m_target.actions.empty());
}

TEST_F(ClickDispatcherTest, PendingClickWaitsOutABusySpellAndLandsAfterIt) {
    m_dispatcher.IconClicked(CClickDispatcher::kNoModifier);
    m_target.state = kTrayBusy; // an import starts before the double-click time is up
    TimerFires();
    TimerFires();
    EXPECT_TRUE(m_target.actions.empty());
    EXPECT_TRUE(m_target.timerRunning) << "keeps waiting";
    m_target.state = kTrayIdle;
    TimerFires();
    EXPECT_EQ(m_target.actions, Actions{"calendar"});
    EXPECT_FALSE(m_target.timerRunning);
}

TEST_F(ClickDispatcherTest, ClickPostedJustBeforeTheTrayGotBusyIsDropped) {
    m_dispatcher.IconClicked(CClickDispatcher::kNoModifier);
    m_dispatcher.ClickTimer();
    m_target.state = kTrayCalendarOpen;
    RunPosted();
    EXPECT_TRUE(m_target.actions.empty()) << "never a second calendar";
}

TEST_F(ClickDispatcherTest, RightClickShowsTheMenuOnlyWhenIdle) {
    m_dispatcher.IconRightClicked();
    RunPosted();
    m_target.state = kTrayCalendarOpen;
    m_dispatcher.IconRightClicked();
    RunPosted();
    EXPECT_EQ(m_target.actions, (Actions{"menu", "front"}));
}

} // namespace
