// The notes list as a widget: header clicks, the delete with its question,
// the menu by selection, the commands, the keys, drag-out and the period. The clock stands
// at Tuesday, 8 December 2026, 09:30.
#include "views/NoteList.h"
#include "almanac/HolidayNote.h"
#include "res/Resources.h"
#include "store/CalendarData.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TestClock.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/NoteCommands.h"
#include "views/NoteListRows.h"
#include "views/NoteListWnd.h"
#include "views/SortHeaderCtrl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

COleDateTime At(int day, int hour) {
    return COleDateTime(2026, 12, day, hour, 0, 0);
}

class NoteListTest : public ::testing::Test {
protected:
    NoteListTest() { m_data.m_nListFilter = 3; }

    CNote* Add(const char* title, const COleDateTime& at, bool ringing = false) {
        CNote* note =
            m_data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, title, "", at, 0, 0, 1));
        note->m_bAlarmActive = ringing;
        return note;
    }
    CNote* AddHoliday(const char* title, int month, int day) {
        return m_data.m_noteManager.Add(
            std::make_unique<CHolidayNote>(title, "", month, day, 1, 0, 0, 0, 0, 1));
    }

    // The window, made on first use so that each test can add its notes first.
    CNoteListWnd& Wnd() {
        if (!m_wnd) {
            m_wnd = std::make_unique<CNoteListWnd>(m_data, m_actions);
            m_wnd->resize(700, 400);
            m_wnd->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_wnd.get()));
        }
        return *m_wnd;
    }
    CNoteList& List() { return Wnd().List(); }

    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (int row = 0; row < List().RowCount(); ++row)
            titles.push_back(List().Text(row, kColumnNote).toStdString());
        return titles;
    }
    std::vector<std::string> SelectedTitles() {
        std::vector<std::string> titles;
        for (int row : List().SelectedRows())
            titles.push_back(List().Text(row, kColumnNote).toStdString());
        return titles;
    }
    void Select(std::initializer_list<int> rows) {
        List().clearSelection();
        for (int row : rows)
            List().selectionModel()->select(List().model()->index(row, 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
    }
    QPoint RowPoint(int row) {
        return List().visualRect(List().model()->index(row, kColumnNote)).center();
    }
    void Mouse(QEvent::Type type, QPoint at, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons held) {
        QMouseEvent event(type, at, global, button, held, {});
        QApplication::sendEvent(List().viewport(), &event);
    }
    void ClickHeader(int column) {
        CSortHeaderCtrl& header = List().Header();
        const QPoint at(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                        header.height() / 2);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
    }
    // The texts of the menu the list opens on a right click at row.
    std::vector<std::string> MenuAt(int row) {
        std::vector<std::string> texts;
        QTimer::singleShot(0, [&texts] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (const QAction* action : menu->actions())
                texts.push_back(action->text().toStdString());
            menu->close();
        });
        const QPoint at = RowPoint(row);
        Mouse(QEvent::MouseButtonPress, at, List().viewport()->mapToGlobal(at), Qt::RightButton,
              Qt::RightButton);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, List().viewport()->mapToGlobal(at));
        QApplication::sendEvent(List().viewport(), &event);
        return texts;
    }

    CTestClock m_clock{kNow};
    CFakeMessageBox m_box;
    CCalendarData m_data;
    CRecordingCalendarActions m_actions{m_data};
    std::unique_ptr<CNoteListWnd> m_wnd;
};

TEST_F(NoteListTest, HeaderClicksSortByTimeAndByTitleBothWays) {
    Add("Cello", At(9, 10));
    Add("apples", At(11, 10));
    Add("Banks", At(10, 10));
    struct {
        int column;
        int sortOrder;
        std::vector<std::string> titles;
        int markColumn;
        bool descending;
    } const clicks[] = {
        {kColumnTime, 4, {"apples", "Banks", "Cello"}, kColumnTime, true},
        {kColumnTime, 5, {"Cello", "Banks", "apples"}, kColumnTime, false},
        {kColumnNote, 7, {"Banks", "Cello", "apples"}, kColumnNote, false},
        {kColumnNote, 6, {"apples", "Cello", "Banks"}, kColumnNote, true},
        {kColumnTimeLeft, 6, {"apples", "Cello", "Banks"}, kColumnNote, true},
        {kColumnTime, 5, {"Cello", "Banks", "apples"}, kColumnTime, false},
    };
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Cello", "Banks", "apples"}));
    EXPECT_EQ(List().Header().SortColumn(), kColumnTime);
    for (const auto& c : clicks) {
        SCOPED_TRACE(testing::Message() << "click on column " << c.column);
        ClickHeader(c.column);
        EXPECT_EQ(Wnd().SortOrder(), c.sortOrder);
        EXPECT_EQ(Titles(), c.titles);
        EXPECT_EQ(List().Header().SortColumn(), c.markColumn);
        EXPECT_EQ(List().Header().SortDescending(), c.descending);
    }
}

