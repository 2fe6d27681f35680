// The calendar window as a widget, with the test clock on Tuesday 8 December
// 2026: the arrows by mode, its size limits, moving and maximizing, the
// month list in week mode, the saved size, the almanac line after the
// options, the view buttons, the category box and check boxes, and what it
// asks of the program.
#include "views/MainWnd.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TestClock.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/CalendarPane.h"
#include "views/MainWndCommands.h"
#include "views/MonthList.h"
#include "views/MonthListPopup.h"
#include "views/RegionButton.h"
#include "zadad/QtTypes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPrintDialog>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

// Records what the window asks of the program, besides the calendar's own requests.
class CWindowActions : public CRecordingCalendarActions {
public:
    using CRecordingCalendarActions::CRecordingCalendarActions;
    bool RunOptions(QWidget*) override {
        log.push_back("options");
        return options && options();
    }
    void OpenHelp() override { log.push_back("help"); }
    void OpenHomePage() override { log.push_back("home page"); }

    std::vector<std::string> log;
    // What the options sheet does; true for OK.
    std::function<bool()> options;
};

class MainWndTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    CMainWnd& Open() {
        m_window = std::make_unique<CMainWnd>(m_data, m_actions);
        return *m_window;
    }
    CMainWnd& Show() {
        Open().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        return *m_window;
    }
    CalendarPane& Pane() { return *m_window->Pane(); }
    QString Tip(int id) { return m_window->Button(id)->toolTip(); }

    CTestClock m_clock{kNow};
    CFakeMessageBox m_box;
    CCalendarData m_data;
    CWindowActions m_actions{m_data};
    std::unique_ptr<CMainWnd> m_window;
};

TEST_F(MainWndTest, ArrowsAreWordedAndMoveByTheCalendarsMode) {
    struct Case {
        bool month;
        int command;
        const char* tip;
        COleDateTime firstAfter; // the first shown day after one click
    };
    // December 2026 starts on a Tuesday: with Sunday-first weeks the month
    // grid starts on 29 November; the week of the 8th starts on Monday the 7th.
    const Case cases[] = {
        {true, kMainBack, "Move Back One Month", {2026, 11, 1, 0, 0, 0}},
        {true, kMainForward, "Move Forward One Month", {2026, 12, 27, 0, 0, 0}},
        {true, kMainBackYear, "Move Back One Year", {2025, 11, 30, 0, 0, 0}},
        {true, kMainForwardYear, "Move Forward One Year", {2027, 11, 28, 0, 0, 0}},
        {false, kMainBack, "Move Back One Week", {2026, 11, 30, 0, 0, 0}},
        {false, kMainForward, "Move Forward One Week", {2026, 12, 14, 0, 0, 0}},
        {false, kMainBackYear, "Move Back 4 Weeks", {2026, 11, 9, 0, 0, 0}},
        {false, kMainForwardYear, "Move Forward 4 Weeks", {2027, 1, 4, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tip);
        m_data.m_bMonthView = c.month;
        Open();
        EXPECT_EQ(Tip(c.command), c.tip);
        m_window->Button(c.command)->click();
        EXPECT_EQ(Pane().FirstShownDay(), c.firstAfter);
    }
}

TEST_F(MainWndTest, SwitchingTheModeRewordsTheArrows) {
    m_data.m_bMonthView = 1;
    Open();
    m_window->Button(kMainWeekView)->click();
    EXPECT_FALSE(Pane().IsMonthMode());
    EXPECT_EQ(Tip(kMainBackYear), "Move Back 4 Weeks");
    m_window->Button(kMainMonthView)->click();
    EXPECT_TRUE(Pane().IsMonthMode());
    EXPECT_EQ(Tip(kMainBackYear), "Move Back One Year");
}

TEST_F(MainWndTest, NeverSmallerThanItsMeasuredMinimumWhateverTheFont) {
    const QFont standard = QApplication::font();
    g_bShowSunInfo = 1;
    for (const int points : {9, 16}) {
        SCOPED_TRACE(points);
        QFont font = standard;
        font.setPointSize(points);
        QApplication::setFont(font);
        CMainWnd& window = Show();
        EXPECT_EQ(window.minimumHeight(), CFrameLayout::kMinimumHeight);
        window.resize(100, 100);
        EXPECT_EQ(window.size(), window.minimumSize());
        // At the smallest size every text still has its room.
        const CFrameLayout& layout = window.Layout();
        const CMonthTitleGeometry title =
            CFramePainter::MonthTitleGeometry(layout.title, window.MonthTitleText());
        EXPECT_TRUE(layout.title.contains(title.text));
        EXPECT_TRUE(layout.title.contains(title.mark));
        const QFontMetrics metrics(window.font());
        EXPECT_GE(layout.recurrence.width(), metrics.horizontalAdvance("Recurrence"));
        EXPECT_LE(layout.recurrence.right(), window.width() - CFrameLayout::kBorder);
        EXPECT_LE(window.CategoryBox()->geometry().right(), layout.history.left());
        ASSERT_TRUE(window.ShowsSunTimes());
        const CAlmanacLayout almanac =
            CFramePainter::AlmanacGeometry(layout.almanac, window.Almanac(), true, window.font());
        EXPECT_LE(almanac.sunset.right(), layout.almanac.right());
        m_window.reset();
    }
    QApplication::setFont(standard);
}

TEST_F(MainWndTest, TheCaptionMovesTheWindowButNotWhileMaximized) {
    CMainWnd& window = Show();
    const QPoint caption = window.Layout().caption.center();
    const auto drag = [&] {
        const QPoint before = window.pos();
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, caption);
        QTest::mouseMove(window.windowHandle(), caption + QPoint(-40, 30));
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, caption);
        return window.pos() - before;
    };
    EXPECT_EQ(drag(), QPoint(-40, 30));
    window.RunCommand(kMainMaximize);
    ASSERT_TRUE(window.IsZoomed());
    const QRect zoomed = window.geometry();
    EXPECT_EQ(zoomed, window.screen()->availableGeometry());
    EXPECT_EQ(drag(), QPoint(0, 0));
    EXPECT_EQ(window.geometry(), zoomed);
}

