// What the calendar window decides without a window: its frame layout and
// minimum width from measured texts, the zones of the frame, resizing, the
// buttons' commands, the month chosen from the list, where it opens, and the
// almanac line's parts. (The arrows by mode are tested on the window.)
#include "views/AlmanacLayout.h"
#include "views/FrameHitTest.h"
#include "views/FrameLayout.h"
#include "views/MainWndCommands.h"
#include "views/MonthChoice.h"
#include "views/WindowPlacement.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int b = CFrameLayout::kBorder;

// Measures of a small font, of the default one, and of a large one.
const CFrameMeasures kSmall{48, 100, 20, 80, 16, 70, 30, 170, 24, 260};
const CFrameMeasures kLarge{96, 200, 30, 160, 18, 140, 40, 330, 44, 520};

struct MeasuresCase {
    const char* name;
    CFrameMeasures measures;
};
const MeasuresCase kMeasures[] = {{"small", kSmall}, {"large", kLarge}};

bool Inside(const QRect& inner, const QRect& outer) {
    return outer.contains(inner);
}

// At its minimum width, and wider, nothing of the frame overlaps and no text
// place is narrower than its text.
TEST(FrameLayout, NothingOverlapsFromTheMinimumWidthOn) {
    for (const MeasuresCase& c : kMeasures) {
        const int minimum = MinimumFrameWidth(c.measures);
        for (const int width : {minimum, minimum + 1, minimum + 400}) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(width));
            const QSize client(width, CFrameLayout::kMinimumHeight);
            const CFrameLayout f = LayOutFrame(client, c.measures);
            const QRect clientRect(QPoint(0, 0), client);
            // The raised part: toolbar, then caption, then the stripes before the step.
            EXPECT_LT(f.toolbar.back().right(), f.caption.left());
            EXPECT_LT(f.toolbar.back().right(), f.stripes.back()[0].x());
            EXPECT_LE(f.stripes.front()[1].x(), f.step);
            EXPECT_LT(f.caption.right(), f.maximize.left());
            EXPECT_LT(f.maximize.right(), f.close.left());
            EXPECT_LE(f.close.right(), width - b);
            // The title row: arrows, the title with room for its text and mark, arrows.
            EXPECT_LT(f.back.right(), f.title.left());
            EXPECT_LT(f.title.right(), f.forward.left());
            EXPECT_LT(f.forward.right(), f.forwardYear.left());
            EXPECT_LE(f.forwardYear.right(), f.step);
            EXPECT_GE(f.title.width(), c.measures.titleWidth + 2 * CFrameLayout::kMarkWidth);
            EXPECT_GE(f.title.height(), c.measures.titleHeight);
            for (const QRect& arrow : {f.backYear, f.back, f.forward, f.forwardYear}) {
                EXPECT_GE(arrow.top(), f.title.top());
                EXPECT_LE(arrow.bottom(), f.title.bottom());
            }
            EXPECT_LT(f.title.bottom(), f.view.top());
            EXPECT_LE(f.filters.back().right(), f.step);
            // The lowered band: label, box, check boxes, all inside the border.
            // The label's text clears the page's slope, which reaches further
            // right the lower it gets.
            const int textBottom = f.categoryLabel.center().y() + c.measures.checkHeight / 2;
            EXPECT_GT(f.categoryLabel.left(), f.step + textBottom - (b + CFrameLayout::kBandDepth));
            EXPECT_LT(f.categoryLabel.right(), f.categoryBox.left());
            EXPECT_LT(f.categoryBox.right(), f.history.left());
            EXPECT_EQ(f.history.left(), f.recurrence.left());
            EXPECT_LE(f.history.bottom(), f.recurrence.top());
            EXPECT_LE(f.recurrence.right(), width - b);
            EXPECT_GE(f.history.top(), b + CFrameLayout::kStep);
            EXPECT_LE(f.recurrence.bottom(), f.view.top());
            // The view sits in the page with even margins; the almanac line
            // runs the page's whole width.
            EXPECT_TRUE(Inside(f.view, clientRect));
            EXPECT_TRUE(Inside(f.almanac, clientRect));
            EXPECT_EQ(f.view.left() - f.page[0].x(), f.page[4].x() - 1 - f.view.right());
            EXPECT_EQ(f.view.left() - f.page[0].x(), f.page[4].y() - 1 - f.view.bottom());
            EXPECT_EQ(f.almanac.right(), f.page[4].x() - 1);
            EXPECT_GE(f.almanac.width(), c.measures.almanacWidth);
            EXPECT_LT(f.view.bottom(), f.almanac.top());
        }
    }
}

