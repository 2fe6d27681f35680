// The notes list in the calendar window, with the test clock on Tuesday
// 8 December 2026, 09:30: switching between the calendar and the list, the
// filter buttons, the note commands of the toolbar going to the view shown,
// and the check boxes and category box refreshing the list.
#include "store/CalendarData.h"
#include "store/OneTimeNote.h"
#include "store/ProgramFlags.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TestClock.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/CalendarPane.h"
#include "views/MainWnd.h"
#include "views/MainWndCommands.h"
#include "views/NoteList.h"
#include "views/NoteListRows.h"
#include "views/NoteListWnd.h"
#include "views/RegionButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);
constexpr int kFilters[] = {kMainFilterToday, kMainFilterWeek, kMainFilterMonth, kMainFilterAll};

class MainWndListTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    CMainWnd& Show() {
        m_window = std::make_unique<CMainWnd>(m_data, m_actions);
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        return *m_window;
    }
    void Close() {
        m_window->accept();
        m_window.reset();
    }
    CNoteListWnd& List() { return *m_window->NoteList(); }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        const CNoteList& list = List().List();
        for (int row = 0; row < list.RowCount(); ++row)
            titles.push_back(list.Text(row, kColumnNote).toStdString());
        return titles;
    }
    // The list is shown with its filter's button pressed, or the calendar with its arrows.
    void ExpectView(bool calendar, int pressedFilter) {
        CMainWnd& window = *m_window;
        EXPECT_EQ(window.Pane()->isVisible(), calendar);
        EXPECT_EQ(List().isVisible(), !calendar);
        EXPECT_EQ(m_data.m_bCalendarView, calendar ? 1 : 0);
        EXPECT_EQ(window.MonthTitleText().isEmpty(), !calendar);
        EXPECT_EQ(window.Button(kMainBack)->isVisible(), calendar);
        for (const int filter : kFilters) {
            SCOPED_TRACE(filter);
            EXPECT_EQ(window.Button(filter)->isVisible(), !calendar);
            EXPECT_EQ(window.Button(filter)->Latch(), filter == pressedFilter);
        }
    }
    CNote* Add(const char* title, const COleDateTime& at, WORD category = 0) {
        return m_data.AddNote(
            std::make_unique<COneTimeNote>(kNoteOneTime, title, "", at, 0, category, 1));
    }

    CTestClock m_clock{kNow};
    CFakeMessageBox m_box;
    CCalendarData m_data;
    CRecordingCalendarActions m_actions{m_data};
    std::unique_ptr<CMainWnd> m_window;
};

TEST_F(MainWndListTest, SwitchingBetweenCalendarAndListKeepsTheFilterAndTheNextOpeningToo) {
    m_data.m_bCalendarView = 1;
    m_data.m_nListFilter = 0;
    Add("Today's call", COleDateTime(2026, 12, 8, 18, 0, 0));
    Add("Friday's walk", COleDateTime(2026, 12, 11, 18, 0, 0));
    CMainWnd& window = Show();
    ExpectView(true, kMainFilterToday);
    window.Button(kMainListView)->click();
    ExpectView(false, kMainFilterToday);
    EXPECT_EQ(Titles(), std::vector<std::string>{"Today's call"});
    window.Button(kMainFilterWeek)->click();
    ExpectView(false, kMainFilterWeek);
    EXPECT_EQ(m_data.m_nListFilter, 1);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Today's call", "Friday's walk"}));
    window.Button(kMainMonthView)->click();
    ExpectView(true, kMainFilterWeek);
    EXPECT_TRUE(window.Pane()->IsMonthMode());
    window.Button(kMainListView)->click();
    ExpectView(false, kMainFilterWeek);
    EXPECT_EQ(List().Period(), 1);
    // The list is where the next opening starts, with the same filter.
    Close();
    Show();
    ExpectView(false, kMainFilterWeek);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Today's call", "Friday's walk"}));
    m_window->Button(kMainWeekView)->click();
    ExpectView(true, kMainFilterWeek);
    EXPECT_FALSE(m_window->Pane()->IsMonthMode());
}

TEST_F(MainWndListTest, TheToolbarsNoteCommandsGoToTheViewShown) {
    Add("Call", COleDateTime(2026, 12, 9, 18, 0, 0));
    m_data.m_bCalendarView = 0;
    m_data.m_nListFilter = 3;
    CMainWnd& window = Show();
    // The list starts a new note an hour from now, the calendar at the next full hour.
    window.Button(kMainNewNote)->click();
    window.Button(kMainMonthView)->click();
    window.Button(kMainNewNote)->click();
    ASSERT_EQ(m_actions.m_edits.size(), 2u);
    EXPECT_EQ(m_actions.m_edits[0].start, COleDateTime(2026, 12, 8, 10, 30, 0));
    EXPECT_EQ(m_actions.m_edits[1].start, COleDateTime(2026, 12, 8, 10, 0, 0));
}

TEST_F(MainWndListTest, HistoryAndTheCategoryBoxRefreshTheList) {
    m_data.SetCategories({0, 7}, {"All", "Garden"});
    Add("Call", COleDateTime(2026, 12, 9, 18, 0, 0));
    Add("Prune the roses", COleDateTime(2026, 12, 10, 9, 0, 0), 7);
    Add("Old call", COleDateTime(2026, 12, 1, 9, 0, 0))->m_bHistory = 1;
    m_data.m_bCalendarView = 0;
    m_data.m_nListFilter = 3;
    CMainWnd& window = Show();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Old call", "Call", "Prune the roses"}));
    QTest::mouseClick(window.HistoryBox(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Call", "Prune the roses"}));
    QComboBox* box = window.CategoryBox();
    box->setCurrentIndex(1);
    emit box->activated(1);
    EXPECT_EQ(Titles(), std::vector<std::string>{"Prune the roses"});
}

} // namespace