TEST_F(MainWndTest, MaximizeAndRestoreByButtonAndCaptionDoubleClick) {
    CMainWnd& window = Show();
    const QRect normal = window.geometry();
    // The middle of the window-frame mark, between its strokes, presses it too.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.Layout().maximize.center());
    EXPECT_TRUE(window.IsZoomed());
    window.Button(kMainMaximize)->click();
    ASSERT_FALSE(window.IsZoomed());
    const QPoint caption = window.Layout().caption.center();
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, caption);
    EXPECT_TRUE(window.IsZoomed());
    window.Button(kMainMaximize)->click();
    EXPECT_FALSE(window.IsZoomed());
    EXPECT_EQ(window.geometry(), normal);
    window.Button(kMainMaximize)->click();
    // Closed while maximized, the window keeps the size it returns to.
    window.Button(kMainClose)->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(m_data.m_rcMainWindow,
              (RECT{normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1}));
}

TEST_F(MainWndTest, AMonthChosenInWeekModeShowsTheWeekOfTheSameDayOrTheMonthsLastDay) {
    struct Case {
        COleDateTime first; // a Monday the 31st
        int year;
        int month;
        COleDateTime expected;
    };
    const Case cases[] = {
        {{2028, 1, 31, 0, 0, 0}, 2028, 2, {2028, 2, 28, 0, 0, 0}}, // 29 February: a Tuesday
        {{2026, 8, 31, 0, 0, 0}, 2027, 2, {2027, 2, 22, 0, 0, 0}}, // 28 February: a Sunday
        {{2026, 8, 31, 0, 0, 0}, 2026, 10, {2026, 10, 26, 0, 0, 0}},
    };
    m_data.m_bMonthView = 0;
    CMainWnd& window = Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.Format("%Y-%m-%d"));
        Pane().SetDate(c.first, false);
        ASSERT_EQ(Pane().FirstShownDay(), c.first);
        window.OpenMonthList(window.DropMarkRect().center().x());
        ASSERT_NE(window.MonthList(), nullptr);
        window.MonthList()->List()->setCurrentRow(MonthListData(c.year, c.month));
        EXPECT_EQ(window.MonthList(), nullptr) << "the list is gone once it has answered";
        EXPECT_FALSE(Pane().IsMonthMode());
        EXPECT_EQ(Pane().FirstShownDay(), c.expected);
    }
}