TEST(FrameLayout, TheOutlineStepsDownAtTheStepAndThePageFollowsIt) {
    const QSize client(900, 600);
    const CFrameLayout f = LayOutFrame(client, kSmall);
    const int s = f.step;
    const int k = CFrameLayout::kStep;
    const std::vector<QPoint> outline{{b, b},           {s, b},         {s + k, b + k},
                                      {900 - b, b + k}, {900 - b, 590}, {b, 590}};
    EXPECT_EQ(f.outline, outline);
    const int pageTop = b + CFrameLayout::kBandDepth;
    const int pageBottom = 600 - b - kSmall.stripHeight;
    const std::vector<QPoint> page{{2 * b, pageTop},          {s, pageTop},
                                   {s + k, pageTop + k},      {900 - 2 * b, pageTop + k},
                                   {900 - 2 * b, pageBottom}, {2 * b, pageBottom}};
    EXPECT_EQ(f.page, page);
    // The right part holds exactly the category label, box and check boxes.
    EXPECT_EQ(900 - b - s, 28 + kSmall.labelWidth + kSmall.boxWidth + 3 + kSmall.checkWidth);
}

TEST(FrameLayout, TheMinimumWidthGrowsWithEveryMeasuredText) {
    const int base = MinimumFrameWidth(kSmall);
    const auto grown = [](int CFrameMeasures::*field, int by) {
        CFrameMeasures m = kSmall;
        m.*field += by;
        return MinimumFrameWidth(m);
    };
    EXPECT_EQ(grown(&CFrameMeasures::labelWidth, 30), base + 30);
    EXPECT_EQ(grown(&CFrameMeasures::boxWidth, 30), base + 30);
    EXPECT_EQ(grown(&CFrameMeasures::checkWidth, 30), base + 30);
    // A title or filter row wider than the room the toolbar leaves.
    EXPECT_GT(grown(&CFrameMeasures::titleWidth, 200), base);
    EXPECT_GT(grown(&CFrameMeasures::filterWidth, 60), base);
    EXPECT_GT(grown(&CFrameMeasures::almanacWidth, 900), base);
}

TEST(FrameLayout, TheMonthTitleIsCentredWithItsMarkRightAfterIt) {
    const QRect title(85, 53, 300, 31);
    const QRect text = MonthTitleText(title, 120, 27);
    EXPECT_LE(std::abs((text.left() - title.left()) - (title.right() - text.right())), 1);
    EXPECT_LE(std::abs((text.top() - title.top()) - (title.bottom() - text.bottom())), 1);
    const QRect mark = DropMarkRect(title, text);
    EXPECT_EQ(mark.left(), text.right() + 1);
    EXPECT_EQ(mark.width(), 18);
    const auto triangle = DropMarkTriangle(mark);
    EXPECT_EQ(triangle[0].x(), mark.left() + 3);
    EXPECT_EQ(triangle[1].x() - triangle[0].x(), 14);
    EXPECT_EQ(triangle[2].y() - triangle[0].y(), 7);
    EXPECT_GT(triangle[2].y(), triangle[0].y()) << "points down";
}

