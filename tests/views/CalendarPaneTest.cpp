// The calendar pane as a widget: what the mouse, the menu and the note
// commands do, on December 2026 with Sunday weeks and a clock the tests set.
#include "views/CalendarPane.h"
#include "res/Resources.h"
#include "store/RecurringNote.h"
#include "tests/support/DateExpect.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TestClock.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/NoteCommands.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

COleDateTime Day(int day, int month = 12, int year = 2026) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

class CalendarPaneTest : public ::testing::Test {
protected:
    CalendarPaneTest() {
        m_data.m_bMonthView = 1;
        m_data.m_bWeekStartsSunday = 1;
    }

    // The pane, made on first use so that each test can add its notes first.
    CalendarPane& Pane() {
        if (!m_pane) {
            m_pane = std::make_unique<CalendarPane>(m_data, m_actions);
            m_pane->resize(700, 520);
            m_pane->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_pane.get()));
        }
        return *m_pane;
    }

    // A one-time note with a reminder at 10:00 of day.
    CNote* Add(const char* title, const COleDateTime& day) {
        const COleDateTime at = day + COleDateTimeSpan(0, 10, 0, 0);
        return m_data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, title, "", at, 0, 0, 1));
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, Pane().mapToGlobal(at), button, held, {});
        QApplication::sendEvent(&Pane(), &event);
    }
    void Hover(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, {}); }
    void Click(QPoint at) {
        Hover(at);
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, {});
    }
    void DoubleClick(QPoint at) {
        Click(at);
        Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, {});
    }
    // The first note item of a day, and a point of the day's cell below its notes.
    QPoint NoteOf(const COleDateTime& day, int item = 0) {
        return Pane().NoteItemRect(day, item).center();
    }
    QPoint EmptyPartOf(const COleDateTime& day) {
        return Pane().DayCellRect(day).bottomLeft() + QPoint(8, -4);
    }
    bool Shows(const COleDateTime& day, int item) {
        return !Pane().NoteItemRect(day, item).isEmpty();
    }

    CTestClock m_clock{COleDateTime(2026, 12, 8, 14, 20, 0)};
    CFakeMessageBox m_box;
    CCalendarData m_data;
    CRecordingCalendarActions m_actions{m_data};
    std::unique_ptr<CalendarPane> m_pane;
};

TEST_F(CalendarPaneTest, DoubleClickOpensTheEditor) {
    struct {
        const char* what;
        COleDateTime now;
        COleDateTime day;
        bool onNote;
        COleDateTime start; // of a new note
    } const cases[] = {
        {"today", COleDateTime(2026, 12, 8, 14, 20, 0), Day(8), false,
         COleDateTime(2026, 12, 8, 15, 0, 0)},
        {"today late in the evening", COleDateTime(2026, 12, 8, 23, 20, 0), Day(8), false, Day(9)},
        {"another day", COleDateTime(2026, 12, 8, 14, 20, 0), Day(10), false,
         COleDateTime(2026, 12, 10, 9, 0, 0)},
        {"on a note", COleDateTime(2026, 12, 8, 14, 20, 0), Day(11), true, COleDateTime()},
    };
    const CNote* library = Add("Library", Day(11));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_clock.Set(c.now);
        m_actions.m_edits.clear();
        DoubleClick(c.onNote ? NoteOf(c.day) : EmptyPartOf(c.day));
        ASSERT_EQ(m_actions.m_edits.size(), 1u);
        const CRecordingCalendarActions::Edit& edit = m_actions.m_edits.front();
        EXPECT_EQ(edit.note, c.onNote ? library : nullptr);
        if (!c.onNote) {
            EXPECT_EQ(edit.start, c.start) << edit.start.Format("%Y-%m-%d %H:%M");
        }
    }
}

TEST_F(CalendarPaneTest, AnEditedNoteStaysSelected) {
    CNote* note = Add("Library", Day(11));
    const WORD id = static_cast<WORD>(note->m_nID);
    m_actions.m_bReplaceOnEdit = true;
    Click(NoteOf(Day(11)));
    Pane().OnCommand(kNoteCmdEdit);
    const CNote* replaced = m_data.LookupNote(id);
    ASSERT_NE(replaced, note);
    // The editor put a new object in the note's place; Update reaches that one.
    m_actions.m_bReplaceOnEdit = false;
    Pane().OnCommand(kNoteCmdEdit);
    ASSERT_EQ(m_actions.m_edits.size(), 2u);
    EXPECT_EQ(m_actions.m_edits[1].note, replaced);
    ExpectMidnightOf(Pane().SelectedDate(), 2026, 12, 11);
}