TEST_F(MainWndTest, ADismissedMonthListChangesNothingAndOnlyOneOpens) {
    CMainWnd& window = Show();
    const COleDateTime first = Pane().FirstShownDay();
    const int x = window.DropMarkRect().center().x();
    window.OpenMonthList(x);
    CMonthListPopup* list = window.MonthList();
    window.OpenMonthList(x);
    EXPECT_EQ(window.MonthList(), list);
    list->hide();
    EXPECT_EQ(window.MonthList(), nullptr);
    EXPECT_EQ(Pane().FirstShownDay(), first);
}

TEST_F(MainWndTest, OpensAtTheSavedSizeOrTheDefaultOneCentred) {
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    struct Case {
        RECT saved;
        QSize expected;
    };
    const Case cases[] = {
        {RECT{0, -100, 0, 0}, CMainWnd::kDefaultSize.boundedTo(screen.size())},
        {RECT{30, 0, 830, 550}, CMainWnd::kDefaultSize.boundedTo(screen.size())},
        {RECT{30, 40, 30 + screen.width() - 10, 600}, QSize(screen.width() - 10, 560)},
    };
    for (const Case& c : cases) {
        m_data.m_rcMainWindow = c.saved;
        CMainWnd& window = Open();
        EXPECT_EQ(window.size(), c.expected.expandedTo(window.minimumSize())) << c.saved.top;
        EXPECT_EQ(window.geometry().center(), screen.center());
    }
}

TEST_F(MainWndTest, TheAlmanacLineFollowsTheLocationChosenInTheOptions) {
    m_data.m_dLatDeg = 40, m_data.m_dLongDeg = 74, m_data.m_dTimeZone = -5;
    g_bShowSunInfo = 0;
    CMainWnd& window = Open();
    EXPECT_FALSE(window.ShowsSunTimes());
    const AlmanacLine newYork = window.Almanac();
    EXPECT_EQ(newYork.dayAndWeek, "342 day / 49 week");
    m_actions.options = [this] {
        m_data.m_dLatDeg = 48, m_data.m_dLatMin = 51;
        m_data.m_dLongDeg = -2, m_data.m_dLongMin = 21; // Paris, east
        m_data.m_dTimeZone = 1;
        g_bShowSunInfo = 1;
        return true;
    };
    window.Button(kMainOptions)->click();
    EXPECT_TRUE(window.ShowsSunTimes());
    const AlmanacLine paris = window.Almanac();
    EXPECT_NE(paris.sunrise, newYork.sunrise);
    EXPECT_EQ(paris.sunrise,
              MakeAlmanacLine(Pane().SelectedDate(), AlmanacLocationOf(m_data)).sunrise);
}

TEST_F(MainWndTest, TheFilterButtonsTextFollowsTheToolbarColourAfterTheOptions) {
    g_crNoteBackDefault = RGB(250, 240, 200);
    CMainWnd& window = Open();
    const QPalette& palette = QApplication::palette();
    EXPECT_EQ(window.Button(kMainFilterWeek)->TextColor(),
              FromQColor(palette.windowText().color()));
    m_actions.options = [] {
        g_crNoteBackDefault = RGB(40, 30, 70); // a dark toolbar texture
        return true;
    };
    window.RunCommand(kMainOptions);
    EXPECT_EQ(window.Button(kMainFilterWeek)->TextColor(),
              FromQColor(palette.highlightedText().color()));
}

TEST_F(MainWndTest, WeekViewWhileTheListIsShownShowsTheWeekCalendar) {
    m_data.m_bCalendarView = 0;
    m_data.m_bMonthView = 1;
    CMainWnd& window = Show();
    EXPECT_FALSE(Pane().isVisible());
    EXPECT_FALSE(window.Button(kMainBack)->isVisible());
    window.Button(kMainWeekView)->click();
    EXPECT_TRUE(Pane().isVisible());
    EXPECT_FALSE(Pane().IsMonthMode());
    EXPECT_EQ(Pane().FirstShownDay(), COleDateTime(2026, 12, 7, 0, 0, 0));
    EXPECT_EQ(m_data.m_bCalendarView, 1);
    EXPECT_EQ(window.MonthTitleText(), "December, 2026");
}