TEST_F(NoteListTest, DeletePassesOverTheRingingNoteAndKeepsItListed) {
    Add("One", At(9, 10));
    CNote* ringing = Add("Two", At(10, 10), true);
    const int ringingID = ringing->m_nID;
    Add("Three", At(11, 10));
    Add("Four", At(12, 10));
    Select({0, 1, 2});
    m_box.QueueAnswer(CMessageBox::kAnswerNo);
    Wnd().OnCommand(kNoteCmdDelete);
    EXPECT_EQ(Titles().size(), 4u);
    m_box.QueueAnswer(CMessageBox::kAnswerYes);
    Wnd().OnCommand(kNoteCmdDelete);
    ASSERT_EQ(m_box.m_shown.size(), 2u);
    EXPECT_EQ(m_box.m_shown[1].text, "Delete 3 Note(s) ?");
    EXPECT_EQ(m_box.m_shown[1].caption, "Warning !");
    EXPECT_EQ(m_box.m_shown[1].buttons, CMessageBox::kButtonsYesNo);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Two", "Four"}));
    EXPECT_NE(m_data.LookupNote(static_cast<WORD>(ringingID)), nullptr);
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 2u);
    EXPECT_EQ(m_actions.m_nChanges, 1);
    // The row above the first deleted one, or the first row, is selected next.
    EXPECT_EQ(SelectedTitles(), (std::vector<std::string>{"Two"}));
}

TEST_F(NoteListTest, DeletingTheFirstRowSelectsTheNewFirstRow) {
    Add("One", At(9, 10));
    Add("Two", At(10, 10));
    Add("Three", At(11, 10));
    Select({0});
    m_box.QueueAnswer(CMessageBox::kAnswerYes);
    Wnd().OnCommand(kNoteCmdDelete);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Two", "Three"}));
    EXPECT_EQ(SelectedTitles(), (std::vector<std::string>{"Two"}));
}

TEST_F(NoteListTest, RightClickKeepsTheSelectionAndItsMenuFollowsIt) {
    AddHoliday("Feast", 12, 9);
    Add("Walk", At(10, 10));
    Wnd();
    EXPECT_EQ(MenuAt(1), std::vector<std::string>{"New"}); // nothing selected
    Select({0});
    // The right click on the note leaves the holiday selected.
    EXPECT_EQ(MenuAt(1), std::vector<std::string>{"New"});
    EXPECT_EQ(SelectedTitles(), std::vector<std::string>{"Feast"});
    Select({1});
    EXPECT_EQ(MenuAt(0), (std::vector<std::string>{"New", "Update", "Clone", "Delete"}));
}