TEST(FrameHitTest, EdgesResizeTheCaptionMovesAndMaximizedNothingDoes) {
    const QSize client(800, 600);
    const QRect caption(378, 10, 300, 30);
    struct Case {
        QPoint p;
        FrameZone zone;
    };
    const Case cases[] = {
        {{0, 0}, FrameZone::TopLeft},      {{799, 0}, FrameZone::TopRight},
        {{5, 595}, FrameZone::BottomLeft}, {{790, 590}, FrameZone::BottomRight},
        {{9, 300}, FrameZone::Left},       {{10, 300}, FrameZone::Client},
        {{790, 300}, FrameZone::Right},    {{789, 300}, FrameZone::Client},
        {{400, 9}, FrameZone::Top},        {{400, 590}, FrameZone::Bottom},
        {{400, 20}, FrameZone::Caption},   {{377, 20}, FrameZone::Client},
        {{400, 300}, FrameZone::Client},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTestFrame(c.p, client, caption, false), c.zone) << c.p.x() << "," << c.p.y();
        EXPECT_EQ(HitTestFrame(c.p, client, caption, true), FrameZone::Client);
    }
}

TEST(FrameHitTest, ResizingNeverGoesBelowTheMinimum) {
    const QRect start(100, 100, 800, 600);
    const QSize minimum(700, 500);
    struct Case {
        FrameZone zone;
        QPoint delta;
        QRect expected;
    };
    const Case cases[] = {
        {FrameZone::Right, {50, 0}, QRect(100, 100, 850, 600)},
        {FrameZone::Right, {-300, 0}, QRect(100, 100, 700, 600)},
        {FrameZone::Left, {-20, 0}, QRect(80, 100, 820, 600)},
        {FrameZone::Left, {300, 0}, QRect(200, 100, 700, 600)},
        {FrameZone::Top, {0, 500}, QRect(100, 200, 800, 500)},
        {FrameZone::Bottom, {0, -500}, QRect(100, 100, 800, 500)},
        {FrameZone::TopLeft, {-10, -10}, QRect(90, 90, 810, 610)},
        {FrameZone::BottomRight, {20, 30}, QRect(100, 100, 820, 630)},
        {FrameZone::TopRight, {10, 10}, QRect(100, 110, 810, 590)},
        {FrameZone::BottomLeft, {10, 10}, QRect(110, 100, 790, 610)},
        {FrameZone::Caption, {10, 10}, start},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResizedGeometry(start, c.zone, c.delta, minimum), c.expected)
            << static_cast<int>(c.zone);
}

TEST(MainWndCommands, NoteButtonsSendTheCalendarsNoteCommands) {
    const std::pair<int, int> cases[] = {{kMainNewNote, 102},   {kMainEditNote, 103},
                                         {kMainCloneNote, 101}, {kMainRemoveNote, 104},
                                         {kMainPrint, 0},       {kMainBack, 0}};
    for (const auto& [button, note] : cases)
        EXPECT_EQ(NoteCommandOf(button), note) << button;
}

TEST(MainWndCommands, TheStoredListFilterPressesItsButtonAndAnythingElseIsAll) {
    EXPECT_EQ(CommandOfFilter(0), kMainFilterToday);
    EXPECT_EQ(CommandOfFilter(1), kMainFilterWeek);
    EXPECT_EQ(CommandOfFilter(2), kMainFilterMonth);
    for (const int other : {3, 4, -1, 1000})
        EXPECT_EQ(CommandOfFilter(other), kMainFilterAll) << other;
}

TEST(MonthChoice, TheTitleNamesTheMonthAndItsYear) {
    EXPECT_EQ(MonthTitle(2003, 3), "March, 2003");
    EXPECT_EQ(MonthTitle(2099, 12), "December, 2099");
}

