// Alarm windows driven by the one-second tick with the test clock and the
// fake sound: when they open, how they ring and stop, and what "OK", the
// snooze row, "Delete" and closing do to the note.
#include "tests/reminders/NoteWndHarness.h"

#include "reminders/SnoozeRow.h"
#include "tests/support/TabWalk.h"
#include "views/HoverButton.h"
#include "views/RichTextField.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

namespace {

void ClickOk(CNoteWnd& window) {
    QTest::mouseClick(window.SnoozeRow().Ok(), Qt::LeftButton);
}

} // namespace

TEST_F(NoteWndTest, DueNoteOpensItsAlarmWindowWithinOneTickAndRings) {
    CNote* note = AddOneTime("Dentist", Now());
    EXPECT_EQ(WindowOf(note), nullptr); // due this very second: not yet past
    Tick();
    CNoteWnd* window = WindowOf(note);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsAlarmMode());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->SnoozeRow().Ok()->isVisible());
    EXPECT_FALSE(window->SnoozeRow().IsTicked());
    EXPECT_EQ(window->SnoozeRow().Hours()->text(), "0");
    EXPECT_EQ(window->SnoozeRow().Minutes()->text(), "15");
    EXPECT_EQ(window->focusWidget(), window->SnoozeRow().Ok());
    EXPECT_EQ(window->size(), QSize(CNoteWnd::kAlarmWidth, CNoteWnd::kAlarmHeight));
    EXPECT_TRUE(note->m_bAlarmActive);
    EXPECT_FALSE(note->m_bOnDesktop); // a window made for the alarm is no desktop note
    EXPECT_EQ(g_nAlarmsRinging, 1);
    EXPECT_TRUE(window->IsRingTimerActive());
    window->RingTick();
    window->RingTick();
    EXPECT_EQ(m_audio.m_nBeeps, 2);
}

TEST_F(NoteWndTest, TwoDueNotesRingInTwoWindows) {
    CNote* first = AddOneTime("Dentist", Now());
    CNote* second = AddOneTime("Plumber", Now());
    Tick();
    ASSERT_NE(WindowOf(first), nullptr);
    ASSERT_NE(WindowOf(second), nullptr);
    EXPECT_NE(WindowOf(first), WindowOf(second));
    EXPECT_EQ(g_nAlarmsRinging, 2);
    Tick(); // already ringing: no third window, nothing counted twice
    EXPECT_EQ(g_nAlarmsRinging, 2);
}

TEST_F(NoteWndTest, BeepStopsOnTheHundredTwentyFirstTickWithStopAfterSixty) {
    m_data.m_nStopAlarmSeconds = 60;
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    CNoteWnd* window = WindowOf(note);
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 120; ++i)
        window->RingTick();
    EXPECT_TRUE(window->IsRingTimerActive());
    window->RingTick();
    EXPECT_FALSE(window->IsRingTimerActive());
    EXPECT_EQ(m_audio.m_nBeeps, 121);
    EXPECT_TRUE(window->IsAlarmMode()); // waits for "OK" all the same
    EXPECT_TRUE(window->isVisible());
}

TEST_F(NoteWndTest, WaveSoundPlaysOnceForTwoAlarmsAndStopsWithTheLast) {
    m_data.m_nAlarmSound = CAlarmSignal::kWaveFile;
    m_data.m_strWaveFile = "/sounds/bell.wav";
    CNote* first = AddOneTime("Dentist", Now());
    CNote* second = AddOneTime("Plumber", Now());
    Tick();
    EXPECT_EQ(m_audio.m_played.size(), 1u);
    ClickOk(*WindowOf(first));
    Flush();
    EXPECT_TRUE(m_audio.IsLooping());
    ClickOk(*WindowOf(second));
    Flush();
    EXPECT_FALSE(m_audio.IsLooping());
    EXPECT_EQ(g_nAlarmsRinging, 0);
}

TEST_F(NoteWndTest, UnplayableWaveFileRingsWithTheBeepInstead) {
    m_data.m_nAlarmSound = CAlarmSignal::kWaveFile;
    m_data.m_strWaveFile = "/sounds/broken.wav";
    m_audio.m_bRefuseFiles = true;
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    WindowOf(note)->RingTick();
    EXPECT_EQ(m_audio.m_nBeeps, 1);
}