TEST_F(MainWndTest, CategoriesListAllFirstAndComeBackToAllAfterTheOptions) {
    m_data.m_nCategoryFilter = 3;
    CMainWnd& window = Open();
    QComboBox* box = window.CategoryBox();
    EXPECT_EQ(m_data.m_nCategoryFilter, 0) << "every opening shows all categories";
    ASSERT_EQ(box->count(), 5);
    EXPECT_EQ(box->itemText(0), "All");
    EXPECT_EQ(box->itemData(0).toInt(), 0);
    EXPECT_EQ(box->itemText(2), "Appointment");
    box->setCurrentIndex(2);
    emit box->activated(2);
    EXPECT_EQ(m_data.m_nCategoryFilter, box->itemData(2).toInt());
    m_actions.options = [this] {
        m_data.SetCategories({0, 7}, {"All", "Garden"});
        return true;
    };
    window.RunCommand(kMainOptions);
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(1), "Garden");
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(m_data.m_nCategoryFilter, 0);
}

TEST_F(MainWndTest, TheCheckBoxesSetHistoryAndRecurrenceAndTheirWordsTickThem) {
    g_bShowHistory = 1;
    m_data.m_bShowRecurrence = 0;
    CMainWnd& window = Show();
    QCheckBox* history = window.HistoryBox();
    QCheckBox* recurrence = window.RecurrenceBox();
    EXPECT_TRUE(history->isChecked());
    EXPECT_FALSE(recurrence->isChecked());
    // A click on the painted word, right of the box.
    QTest::mouseClick(history, Qt::LeftButton, {}, QPoint(history->width() - 3, 5));
    EXPECT_EQ(g_bShowHistory, 0);
    QTest::mouseClick(recurrence, Qt::LeftButton, {}, QPoint(recurrence->width() - 3, 5));
    EXPECT_EQ(m_data.m_bShowRecurrence, 1);
}

TEST_F(MainWndTest, TheToolbarAsksTheProgramOrTheCalendar) {
    CMainWnd& window = Open();
    struct Case {
        int command;
        const char* asked; // of the program, or "" for nothing
        std::size_t edits; // editors opened by the calendar
    };
    // With no note selected, editing starts a new note; clone and remove do nothing.
    const Case cases[] = {
        {kMainNewNote, "", 1},    {kMainEditNote, "", 1},       {kMainCloneNote, "", 0},
        {kMainRemoveNote, "", 0}, {kMainOptions, "options", 0}, {kMainHomePage, "home page", 0},
        {kMainHelp, "help", 0},
    };
    for (const Case& c : cases) {
        m_actions.log.clear();
        m_actions.m_edits.clear();
        window.Button(c.command)->click();
        const std::vector<std::string> expected =
            *c.asked ? std::vector<std::string>{c.asked} : std::vector<std::string>{};
        EXPECT_EQ(m_actions.log, expected) << c.command;
        EXPECT_EQ(m_actions.m_edits.size(), c.edits) << c.command;
        EXPECT_EQ(m_actions.m_nChanges, 0) << c.command;
    }
    EXPECT_EQ(window.Button(kMainHelp)->toolTip(), "Help");
    EXPECT_EQ(window.Button(kMainCloneNote)->toolTip(), "Deuplite Selected Note");
}

TEST_F(MainWndTest, PrintAsksForThePrinter) {
    CMainWnd& window = Show();
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            asked = true;
            dialog->reject();
        }
    });
    window.Button(kMainPrint)->click();
    EXPECT_TRUE(asked);
}

TEST_F(MainWndTest, ADoubleClickOnTheTitleGoesBackToToday) {
    m_data.m_bMonthView = 1;
    CMainWnd& window = Show();
    window.RunCommand(kMainForwardYear);
    EXPECT_EQ(window.MonthTitleText(), "December, 2027");
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                       window.Layout().title.topLeft() + QPoint(4, 4));
    EXPECT_EQ(window.MonthTitleText(), "December, 2026");
}

} // namespace