TEST(MonthChoice, ListDataNamesItsMonth) {
    struct Case {
        int data;
        int year;
        int month;
    };
    for (const Case& c : {Case{0, 2000, 1}, Case{38, 2003, 3}, Case{155, 2012, 12}}) {
        const CMonthChoice choice = MonthOfListData(c.data);
        EXPECT_EQ(choice.year, c.year) << c.data;
        EXPECT_EQ(choice.month, c.month) << c.data;
    }
}

TEST(MonthChoice, WeekModeKeepsTheDayOrTakesTheChosenMonthsLastDay) {
    struct Case {
        COleDateTime first;
        CMonthChoice choice;
        COleDateTime expected;
    };
    const Case cases[] = {
        {{2003, 1, 31, 0, 0, 0}, {2003, 2}, {2003, 2, 28, 0, 0, 0}},
        {{2004, 1, 31, 0, 0, 0}, {2004, 2}, {2004, 2, 29, 0, 0, 0}},
        {{2003, 3, 31, 0, 0, 0}, {2003, 4}, {2003, 4, 30, 0, 0, 0}},
        {{2003, 1, 15, 0, 0, 0}, {2005, 7}, {2005, 7, 15, 0, 0, 0}},
        {{2003, 12, 1, 0, 0, 0}, {2000, 1}, {2000, 1, 1, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WeekModeDate(c.first, c.choice), c.expected) << c.expected.Format("%Y-%m-%d");
}

TEST(WindowPlacement, OpensCentredAtTheSavedSizeOrTheDefault) {
    const QRect screen(0, 0, 1600, 1000);
    const QSize standard(860, 640);
    const QSize minimum(700, 500);
    struct Case {
        RECT saved;
        QSize size;
    };
    const Case cases[] = {
        {RECT{0, -100, 0, 0}, standard},          // never saved
        {RECT{50, 0, 1050, 700}, standard},       // top edge at 0 counts as none
        {RECT{50, -5, 1050, 700}, standard},      // above the screen as well
        {RECT{50, 40, 1050, 740}, {1000, 700}},   // the saved size, not its place
        {RECT{50, 40, 350, 240}, minimum},        // never smaller than the minimum
        {RECT{50, 40, 3050, 2040}, {1600, 1000}}, // never bigger than the screen
    };
    for (const Case& c : cases) {
        const QRect opened = OpeningGeometry(c.saved, standard, minimum, screen);
        EXPECT_EQ(opened.size(), c.size) << c.saved.top << " " << c.saved.Width();
        EXPECT_EQ(opened.center(), screen.center());
    }
}

TEST(WindowPlacement, TheStoredRectangleEndsJustOutsideTheWindow) {
    const RECT saved = WindowRectToSave(QRect(30, 40, 800, 600));
    EXPECT_EQ(saved, (RECT{30, 40, 830, 640}));
    EXPECT_EQ(OpeningGeometry(saved, {1, 1}, {1, 1}, QRect(0, 0, 1600, 1000)).size(),
              QSize(800, 600));
}

TEST(AlmanacLayout, TheSunPartFollowsTheTextAtItsGaps) {
    const QRect line(20, 570, 860, 30);
    const CAlmanacLayout shown = LayOutAlmanac(line, 100, 50, 60, true);
    EXPECT_EQ(shown.text, QRect(20, 570, 100, 30));
    EXPECT_EQ(shown.sunrisePicture, QPoint(140, 577));
    EXPECT_EQ(shown.sunrise, QRect(159, 570, 50, 30));
    EXPECT_EQ(shown.sunsetPicture, QPoint(229, 577));
    EXPECT_EQ(shown.sunset, QRect(248, 570, 60, 30));
    EXPECT_EQ(AlmanacLineWidth(100, 50, 60), shown.sunset.right() + 1 - line.left());
    const CAlmanacLayout hidden = LayOutAlmanac(line, 100, 50, 60, false);
    EXPECT_FALSE(hidden.showSun);
    EXPECT_TRUE(hidden.sunrise.isNull());
}

} // namespace
