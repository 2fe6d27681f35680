// What the custom controls decide without a window: the month list's items,
// first selection and single report, the tip's placement and the sort mark.
#include "views/MonthList.h"
#include "views/SortMark.h"
#include "views/TipPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(MonthList, RunsFromJanuary2000ToDecemberNineYearsAhead) {
    const auto items = MonthListItems(2003);
    ASSERT_EQ(items.size(), 156u);
    EXPECT_EQ(items.front().text, "January, 2000");
    EXPECT_EQ(items.front().data, 0);
    EXPECT_EQ(items.back().text, "December, 2012");
    EXPECT_EQ(items.back().data, 155);
    EXPECT_EQ(items[7].text, "Augest, 2000");
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].data, static_cast<int>(i));
}

TEST(MonthList, OpensOnTheGivenMonthAndShowsEightAfterIt) {
    const int count = static_cast<int>(MonthListItems(2003).size());
    const int selected = MonthListSelection(2003, 3, count);
    EXPECT_EQ(selected, 38);
    EXPECT_EQ(MonthListScrollTarget(selected, count), 46);
    EXPECT_EQ(MonthListScrollTarget(150, count), 155); // no further than the last month
}

TEST(MonthList, AMonthOutsideTheListSelectsNothing) {
    EXPECT_EQ(MonthListSelection(1999, 12, 156), -1);
    EXPECT_EQ(MonthListSelection(2013, 1, 156), -1);
    EXPECT_EQ(MonthListSelection(2003, 13, 156), -1);
    EXPECT_EQ(MonthListScrollTarget(-1, 156), -1);
}

TEST(MonthListChoice, TheFirstChangeAfterSetUpChoosesOnce) {
    CMonthListChoice choice;
    EXPECT_EQ(choice.SelectionChanged(38), CMonthListChoice::Report::None); // setting up
    choice.Initialised();
    EXPECT_EQ(choice.ChosenData(), -1);
    EXPECT_EQ(choice.SelectionChanged(40), CMonthListChoice::Report::Chosen);
    EXPECT_EQ(choice.ChosenData(), 40);
    EXPECT_EQ(choice.SelectionChanged(41), CMonthListChoice::Report::None);
    EXPECT_EQ(choice.FocusLost(), CMonthListChoice::Report::None);
    EXPECT_EQ(choice.ChosenData(), 40);
}

TEST(MonthListChoice, LosingTheFocusDismissesOnce) {
    CMonthListChoice choice;
    choice.Initialised();
    EXPECT_EQ(choice.FocusLost(), CMonthListChoice::Report::Dismissed);
    EXPECT_EQ(choice.FocusLost(), CMonthListChoice::Report::None);
    EXPECT_EQ(choice.SelectionChanged(3), CMonthListChoice::Report::None);
    EXPECT_EQ(choice.ChosenData(), -1);
    EXPECT_TRUE(choice.Done());
}

class TipCorners : public ::testing::Test {
protected:
    const RECT m_desk{0, 0, 1024, 768};
    RECT At(int x, int y) const { return PlaceTip(x, y, 100, 50, m_desk); }
};

TEST_F(TipCorners, TopLeftOpensRightAndBelow) {
    EXPECT_EQ(At(10, 10), (RECT{10, 10, 110, 60}));
}

TEST_F(TipCorners, TopRightOpensLeftAndBelow) {
    EXPECT_EQ(At(1010, 10), (RECT{910, 10, 1010, 60}));
}

TEST_F(TipCorners, BottomLeftOpensRightAndAbove) {
    EXPECT_EQ(At(10, 760), (RECT{10, 710, 110, 760}));
}

TEST_F(TipCorners, BottomRightOpensLeftAndAbove) {
    EXPECT_EQ(At(1020, 760), (RECT{920, 710, 1020, 760}));
}

TEST_F(TipCorners, TheMiddleLineCountsAsTheLeftAndUpperHalf) {
    EXPECT_EQ(At(512, 384), (RECT{512, 384, 612, 434}));
    EXPECT_EQ(At(513, 385), (RECT{413, 335, 513, 385}));
}

TEST(TipPlacement, FollowsADesktopThatDoesNotStartAtZero) {
    const RECT desk{1024, 0, 2048, 768};
    EXPECT_EQ(PlaceTip(1100, 100, 60, 20, desk), (RECT{1100, 100, 1160, 120}));
    EXPECT_EQ(PlaceTip(2000, 100, 60, 20, desk), (RECT{1940, 100, 2000, 120}));
}

TEST(SortMark, PointsDownForADescendingSort) {
    const auto t = SortMarkTriangle(RECT{0, 0, 100, 30}, true);
    EXPECT_EQ(t[0], (CSortMarkPoint{58, 10}));
    EXPECT_EQ(t[1], (CSortMarkPoint{82, 10}));
    EXPECT_EQ(t[2], (CSortMarkPoint{70, 22}));
}

TEST(SortMark, PointsUpOtherwiseAndFollowsTheItem) {
    const auto t = SortMarkTriangle(RECT{200, 5, 300, 35}, false);
    EXPECT_EQ(t[0], (CSortMarkPoint{258, 27}));
    EXPECT_EQ(t[1], (CSortMarkPoint{282, 27}));
    EXPECT_EQ(t[2], (CSortMarkPoint{270, 15}));
}

TEST(SortMark, LightTextOnlyOnBackgroundsDarkerThanFiftyOne) {
    EXPECT_TRUE(HeaderTextIsLight(RGB(0, 0, 0)));
    EXPECT_TRUE(HeaderTextIsLight(RGB(130, 130, 130)));  // 50
    EXPECT_FALSE(HeaderTextIsLight(RGB(131, 131, 131))); // 51
    EXPECT_FALSE(HeaderTextIsLight(RGB(255, 255, 255)));
}

} // namespace
