#pragma once
// Where the calendar grid's parts go inside the pane: the weekday row of the
// month grid, the cells and the 1-pixel lines between them. Columns and rows
// divide the area as real numbers, truncated to whole pixels, so every width
// divides evenly; each cell lies between the lines around it.

#include "zadad/WinTypes.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// A line segment whose two ends are both drawn.
struct GridLine {
    int x1, y1, x2, y2;
};

struct GridLayout {
    std::vector<RECT> cells; // in day order
    std::vector<GridLine> lines;
};

// rows x 7 cells, row after row.
GridLayout MonthGridLayout(const RECT& area, int rows);
// 3 x 2 cells: Monday to Wednesday above, Thursday and Friday below, and in
// the last slot Saturday over Sunday, split at three quarters of the height.
GridLayout WeekGridLayout(const RECT& area);
// The index of the cell holding the point, -1 on a line or outside.
int CellAt(const std::vector<RECT>& cells, int x, int y);

// The weekday row's seven name slots and the separators between them, on the
// same columns as the month grid below it.
std::vector<RECT> WeekdaySlots(const RECT& row);

using TextWidth = std::function<int(const std::string&)>;
// The index of the first text of candidates whose width fits in width, the
// last one when none does.
std::size_t FirstThatFits(const std::vector<std::string>& candidates, int width,
                          const TextWidth& measure);
// The weekday names in column order: full names when every one fits in a
// slot of slotWidth, else the short names, else single letters.
std::array<std::string, 7> WeekdayNames(bool weekStartsSunday, int slotWidth,
                                        const TextWidth& measure);
