// Where the calendar's cells, lines and weekday names go, and how a cell's
// items fill it and scroll.
#include "views/GridGeometry.h"
#include "views/CellLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

bool HasLine(const GridLayout& layout, GridLine want) {
    return std::any_of(layout.lines.begin(), layout.lines.end(), [&](const GridLine& line) {
        return line.x1 == want.x1 && line.y1 == want.y1 && line.x2 == want.x2 && line.y2 == want.y2;
    });
}

struct CellCase {
    const char* what;
    RECT area;
    int rows;
    int cell;
    RECT expected;
};

TEST(GridGeometry, MonthCellsLieBetweenTheLines) {
    const CellCase cases[] = {
        {"first cell", RECT{0, 0, 700, 500}, 5, 0, RECT{1, 1, 100, 100}},
        {"last cell ends before the closing lines", RECT{0, 0, 700, 500}, 5, 34,
         RECT{601, 401, 699, 499}},
        {"columns of 100.43 pixels", RECT{10, 20, 713, 620}, 6, 10, RECT{312, 121, 411, 220}},
        {"six rows of 100 pixels", RECT{10, 20, 713, 620}, 6, 41, RECT{613, 521, 712, 619}},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(c.what);
        const GridLayout layout = MonthGridLayout(c.area, c.rows);
        ASSERT_EQ(layout.cells.size(), static_cast<std::size_t>(7 * c.rows));
        EXPECT_EQ(layout.cells[c.cell], c.expected);
    }
    const GridLayout layout = MonthGridLayout(RECT{0, 0, 700, 500}, 5);
    EXPECT_TRUE(HasLine(layout, {100, 0, 100, 499}));
    EXPECT_TRUE(HasLine(layout, {699, 0, 699, 499}));
    EXPECT_TRUE(HasLine(layout, {0, 499, 699, 499}));
    EXPECT_EQ(layout.lines.size(), 8u + 6u);
}

TEST(GridGeometry, WeekPutsSaturdayOverSunday) {
    const GridLayout layout = WeekGridLayout(RECT{0, 0, 600, 400});
    ASSERT_EQ(layout.cells.size(), 7u);
    const RECT expected[] = {
        {1, 1, 200, 200},     {201, 1, 400, 200},   {401, 1, 599, 200}, // Monday - Wednesday
        {1, 201, 200, 399},   {201, 201, 400, 399},                     // Thursday, Friday
        {401, 201, 599, 300}, {401, 301, 599, 399},                     // Saturday, Sunday
    };
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(layout.cells[i], expected[i]) << i;
    EXPECT_TRUE(HasLine(layout, {400, 300, 599, 300}));
}

TEST(GridGeometry, CellAtFindsCellsButNotLines) {
    const GridLayout layout = MonthGridLayout(RECT{0, 0, 700, 500}, 5);
    EXPECT_EQ(CellAt(layout.cells, 150, 150), 8);
    EXPECT_EQ(CellAt(layout.cells, 100, 150), -1);
    EXPECT_EQ(CellAt(layout.cells, 698, 498), 34);
    EXPECT_EQ(CellAt(layout.cells, 699, 10), -1);
}

// Ten pixels a letter, forty for an 'h' (a font with a wide h).
int Letters(const std::string& text) {
    return static_cast<int>(text.size()) * 10;
}
int WideH(const std::string& text) {
    return Letters(text) + 30 * static_cast<int>(std::count(text.begin(), text.end(), 'h'));
}

struct NameCase {
    const char* what;
    int slot;
    bool weekStartsSunday;
    int (*measure)(const std::string&);
    const char* first;
    const char* last;
};

TEST(GridGeometry, WeekdayNamesByMeasuredWidth) {
    const NameCase cases[] = {
        {"room for Wednesday", 94, true, Letters, "Sunday", "Saturday"},
        {"one pixel short", 93, true, Letters, "Sun", "Sat"},
        {"Monday weeks", 100, false, Letters, "Monday", "Sunday"},
        {"short names", 34, false, Letters, "Mon", "Sun"},
        {"letters", 33, true, Letters, "S", "S"},
        // Wednesday would fit, but Thursday, with its wide h, would be cut.
        {"the widest name decides", 100, true, WideH, "Sun", "Sat"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto names = WeekdayNames(c.weekStartsSunday, c.slot, c.measure);
        EXPECT_EQ(names.front(), c.first);
        EXPECT_EQ(names.back(), c.last);
    }
}

TEST(GridGeometry, FirstThatFitsFallsBackToTheShortest) {
    const std::vector<std::string> headings{"Monday, December 07", "Mon, Dec 07", "7"};
    EXPECT_EQ(FirstThatFits(headings, 190, Letters), 0u);
    EXPECT_EQ(FirstThatFits(headings, 189, Letters), 1u);
    EXPECT_EQ(FirstThatFits(headings, 5, Letters), 2u);
}

struct PlaceCase {
    const char* what;
    std::vector<int> heights;
    int first;
    int last;
    std::vector<bool> cutOff;
    std::vector<RECT> rects;
    bool canScrollUp, canScrollDown, overflow;
};

TEST(CellLayout, ItemsFillTheAreaFromTheFirstShown) {
    const RECT area{0, 0, 100, 50};
    const PlaceCase cases[] = {
        {"all fit",
         {15, 15, 15},
         0,
         2,
         {false, false, false},
         {{0, 0, 100, 15}, {0, 15, 100, 30}, {0, 30, 100, 45}},
         false,
         false,
         false},
        {"the fourth is cut off",
         {15, 15, 15, 15},
         0,
         3,
         {false, false, false, true},
         {{0, 0, 100, 15}, {0, 15, 100, 30}, {0, 30, 100, 45}, {0, 45, 100, 50}},
         false,
         true,
         true},
        {"the third starts at the bottom",
         {25, 25, 10, 10},
         0,
         2,
         {false, false, true, false},
         {{0, 0, 100, 25}, {0, 25, 100, 50}, {0, 50, 100, 50}, {}},
         false,
         true,
         true},
        {"scrolled by one",
         {15, 15, 15, 15},
         1,
         3,
         {true, false, false, false},
         {{}, {0, 0, 100, 15}, {0, 15, 100, 30}, {0, 30, 100, 45}},
         true,
         false,
         true},
        {"one item taller than the cell",
         {80},
         0,
         0,
         {true},
         {{0, 0, 100, 50}},
         false,
         false,
         true},
        {"no items", {}, 0, -1, {}, {}, false, false, false},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CItemPlacement placed = PlaceItems(area, static_cast<int>(c.heights.size()), c.first,
                                                 [&](int i) { return c.heights[i]; });
        EXPECT_EQ(placed.nFirst, c.first);
        EXPECT_EQ(placed.nLast, c.last);
        EXPECT_EQ(placed.cutOff, c.cutOff);
        EXPECT_EQ(placed.rects, c.rects);
        EXPECT_EQ(placed.CanScrollUp(), c.canScrollUp);
        EXPECT_EQ(placed.CanScrollDown(), c.canScrollDown);
        EXPECT_EQ(placed.bOverflow, c.overflow);
    }
}

TEST(CellLayout, ScrollingStaysOnTheItems) {
    struct {
        int first, n, count, expected;
    } const cases[] = {{0, -1, 5, 0}, {4, +1, 5, 4}, {2, +1, 5, 3}, {3, -2, 5, 1}, {0, +1, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ScrolledFirst(c.first, c.n, c.count), c.expected)
            << c.first << " by " << c.n << " of " << c.count;
}

} // namespace
