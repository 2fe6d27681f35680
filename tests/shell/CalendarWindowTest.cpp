// The calendar window on the real tray, with the test clock on Tuesday 8
// December 2026: a click on the icon opens it, a double-click on a day makes
// a note there through the editor, the note shows in its cell, and closing
// the window saves the data file. While it is open, notes changed through
// their own windows show changed at once.
#include "FakeTrayIcon.h"

#include "editing/EditorCommands.h"
#include "editing/NoteEditDlg.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "shell/CalendarRunner.h"
#include "shell/CommandLine.h"
#include "shell/TrayWnd.h"
#include "store/ProgramFlags.h"
#include "tests/support/FakeAudioBackEnd.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"
#include "views/CalendarPane.h"
#include "views/GridGeometry.h"
#include "views/MainWnd.h"
#include "views/MainWndCommands.h"
#include "views/RegionButton.h"
#include "views/WindowPlacement.h"
#include "zadad/QtTypes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);
constexpr int kMaxPolls = 400; // two seconds
// The week grid's cells, Monday the 7th first.
constexpr int kWednesday = 2;
constexpr int kThursday = 3;

class CalendarWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramFlags();
        auto icon = std::make_unique<CFakeTrayIcon>(m_log, true);
        m_icon = icon.get();
        m_tray = std::make_unique<CTrayWnd>(std::move(icon));
        m_tray->SetClickInterval(5);
        m_windows = std::make_unique<CNoteWindowManager>(m_tray->Data(), m_tray->Scheduler());
        m_windows->SetChangeHandler([this] { m_tray->NotesChanged(); });
        m_tray->SetNoteWindows(m_windows.get());
        m_editor = std::make_unique<CEditorCommands>(*m_tray, m_windows.get());
        m_calendar =
            std::make_unique<CCalendarRunner>(*m_tray, m_editor->Router(), m_windows.get());
        ASSERT_TRUE(m_tray->Create(CCommandLine("nologo")));
        m_tray->Data().m_bMonthView = 0;
    }
    void TearDown() override {
        m_tray->Exit();
        m_calendar.reset();
        m_editor.reset();
        m_tray.reset();
        m_windows.reset();
        ResetProgramFlags();
    }

    // Runs then once ready holds, checking every few milliseconds for two
    // seconds (then runs it anyway); the check goes on inside modal loops.
    QTimer* Poll(std::function<bool()> ready, std::function<void()> then) {
        auto* poll = new QTimer(m_tray.get());
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, [poll, ready, then, tries = 0]() mutable {
            if (!ready() && ++tries < kMaxPolls) return;
            poll->stop();
            poll->deleteLater();
            then();
        });
        poll->start();
        return poll;
    }
    // Runs action once the calendar window is up, then closes it; open is
    // what opens it. True when the window came up.
    bool WhileOpen(const std::function<void()>& open,
                   const std::function<void(CMainWnd&)>& action) {
        bool seen = false;
        const auto up = [this] {
            return m_calendar->Window() && m_calendar->Window()->isVisible();
        };
        QPointer<QTimer> poll = Poll(up, [this, up, action, &seen] {
            if (!up()) return;
            seen = true;
            action(*m_calendar->Window());
            m_calendar->Window()->Button(kMainClose)->click();
        });
        open();
        for (int wait = 0; wait < kMaxPolls && poll; ++wait)
            QTest::qWait(5);
        return seen;
    }
    // Runs action on the next note editor, once it is up.
    void WhenEditorShown(std::function<void(CNoteEditDlg&)> action) {
        const auto editor = [] {
            return qobject_cast<CNoteEditDlg*>(QApplication::activeModalWidget());
        };
        Poll([editor] { return editor() != nullptr; },
             [editor, action] {
                 if (CNoteEditDlg* dlg = editor()) action(*dlg);
             });
    }

    // The week grid's cell of the pane, and what it shows.
    static QRect Cell(CMainWnd& window, int index) {
        const CalendarPane& pane = *window.Pane();
        return ToQRect(WeekGridLayout(ToRect(pane.rect())).cells[static_cast<std::size_t>(index)]);
    }
    static QImage Picture(CMainWnd& window, int index) {
        return window.Pane()->grab(Cell(window, index)).toImage();
    }
    CNote* FindNote(const std::string& title) const {
        for (const auto& [id, note] : m_tray->Data().m_noteManager.Notes())
            if (note->m_strTitle == title) return note.get();
        return nullptr;
    }

    CTempHome m_home;
    CTestClock m_clock{kNow};
    CFakeMessageBox m_box;
    CFakeAudioBackEnd m_audio;
    std::vector<std::string> m_log;
    CFakeTrayIcon* m_icon = nullptr;
    std::unique_ptr<CTrayWnd> m_tray;
    std::unique_ptr<CNoteWindowManager> m_windows;
    std::unique_ptr<CEditorCommands> m_editor;
    std::unique_ptr<CCalendarRunner> m_calendar;
};

