#include "views/GridGeometry.h"

#include "res/StringTable.h"

#include <algorithm>

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kWeekColumns = 3;
constexpr int kWeekRows = 2;
// The names need this much room beside them to stay clear of the separators.
constexpr int kNamePadding = 4;

// parts + 1 boundaries from start on; the last one is the closing line at the far edge.
std::vector<int> Boundaries(int start, int length, int parts) {
    std::vector<int> at;
    const double step = static_cast<double>(length) / parts;
    for (int i = 0; i < parts; ++i)
        at.push_back(start + static_cast<int>(i * step));
    at.push_back(start + length - 1);
    return at;
}

// The cell between the lines at left/right and top/bottom.
RECT Between(int left, int top, int right, int bottom) {
    return RECT{left + 1, top + 1, std::max(left + 1, right), std::max(top + 1, bottom)};
}

void AddFrame(GridLayout& layout, const std::vector<int>& xs, const std::vector<int>& ys) {
    for (const int x : xs)
        layout.lines.push_back({x, ys.front(), x, ys.back()});
    for (const int y : ys)
        layout.lines.push_back({xs.front(), y, xs.back(), y});
}

} // namespace

GridLayout MonthGridLayout(const RECT& area, int rows) {
    GridLayout layout;
    if (rows <= 0) return layout;
    const std::vector<int> xs = Boundaries(area.left, area.Width(), kDaysPerWeek);
    const std::vector<int> ys = Boundaries(area.top, area.Height(), rows);
    for (int r = 0; r < rows; ++r)
        for (int k = 0; k < kDaysPerWeek; ++k)
            layout.cells.push_back(Between(xs[k], ys[r], xs[k + 1], ys[r + 1]));
    AddFrame(layout, xs, ys);
    return layout;
}

GridLayout WeekGridLayout(const RECT& area) {
    GridLayout layout;
    const std::vector<int> xs = Boundaries(area.left, area.Width(), kWeekColumns);
    const std::vector<int> ys = Boundaries(area.top, area.Height(), kWeekRows);
    const int split = area.top + area.Height() * 3 / 4;
    for (int r = 0; r < kWeekRows; ++r)
        for (int k = 0; k < kWeekColumns; ++k)
            layout.cells.push_back(Between(xs[k], ys[r], xs[k + 1], ys[r + 1]));
    // The last slot holds Saturday above the split and Sunday below it.
    RECT& saturday = layout.cells.back();
    const RECT sunday = Between(xs[2], split, xs[3], ys[2]);
    saturday = Between(xs[2], ys[1], xs[3], split);
    layout.cells.push_back(sunday);
    AddFrame(layout, xs, ys);
    layout.lines.push_back({xs[2], split, xs[3], split});
    return layout;
}

int CellAt(const std::vector<RECT>& cells, int x, int y) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const RECT& cell = cells[i];
        if (x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<RECT> WeekdaySlots(const RECT& row) {
    const std::vector<int> xs = Boundaries(row.left, row.Width(), kDaysPerWeek);
    std::vector<RECT> slots;
    for (int k = 0; k < kDaysPerWeek; ++k)
        slots.push_back(RECT{xs[k], row.top, std::max(xs[k], xs[k + 1]), row.bottom});
    return slots;
}

std::size_t FirstThatFits(const std::vector<std::string>& candidates, int width,
                          const TextWidth& measure) {
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (measure(candidates[i]) <= width) return i;
    return candidates.empty() ? 0 : candidates.size() - 1;
}

std::array<std::string, 7> WeekdayNames(bool weekStartsSunday, int slotWidth,
                                        const TextWidth& measure) {
    const auto names = [](int base) {
        std::array<std::string, kDaysPerWeek> out;
        for (int i = 0; i < kDaysPerWeek; ++i)
            out[i] = LoadString(base + i);
        return out;
    };
    const auto widest = [&](const std::array<std::string, kDaysPerWeek>& set) {
        int most = 0;
        for (const std::string& name : set)
            most = std::max(most, measure(name));
        return most;
    };
    std::array<std::string, kDaysPerWeek> chosen = names(IDS_SUNDAY_LETTER);
    for (const int base : {IDS_SUNDAY, IDS_SUNDAY_SHORT}) {
        if (widest(names(base)) + kNamePadding <= slotWidth) {
            chosen = names(base);
            break;
        }
    }
    if (!weekStartsSunday) std::rotate(chosen.begin(), chosen.begin() + 1, chosen.end());
    return chosen;
}