TEST_F(CalendarPaneTest, ADraggedNoteGoesOntoTheDesktopWhereTheMouseLetsGo) {
    CNote* note = Add("Out", Day(14));
    const QPoint from = NoteOf(Day(14));
    const QPoint to = from + QPoint(140, 90);
    Hover(from);
    Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, from + QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, {});
    ASSERT_EQ(m_actions.m_drops.size(), 1u);
    EXPECT_EQ(m_actions.m_drops[0].notes, std::vector<CNote*>{note});
    EXPECT_EQ(m_actions.m_drops[0].at, Pane().mapToGlobal(to));
    ExpectMidnightOf(Pane().SelectedDate(), 2026, 12, 14);
}

TEST_F(CalendarPaneTest, DeleteAsksFirst) {
    const CMessageBox::Answer answers[] = {CMessageBox::kAnswerNo, CMessageBox::kAnswerYes};
    for (const CMessageBox::Answer answer : answers) {
        const bool yes = answer == CMessageBox::kAnswerYes;
        SCOPED_TRACE(yes ? "Yes" : "No");
        const WORD id = static_cast<WORD>(Add("Dentist", Day(16))->m_nID);
        m_pane.reset();
        m_box.m_shown.clear();
        m_box.QueueAnswer(answer);
        Click(NoteOf(Day(16)));
        Pane().OnCommand(kNoteCmdDelete);
        ASSERT_EQ(m_box.m_shown.size(), 1u);
        EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
        EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconInformation);
        EXPECT_EQ(m_box.m_shown[0].buttons, CMessageBox::kButtonsYesNo);
        EXPECT_EQ(m_data.LookupNote(id) == nullptr, yes);
        EXPECT_EQ(Shows(Day(16), 0), !yes);
        EXPECT_EQ(m_actions.m_nChanges, yes ? 1 : 0);
        m_data.DeleteNote(id);
    }
}

TEST_F(CalendarPaneTest, CloneCopiesOntoTheSameDay) {
    const CNote* note = Add("Choir", Day(18));
    Click(NoteOf(Day(18)));
    Pane().OnCommand(kNoteCmdClone);
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 2u);
    EXPECT_TRUE(Shows(Day(18), 1));
    EXPECT_EQ(m_actions.m_nChanges, 1);
    // The original stays selected: cloning again copies it once more.
    Pane().OnCommand(kNoteCmdClone);
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 3u);
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(note->m_nID)), note);
}

TEST_F(CalendarPaneTest, TheContextMenuCarriesTheNoteCommands) {
    Add("Dentist", Day(16));
    const QPoint at = NoteOf(Day(16));
    QStringList texts;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            texts << action->text();
        menu->setActiveAction(menu->actions().last());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, Pane().mapToGlobal(at));
    QApplication::sendEvent(&Pane(), &event);
    EXPECT_EQ(texts, (QStringList{"New", "Update", "Clone", "Delete"}));
    EXPECT_EQ(m_box.m_shown.size(), 1u);
}

bool IsCursor(const QCursor& shown, unsigned id) {
    return shown.shape() == Qt::BitmapCursor && shown.hotSpot() == resources::Cursor(id).hotSpot();
}