TEST_F(CalendarWindowTest, AClickOpensItADoubleClickOnADayMakesANoteThereAndClosingSaves) {
    bool edited = false;
    const bool opened =
        WhileOpen([this] { emit m_icon->Clicked(CClickDispatcher::kNoModifier); },
                  [&](CMainWnd& window) {
                      EXPECT_EQ(m_tray->GetState(), kTrayCalendarOpen);
                      const QImage empty = Picture(window, kThursday);
                      WhenEditorShown([&](CNoteEditDlg& dlg) {
                          dlg.findChild<QLineEdit*>("title")->setText("Window cleaner");
                          dlg.accept();
                          edited = true;
                      });
                      const QRect cell = Cell(window, kThursday);
                      const QPoint space = cell.center() + QPoint(0, cell.height() / 4);
                      QTest::mouseClick(window.Pane(), Qt::LeftButton, {}, space);
                      QTest::mouseDClick(window.Pane(), Qt::LeftButton, {}, space);
                      ASSERT_TRUE(edited);
                      const CNote* note = FindNote("Window cleaner");
                      ASSERT_NE(note, nullptr);
                      EXPECT_EQ(note->m_dtStart.GetDay(), 10) << "on the day clicked";
                      EXPECT_TRUE(Picture(window, kThursday) != empty) << "shown in its cell";
                  });
    ASSERT_TRUE(opened);
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
    CCalendarData reread;
    ASSERT_TRUE(reread.Load());
    bool saved = false;
    for (const auto& [id, note] : reread.m_noteManager.Notes())
        saved = saved || note->m_strTitle == "Window cleaner";
    EXPECT_TRUE(saved);
    EXPECT_TRUE(HasSavedWindowRect(reread.m_rcMainWindow)) << "with the window's size";
}

TEST_F(CalendarWindowTest, ACtrlClickAndTheMenusCalendarOpenItToo) {
    EXPECT_TRUE(m_tray->HasCalendar());
    EXPECT_TRUE(
        WhileOpen([this] { emit m_icon->Clicked(CClickDispatcher::kControl); }, [](CMainWnd&) {}));
    EXPECT_TRUE(WhileOpen([this] { m_tray->OpenCalendar(); }, [](CMainWnd&) {}));
}

TEST_F(CalendarWindowTest, NotesChangedInTheirOwnWindowsShowChangedAtOnce) {
    const bool opened = WhileOpen(
        [this] { m_tray->OpenCalendar(); },
        [&](CMainWnd& window) {
            const QImage empty = Picture(window, kWednesday);
            CNote* note = m_tray->Data().AddNote(std::make_unique<CNote>(
                kNoteMemo, "Shopping", "", COleDateTime(2026, 12, 9, 0, 0, 0), 0));
            const WORD id = static_cast<WORD>(note->m_nID);
            m_windows->ShowOnDesktop(*note);
            const QImage shown = Picture(window, kWednesday);
            EXPECT_TRUE(shown != empty) << "the new note shows";

            // "Properties" of the desktop note: the editor replaces the note object.
            CNoteWnd* noteWindow = CNoteWindowManager::WindowOf(*note);
            ASSERT_NE(noteWindow, nullptr);
            WhenEditorShown([](CNoteEditDlg& dlg) {
                dlg.findChild<QLineEdit*>("title")->setText("Shopping list for Saturday's party");
                dlg.accept();
            });
            noteWindow->RunCommand(CNoteWnd::kCmdProperties);
            ASSERT_NE(m_tray->Data().LookupNote(id), note);
            EXPECT_TRUE(Picture(window, kWednesday) != shown) << "the edited note shows";

            // Deleted in its window: gone from the calendar at once.
            m_box.QueueAnswer(CMessageBox::kAnswerYes);
            CNoteWindowManager::WindowOf(*m_tray->Data().LookupNote(id))
                ->RunCommand(CNoteWnd::kCmdDelete);
            ASSERT_EQ(m_tray->Data().LookupNote(id), nullptr);
            EXPECT_TRUE(Picture(window, kWednesday) == empty) << "the deleted note is gone";
        });
    EXPECT_TRUE(opened);
}

} // namespace