TEST_F(NoteListTest, NoteCommandsOpenTheEditorAndClone) {
    AddHoliday("Feast", 12, 9);
    Add("Walk", At(10, 10));
    CNote* call = Add("Call", At(11, 10));
    const COleDateTime inAnHour = kNow + COleDateTimeSpan(0, 1, 0, 0);
    struct {
        const char* what;
        int selected; // -1: none
        int command;
        bool edits;
        const CNote* note;
        COleDateTime start;
        std::size_t notesAfter;
    } const cases[] = {
        {"new", 2, kNoteCmdNew, true, nullptr, inAnHour, 3},
        {"update", 2, kNoteCmdEdit, true, call, call->m_dtStart, 3},
        {"update without a selection", -1, kNoteCmdEdit, true, nullptr, inAnHour, 3},
        {"clone", 2, kNoteCmdClone, false, nullptr, {}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_actions.m_edits.clear();
        List().clearSelection();
        if (c.selected >= 0) Select({c.selected});
        Wnd().OnCommand(c.command);
        ASSERT_EQ(m_actions.m_edits.size(), c.edits ? 1u : 0u);
        if (c.edits) {
            EXPECT_EQ(m_actions.m_edits[0].note, c.note);
            EXPECT_EQ(m_actions.m_edits[0].start, c.start);
        }
        EXPECT_EQ(m_data.m_noteManager.GetCount(), c.notesAfter);
        EXPECT_EQ(static_cast<std::size_t>(List().RowCount()), c.notesAfter);
    }
    // A double click on a row edits it.
    m_actions.m_edits.clear();
    Select({2});
    const QPoint at = RowPoint(2);
    Mouse(QEvent::MouseButtonDblClick, at, List().viewport()->mapToGlobal(at), Qt::LeftButton,
          Qt::LeftButton);
    ASSERT_EQ(m_actions.m_edits.size(), 1u);
    EXPECT_EQ(m_actions.m_edits[0].note, List().NoteAt(2));
}

TEST_F(NoteListTest, CtrlAltUpAndDownMoveTheSelectedNotesByADay) {
    CNote* call = Add("Call", At(8, 18));
    Wnd().SetPeriod(kRangeAll);
    Select({0});
    const std::string before = List().Text(0, kColumnTime).toStdString();
    QTest::keyClick(&List(), Qt::Key_Up, Qt::ControlModifier | Qt::AltModifier);
    const auto* timed = dynamic_cast<const COneTimeNote*>(call);
    EXPECT_EQ(call->m_dtStart, At(9, 18));
    EXPECT_EQ(timed->m_dtAlarm, At(9, 18));
    EXPECT_EQ(m_data.GetNextAlarmTime(), At(9, 18));
    EXPECT_EQ(List().Text(0, kColumnTime).toStdString(), "12/09/26, 6:00 PM");
    EXPECT_EQ(List().Text(0, kColumnTimeLeft).toStdString(), "1 day");
    EXPECT_EQ(m_actions.m_nChanges, 1);
    QTest::keyClick(&List(), Qt::Key_Down, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(call->m_dtStart, At(8, 18));
    EXPECT_EQ(List().Text(0, kColumnTime).toStdString(), before);
}

TEST_F(NoteListTest, FiveNotesSelectedByCtrlADraggedOutGoToTheDesktopAtTheDropPoint) {
    for (int day = 9; day < 14; ++day)
        Add("Note", At(day, 10));
    QTest::keyClick(&List(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(List().SelectedRows().size(), 5u);
    // The press on a selected row keeps the selection for the drag.
    const QPoint from = RowPoint(2);
    const QPoint global = List().viewport()->mapToGlobal(from);
    Mouse(QEvent::MouseButtonPress, from, global, Qt::LeftButton, Qt::LeftButton);
    const QPoint step(0, 3 * QApplication::startDragDistance());
    Mouse(QEvent::MouseMove, from + step, global + step, Qt::NoButton, Qt::LeftButton);
    const QImage several = resources::Cursor(resources::kCursorDragNotes).pixmap().toImage();
    EXPECT_EQ(List().viewport()->cursor().pixmap().toImage(), several);
    // Released near the bottom of the screen, far outside the list.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint drop(screen.width() / 2, screen.height() - 20);
    Mouse(QEvent::MouseButtonRelease, List().viewport()->mapFromGlobal(drop), drop, Qt::LeftButton,
          {});
    ASSERT_EQ(m_actions.m_drops.size(), 1u);
    const auto& dropped = m_actions.m_drops[0];
    ASSERT_EQ(dropped.notes.size(), 5u);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(dropped.notes[static_cast<std::size_t>(row)], List().NoteAt(row));
    EXPECT_EQ(dropped.at, drop);
    EXPECT_EQ(List().viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(List().SelectedRows().size(), 5u);
}

// A note can go while it is listed (its reminder acknowledged, deleted from
// its own window): the list acts only on the notes still there.
TEST_F(NoteListTest, ANoteGoneSinceItWasListedIsLeftOut) {
    CNote* call = Add("Call", At(9, 10));
    Add("Walk", At(10, 10));
    QTest::keyClick(&List(), Qt::Key_A, Qt::ControlModifier);
    m_data.DeleteNote(static_cast<WORD>(call->m_nID));
    EXPECT_EQ(List().NoteAt(0), nullptr);
    QTest::keyClick(&List(), Qt::Key_Up, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(List().NoteAt(1)->m_dtStart, At(11, 10));
    const QPoint from = RowPoint(1);
    const QPoint global = List().viewport()->mapToGlobal(from);
    const QPoint step(0, 3 * QApplication::startDragDistance());
    Mouse(QEvent::MouseButtonPress, from, global, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, from + step, global + step, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, from + step, global + step, Qt::LeftButton, {});
    ASSERT_EQ(m_actions.m_drops.size(), 1u);
    EXPECT_EQ(m_actions.m_drops[0].notes, std::vector<CNote*>{List().NoteAt(1)});
}

TEST_F(NoteListTest, APeriodIsStoredAsTheFilterAndAnEmptyOneHasNoGridLines) {
    Add("Friday", At(11, 18));
    Wnd().SetPeriod(kRangeWeek);
    EXPECT_EQ(m_data.m_nListFilter, kRangeWeek);
    EXPECT_EQ(List().RowCount(), 1);
    EXPECT_TRUE(List().showGrid());
    Wnd().SetPeriod(kRangeToday);
    EXPECT_EQ(m_data.m_nListFilter, kRangeToday);
    EXPECT_EQ(List().RowCount(), 0);
    EXPECT_FALSE(List().showGrid());
}

} // namespace