TEST_F(CalendarPaneTest, AnOverflowingCellScrollsByItsCursors) {
    for (int i = 0; i < 12; ++i)
        Add("Busy", Day(17));
    const QRect cell = Pane().DayCellRect(Day(17));
    const QPoint bottom(cell.center().x(), cell.bottom() - 3);
    ASSERT_TRUE(Shows(Day(17), 0));
    ASSERT_FALSE(Shows(Day(17), 11));
    Hover(bottom);
    EXPECT_TRUE(IsCursor(Pane().cursor(), resources::kCursorScrollDown));
    Click(bottom);
    EXPECT_FALSE(Shows(Day(17), 0));
    EXPECT_TRUE(Shows(Day(17), 1));
    const QPoint top = Pane().NoteItemRect(Day(17), 1).topLeft() + QPoint(10, 1);
    Hover(top);
    EXPECT_TRUE(IsCursor(Pane().cursor(), resources::kCursorScrollUp));
    Click(top);
    EXPECT_TRUE(Shows(Day(17), 0));
    Hover(cell.center());
    EXPECT_EQ(Pane().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CalendarPaneTest, TheEdgesMoveThePeriod) {
    struct {
        int x;
        unsigned cursor;
        int month, year;
    } const cases[] = {{2, resources::kCursorBack, 11, 2026},
                       {697, resources::kCursorForward, 1, 2027}};
    for (const auto& c : cases) {
        m_pane.reset();
        QSignalSpy moved(&Pane(), &CalendarPane::PeriodChanged);
        const QPoint at(c.x, 300);
        Hover(at);
        EXPECT_TRUE(IsCursor(Pane().cursor(), c.cursor));
        Click(at);
        EXPECT_EQ(moved.count(), 1);
        EXPECT_EQ(Pane().ShownMonth(), c.month);
        EXPECT_EQ(Pane().ShownYear(), c.year);
    }
}

TEST_F(CalendarPaneTest, ModesKeepTheSelectedDay) {
    QSignalSpy selected(&Pane(), &CalendarPane::SelectedDateChanged);
    Click(EmptyPartOf(Day(17)));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.last().first().value<COleDateTime>(), Day(17));
    Pane().SetMode(false);
    EXPECT_FALSE(Pane().IsMonthMode());
    ExpectMidnightOf(Pane().FirstShownDay(), 2026, 12, 14);
    ExpectMidnightOf(Pane().SelectedDate(), 2026, 12, 17);
    // Three weeks on the 17th is gone: the week's first day is selected, and
    // the month view then shows that day's month.
    Pane().Move(+3);
    ExpectMidnightOf(Pane().SelectedDate(), 2027, 1, 4);
    Pane().SetMode(true);
    EXPECT_TRUE(Pane().IsMonthMode());
    EXPECT_EQ(Pane().ShownMonth(), 1);
    ExpectMidnightOf(Pane().FirstShownDay(), 2026, 12, 27);
    ExpectMidnightOf(Pane().SelectedDate(), 2027, 1, 4);
    EXPECT_EQ(m_data.m_bMonthView, 1);
}

TEST_F(CalendarPaneTest, AClickInTheWeekFollowsTheDaysMonth) {
    m_data.m_bMonthView = 0;
    Pane().GoToDate(Day(28));
    QSignalSpy moved(&Pane(), &CalendarPane::PeriodChanged);
    Click(EmptyPartOf(Day(30)));
    EXPECT_EQ(moved.count(), 0);
    Click(EmptyPartOf(Day(1, 1, 2027)));
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(Pane().ShownMonth(), 1);
    EXPECT_EQ(Pane().ShownYear(), 2027);
}

TEST_F(CalendarPaneTest, ACutOffNoteShowsItsWholeTextInTheTip) {
    for (int i = 0; i < 12; ++i)
        Add("Busy", Day(17));
    Pane();
    int cutOff = 0;
    while (Shows(Day(17), cutOff + 1))
        ++cutOff;
    ASSERT_LT(Pane().NoteItemRect(Day(17), cutOff).height(),
              Pane().NoteItemRect(Day(17), 0).height());
    const auto tip = [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowTitle() == "HLTipWnd") return widget;
        return static_cast<QWidget*>(nullptr);
    }();
    ASSERT_NE(tip, nullptr);
    for (int item : {0, cutOff}) {
        const QPoint at = NoteOf(Day(17), item);
        QHelpEvent rest(QEvent::ToolTip, at, Pane().mapToGlobal(at));
        QApplication::sendEvent(&Pane(), &rest);
        EXPECT_EQ(tip->isVisible(), item == cutOff) << item;
    }
    Hover(NoteOf(Day(17), cutOff) + QPoint(3, 0));
    EXPECT_FALSE(tip->isVisible());
}

} // namespace
