// The calendar window on the real tray, with the test clock on Tuesday 8
// December 2026: a click on the icon opens it, a double-click on a day makes
// a note there through the editor, the note shows in its cell, and closing
// the window saves the data file. While it is open, notes changed through
// their own windows show changed at once.
#include "FakeTrayIcon.h"

#include "editing/NoteEditDlg.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "shell/CalendarRunner.h"
#include "shell/TrayWnd.h"
#include "tests/support/TrayHarness.h"
#include "views/CalendarPane.h"
#include "views/GridGeometry.h"
#include "views/MainWnd.h"
#include "views/MainWndCommands.h"
#include "views/RegionButton.h"
#include "views/WindowPlacement.h"
#include "zadad/QtTypes.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);
// The week grid's cells, Monday the 7th first.
constexpr int kWednesday = 2;
constexpr int kThursday = 3;

class CalendarWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_harness.Start({.editor = true, .calendar = true}));
        m_harness.Data().m_bMonthView = 0;
    }

    // Runs action once the calendar window is up, then closes it; open is
    // what opens it. True when the window came up.
    bool WhileOpen(const std::function<void()>& open,
                   const std::function<void(CMainWnd&)>& action) {
        bool seen = false;
        CCalendarRunner* calendar = &m_harness.Calendar();
        const auto up = [calendar] {
            return calendar->Window() && calendar->Window()->isVisible();
        };
        QPointer<QTimer> poll = m_harness.Poll(up, [calendar, up, action, &seen] {
            if (!up()) return;
            seen = true;
            action(*calendar->Window());
            calendar->Window()->Button(kMainClose)->click();
        });
        open();
        m_harness.WaitUntil([&poll] { return !poll; });
        return seen;
    }
    // The week grid's cell of the pane, and what it shows.
    static QRect Cell(CMainWnd& window, int index) {
        const CalendarPane& pane = *window.Pane();
        return ToQRect(WeekGridLayout(ToRect(pane.rect())).cells[static_cast<std::size_t>(index)]);
    }
    static QImage Picture(CMainWnd& window, int index) {
        return window.Pane()->grab(Cell(window, index)).toImage();
    }

    CTrayHarness m_harness{kNow};
};

TEST_F(CalendarWindowTest, AClickOpensItADoubleClickOnADayMakesANoteThereAndClosingSaves) {
    bool edited = false;
    const bool opened =
        WhileOpen([this] { emit m_harness.Icon().Clicked(CClickDispatcher::kNoModifier); },
                  [&](CMainWnd& window) {
                      EXPECT_EQ(m_harness.Tray().GetState(), kTrayCalendarOpen);
                      const QImage empty = Picture(window, kThursday);
                      m_harness.WhenShown<CNoteEditDlg>([&](CNoteEditDlg& dlg) {
                          dlg.findChild<QLineEdit*>("title")->setText("Window cleaner");
                          dlg.accept();
                          edited = true;
                      });
                      const QRect cell = Cell(window, kThursday);
                      const QPoint space = cell.center() + QPoint(0, cell.height() / 4);
                      QTest::mouseClick(window.Pane(), Qt::LeftButton, {}, space);
                      QTest::mouseDClick(window.Pane(), Qt::LeftButton, {}, space);
                      ASSERT_TRUE(edited);
                      const CNote* note = m_harness.FindNote("Window cleaner");
                      ASSERT_NE(note, nullptr);
                      EXPECT_EQ(note->m_dtStart.GetDay(), 10) << "on the day clicked";
                      EXPECT_TRUE(Picture(window, kThursday) != empty) << "shown in its cell";
                  });
    ASSERT_TRUE(opened);
    EXPECT_EQ(m_harness.Tray().GetState(), kTrayIdle);
    CCalendarData reread;
    ASSERT_TRUE(reread.Load());
    bool saved = false;
    for (const auto& [id, note] : reread.m_noteManager.Notes())
        saved = saved || note->m_strTitle == "Window cleaner";
    EXPECT_TRUE(saved);
    EXPECT_TRUE(HasSavedWindowRect(reread.m_rcMainWindow)) << "with the window's size";
}

TEST_F(CalendarWindowTest, ACtrlClickAndTheMenusCalendarOpenItToo) {
    EXPECT_TRUE(m_harness.Tray().HasCalendar());
    EXPECT_TRUE(WhileOpen([this] { emit m_harness.Icon().Clicked(CClickDispatcher::kControl); },
                          [](CMainWnd&) {}));
    EXPECT_TRUE(WhileOpen([this] { m_harness.Tray().OpenCalendar(); }, [](CMainWnd&) {}));
}

TEST_F(CalendarWindowTest, NotesChangedInTheirOwnWindowsShowChangedAtOnce) {
    const bool opened = WhileOpen(
        [this] { m_harness.Tray().OpenCalendar(); },
        [&](CMainWnd& window) {
            const QImage empty = Picture(window, kWednesday);
            CNote* note = m_harness.Data().AddNote(std::make_unique<CNote>(
                kNoteMemo, "Shopping", "", COleDateTime(2026, 12, 9, 0, 0, 0), 0));
            const WORD id = static_cast<WORD>(note->m_nID);
            m_harness.Windows().ShowOnDesktop(*note);
            const QImage shown = Picture(window, kWednesday);
            EXPECT_TRUE(shown != empty) << "the new note shows";

            // "Properties" of the desktop note: the editor replaces the note object.
            CNoteWnd* noteWindow = CNoteWindowManager::WindowOf(*note);
            ASSERT_NE(noteWindow, nullptr);
            m_harness.WhenShown<CNoteEditDlg>([](CNoteEditDlg& dlg) {
                dlg.findChild<QLineEdit*>("title")->setText("Shopping list for Saturday's party");
                dlg.accept();
            });
            noteWindow->RunCommand(CNoteWnd::kCmdProperties);
            ASSERT_NE(m_harness.Data().LookupNote(id), note);
            EXPECT_TRUE(Picture(window, kWednesday) != shown) << "the edited note shows";

            // Deleted in its window: gone from the calendar at once.
            m_harness.Box().QueueAnswer(CMessageBox::kAnswerYes);
            CNoteWindowManager::WindowOf(*m_harness.Data().LookupNote(id))
                ->RunCommand(CNoteWnd::kCmdDelete);
            ASSERT_EQ(m_harness.Data().LookupNote(id), nullptr);
            EXPECT_TRUE(Picture(window, kWednesday) == empty) << "the deleted note is gone";
        });
    EXPECT_TRUE(opened);
}

} // namespace
