// The calendar pane as a widget: what the mouse, the menu and the note
// commands do, on December 2026 with Sunday weeks and a clock the tests set.
#include "views/CalendarPane.h"
#include "almanac/HolidayNote.h"
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

// Every note here is a one-time note with a reminder, in one of these states.
enum class Kind { Note, Holiday, History, Ringing };

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

    CNote* Add(Kind kind, const char* title, const COleDateTime& day) {
        const COleDateTime at = day + COleDateTimeSpan(0, 10, 0, 0);
        if (kind == Kind::Holiday)
            return m_data.m_noteManager.Add(std::make_unique<CHolidayNote>(
                title, "", day.GetMonth(), day.GetDay(), 1, 0, 0, 0, 0, 1));
        CNote* note =
            m_data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, title, "", at, 0, 0, 1));
        note->m_bHistory = kind == Kind::History;
        note->m_bAlarmActive = kind == Kind::Ringing;
        return note;
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
        Kind kind;
        bool opens;
        COleDateTime start;
    } const cases[] = {
        {"today, new note", COleDateTime(2026, 12, 8, 14, 20, 0), Day(8), false, Kind::Note, true,
         COleDateTime(2026, 12, 8, 15, 0, 0)},
        {"today late in the evening", COleDateTime(2026, 12, 8, 23, 20, 0), Day(8), false,
         Kind::Note, true, Day(9)},
        {"another day", COleDateTime(2026, 12, 8, 14, 20, 0), Day(10), false, Kind::Note, true,
         COleDateTime(2026, 12, 10, 9, 0, 0)},
        {"on a note", COleDateTime(2026, 12, 8, 14, 20, 0), Day(11), true, Kind::Note, true,
         COleDateTime()},
        {"on a holiday", COleDateTime(2026, 12, 8, 14, 20, 0), Day(12), true, Kind::Holiday, false,
         COleDateTime()},
    };
    const CNote* library = Add(Kind::Note, "Library", Day(11));
    Add(Kind::Holiday, "Feast", Day(12));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_clock.Set(c.now);
        m_actions.m_edits.clear();
        DoubleClick(c.onNote ? NoteOf(c.day) : EmptyPartOf(c.day));
        ASSERT_EQ(m_actions.m_edits.size(), c.opens ? 1u : 0u);
        if (!c.opens) continue;
        const CRecordingCalendarActions::Edit& edit = m_actions.m_edits.front();
        if (c.onNote) {
            EXPECT_EQ(edit.note, library);
        } else {
            EXPECT_EQ(edit.note, nullptr);
            EXPECT_EQ(edit.start, c.start) << edit.start.Format("%Y-%m-%d %H:%M");
        }
    }
}

TEST_F(CalendarPaneTest, AnEditedNoteStaysSelected) {
    CNote* note = Add(Kind::Note, "Library", Day(11));
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

TEST_F(CalendarPaneTest, DraggingANoteOutPutsItOnTheDesktop) {
    struct {
        Kind kind;
        bool dropped;
    } const cases[] = {{Kind::Note, true}, {Kind::Holiday, false}, {Kind::Ringing, false}};
    int day = 14;
    for (const auto& c : cases) {
        const COleDateTime when = Day(day++);
        CNote* note = Add(c.kind, "Out", when);
        m_pane.reset();
        m_actions.m_drops.clear();
        const QPoint from = NoteOf(when);
        const QPoint to = from + QPoint(140, 90);
        Hover(from);
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseMove, from + QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, {});
        ASSERT_EQ(m_actions.m_drops.size(), c.dropped ? 1u : 0u) << static_cast<int>(c.kind);
        if (!c.dropped) continue;
        EXPECT_EQ(m_actions.m_drops[0].notes, std::vector<CNote*>{note});
        EXPECT_EQ(m_actions.m_drops[0].at, Pane().mapToGlobal(to));
        EXPECT_EQ(note->m_dtStart.GetDay(), when.GetDay());
    }
}

TEST_F(CalendarPaneTest, DeleteAsksFirst) {
    struct {
        const char* what;
        Kind kind;
        CMessageBox::Answer answer;
        bool asked, removed;
    } const cases[] = {
        {"answered No", Kind::Note, CMessageBox::kAnswerNo, true, false},
        {"answered Yes", Kind::Note, CMessageBox::kAnswerYes, true, true},
        {"ringing", Kind::Ringing, CMessageBox::kAnswerYes, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CNote* note = Add(c.kind, "Dentist", Day(16));
        const WORD id = static_cast<WORD>(note->m_nID);
        m_pane.reset();
        m_box.m_shown.clear();
        m_box.QueueAnswer(c.answer);
        const int changes = m_actions.m_nChanges;
        Click(NoteOf(Day(16)));
        Pane().OnCommand(kNoteCmdDelete);
        ASSERT_EQ(m_box.m_shown.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(m_box.m_shown[0].text, "Do you want to delete \"Dentist \"?");
            EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
            EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconInformation);
            EXPECT_EQ(m_box.m_shown[0].buttons, CMessageBox::kButtonsYesNo);
        }
        EXPECT_EQ(m_data.LookupNote(id) == nullptr, c.removed);
        EXPECT_EQ(Shows(Day(16), 0), !c.removed);
        EXPECT_EQ(m_actions.m_nChanges - changes, c.removed ? 1 : 0);
        m_box.m_answers.clear();
        m_data.DeleteNote(id);
    }
}

TEST_F(CalendarPaneTest, CloneCopiesOntoTheSameDay) {
    struct {
        Kind kind;
        bool copied;
    } const cases[] = {{Kind::Note, true}, {Kind::History, false}};
    for (const auto& c : cases) {
        m_data.RemoveAllNotes();
        const CNote* note = Add(c.kind, "Choir", Day(18));
        m_pane.reset();
        Click(NoteOf(Day(18)));
        Pane().OnCommand(kNoteCmdClone);
        EXPECT_EQ(m_data.m_noteManager.GetCount(), c.copied ? 2u : 1u);
        EXPECT_EQ(Shows(Day(18), 1), c.copied);
        // The original stays selected: cloning again copies it once more.
        Pane().OnCommand(kNoteCmdClone);
        EXPECT_EQ(m_data.m_noteManager.GetCount(), c.copied ? 3u : 1u);
        EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(note->m_nID)), note);
    }
}

TEST_F(CalendarPaneTest, TheContextMenuCarriesTheNoteCommands) {
    Add(Kind::Note, "Dentist", Day(16));
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
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Do you want to delete \"Dentist \"?");
}

bool IsCursor(const QCursor& shown, unsigned id) {
    return shown.shape() == Qt::BitmapCursor && shown.hotSpot() == resources::Cursor(id).hotSpot();
}

TEST_F(CalendarPaneTest, AnOverflowingCellScrollsByItsCursors) {
    for (int i = 0; i < 12; ++i)
        Add(Kind::Note, "Busy", Day(17));
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
        Add(Kind::Note, "Busy", Day(17));
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