TEST_F(NoteWndTest, SnoozeMovesStartAndAlarmOfAOneTimeNote) {
    COneTimeNote* note = AddOneTime("Dentist", Now());
    const COleDateTime occurrence = note->m_dtOccurrence;
    const int id = note->m_nID;
    Tick();
    CNoteWnd* window = WindowOf(note);
    window->SnoozeRow().Check()->setChecked(true);
    ClickOk(*window);
    Flush();
    ASSERT_EQ(m_data.LookupNote(static_cast<WORD>(id)), note);
    const COleDateTime expected = Now() + CUtility::FifteenMinute;
    EXPECT_DOUBLE_EQ(note->m_dtAlarm.m_dt, expected.m_dt);
    EXPECT_DOUBLE_EQ(note->m_dtStart.m_dt, expected.m_dt);
    EXPECT_EQ(note->m_dtOccurrence, occurrence);
    EXPECT_FALSE(note->m_bAlarmActive);
    EXPECT_EQ(HistoryCopies(), 0);
    EXPECT_EQ(WindowOf(note), nullptr); // made for the alarm: closed
    EXPECT_EQ(g_nAlarmsRinging, 0);
    EXPECT_EQ(m_data.GetNextAlarmID(), id);
}

TEST_F(NoteWndTest, FocusingTheDelayTicksRemindMeAgain) {
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    CNoteWnd* window = WindowOf(note);
    Activate(window);
    window->SnoozeRow().Minutes()->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->SnoozeRow().IsTicked());
}

TEST_F(NoteWndTest, SnoozeOutOfRangeShowsTheRangeMessageAndKeepsRinging) {
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    CNoteWnd* window = WindowOf(note);
    window->SnoozeRow().Hours()->setText("25");
    ClickOk(*window);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Please enter an integer between 0 and 24.");
    EXPECT_TRUE(window->IsAlarmMode());
    EXPECT_TRUE(window->IsRingTimerActive());
    EXPECT_TRUE(note->m_bAlarmActive);
    window->SnoozeRow().Hours()->setText("x");
    ClickOk(*window);
    EXPECT_EQ(m_box.m_shown.back().text, "Please enter an integer.");
    EXPECT_EQ(g_nAlarmsRinging, 1);
}

TEST_F(NoteWndTest, AcknowledgingAOneTimeNoteRetiresItToHistory) {
    CNote* note = AddOneTime("Dentist", Now());
    const int id = note->m_nID;
    Tick();
    WindowOf(note)->TextField()->setPlainText("Bring the card and the letter");
    ClickOk(*WindowOf(note));
    Flush();
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(id)), nullptr);
    ASSERT_EQ(HistoryCopies(), 1);
    // What was typed in the ringing window reaches the history copy.
    for (const auto& entry : m_data.m_noteManager.Notes())
        EXPECT_NE(entry.second->m_strText.find("and the letter"), std::string::npos);
    EXPECT_EQ(g_nAlarmsRinging, 0);
}

TEST_F(NoteWndTest, AcknowledgingARecurringNoteAdvancesIt) {
    CRecurringNote* note = AddDaily("Plants", Now() + CUtility::OneSecond);
    const COleDateTime first = note->m_dtOccurrence;
    Tick();
    Tick();
    ASSERT_NE(WindowOf(note), nullptr);
    ClickOk(*WindowOf(note));
    Flush();
    ASSERT_EQ(m_data.LookupNote(static_cast<WORD>(note->m_nID)), note);
    EXPECT_DOUBLE_EQ(note->m_dtOccurrence.m_dt, (first + CUtility::OneDay).m_dt);
    EXPECT_EQ(note->m_dtLastOccurrence, first);
    EXPECT_FALSE(note->m_bAlarmActive);
    EXPECT_EQ(HistoryCopies(), 1);
    EXPECT_EQ(WindowOf(note), nullptr);
}

TEST_F(NoteWndTest, SeriesEndingOnItsNextOccurrenceIsRemovedWithOneHistoryCopy) {
    CRecurringNote* note = AddDaily("Plants", Now() + CUtility::OneSecond);
    const COleDateTime first = note->m_dtOccurrence;
    note->m_dtEnd = first + CUtility::OneDay;
    CUtility::GetStartOfDay(note->m_dtEnd);
    const int id = note->m_nID;
    Tick();
    Tick();
    ClickOk(*WindowOf(note));
    Flush();
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(id)), nullptr);
    ASSERT_EQ(HistoryCopies(), 1);
    const CNote& copy = *m_data.m_noteManager.Notes().begin()->second;
    EXPECT_EQ(copy.m_dtStart, first);
}

TEST_F(NoteWndTest, DeleteFromARingingWindowLeavesNoHistoryCopy) {
    m_data.m_nAlarmSound = CAlarmSignal::kWaveFile;
    m_data.m_strWaveFile = "/sounds/bell.wav";
    CNote* note = AddOneTime("Dentist", Now());
    const int id = note->m_nID;
    Tick();
    WindowOf(note)->RunCommand(CNoteWnd::kCmdDelete);
    Flush();
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(id)), nullptr);
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 0u);
    EXPECT_EQ(g_nAlarmsRinging, 0);
    EXPECT_FALSE(m_audio.IsLooping());
}

TEST_F(NoteWndTest, CloseButtonOfARingingWindowDoesNothing) {
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    CNoteWnd* window = WindowOf(note);
    const RECT close = CNoteHitTest::CloseRect(window->width(), window->CaptionHeight());
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(close.left + 4, close.top + 4));
    Flush();
    EXPECT_EQ(WindowOf(note), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->IsAlarmMode());
    EXPECT_TRUE(window->IsRingTimerActive());
}

TEST_F(NoteWndTest, SystemCloseSilencesTheWaveButKeepsTheAlarm) {
    m_data.m_nAlarmSound = CAlarmSignal::kWaveFile;
    m_data.m_strWaveFile = "/sounds/bell.wav";
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    CNoteWnd* window = WindowOf(note);
    EXPECT_FALSE(window->close());
    Flush();
    EXPECT_FALSE(m_audio.IsLooping());
    ASSERT_EQ(WindowOf(note), window);
    EXPECT_TRUE(window->IsAlarmMode());
    window->RingTick();
    EXPECT_TRUE(window->IsPinDrawnPressed() != static_cast<bool>(note->m_bTopMost));
    EXPECT_EQ(g_nAlarmsRinging, 1);
}

TEST_F(NoteWndTest, PinBlinksWhileRinging) {
    CNote* note = AddOneTime("Dentist", Now());
    note->m_bTopMost = 1;
    Tick();
    CNoteWnd* window = WindowOf(note);
    EXPECT_TRUE(window->IsPinDrawnPressed());
    window->RingTick();
    EXPECT_FALSE(window->IsPinDrawnPressed());
    window->RingTick();
    EXPECT_TRUE(window->IsPinDrawnPressed());
}

TEST_F(NoteWndTest, DesktopNoteRingsAndReturnsToItsPlace) {
    COneTimeNote* note = AddOneTime("Dentist", Now() + CUtility::OneHour);
    note->m_bTopMost = 0;
    m_windows.ShowOnDesktop(*note, 300, 200);
    CNoteWnd* window = WindowOf(note);
    ASSERT_NE(window, nullptr);
    const QRect place = window->geometry();
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    note->m_dtAlarm = Now();
    m_data.FindNextAlarm();
    Tick();
    ASSERT_EQ(WindowOf(note), window);
    EXPECT_TRUE(window->IsAlarmMode());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_NE(window->geometry(), place);

    window->SnoozeRow().Check()->setChecked(true);
    ClickOk(*window);
    Flush();
    ASSERT_EQ(WindowOf(note), window);
    EXPECT_FALSE(window->IsAlarmMode());
    EXPECT_EQ(window->geometry(), place);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window->SnoozeRow().Ok()->isVisible());
    EXPECT_TRUE(note->m_bOnDesktop);
    // On the desktop again, Tab in the text is a tab of the note's own.
    window->TextField()->setFocus();
    QTest::keyClick(window->TextField(), Qt::Key_Tab);
    EXPECT_TRUE(window->TextField()->toPlainText().contains('\t'));
}

TEST_F(NoteWndTest, TabWalksTheTextAndTheSnoozeRowOfARingingWindow) {
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    CNoteWnd* window = WindowOf(note);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TabWalk(window->TextField()),
              (std::vector<std::string>{"Note text", "Remind me again after", "Input delay hours",
                                        "Input delay minutes", "Close dialog"}));
    EXPECT_FALSE(window->TextField()->toPlainText().contains('\t'));
}

TEST_F(NoteWndTest, RingingNotePutOnTheDesktopStaysThereAfterTheAlarm) {
    CNote* note = AddOneTime("Dentist", Now());
    Tick();
    CNoteWnd* window = WindowOf(note);
    ASSERT_NE(window, nullptr);
    m_windows.ShowOnDesktop(*note, 500, 300); // dragged out of the list while ringing
    EXPECT_TRUE(window->IsAlarmMode());
    EXPECT_TRUE(note->m_bAlarmActive);
    window->SnoozeRow().Check()->setChecked(true);
    ClickOk(*window);
    Flush();
    ASSERT_EQ(WindowOf(note), window);
    EXPECT_FALSE(window->IsAlarmMode());
    EXPECT_TRUE(note->m_bOnDesktop);
    EXPECT_EQ(window->geometry(), QRect(500 - CNoteWnd::kAlarmWidth / 2, 294, CNoteWnd::kAlarmWidth,
                                        CNoteWnd::kAlarmHeight));
}

TEST_F(NoteWndTest, EnterPressesOk) {
    CNote* note = AddOneTime("Dentist", Now());
    const int id = note->m_nID;
    Tick();
    QTest::keyClick(WindowOf(note)->SnoozeRow().Ok(), Qt::Key_Return);
    Flush();
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(id)), nullptr);
}
