#include "views/CellLayout.h"

#include <algorithm>

int ScrolledFirst(int first, int n, int count) {
    return std::clamp(first + n, 0, std::max(count - 1, 0));
}

CItemPlacement PlaceItems(const RECT& area, int count, int first,
                          const std::function<int(int)>& itemHeight) {
    CItemPlacement placed;
    count = std::max(count, 0);
    placed.rects.assign(static_cast<std::size_t>(count), RECT{});
    placed.cutOff.assign(static_cast<std::size_t>(count), false);
    placed.nFirst = ScrolledFirst(first, 0, count);
    placed.nLast = count - 1;
    for (int i = 0; i < placed.nFirst; ++i)
        placed.cutOff[i] = true;
    int y = area.top;
    for (int i = placed.nFirst; i < count; ++i) {
        const int bottom = y + std::max(itemHeight(i), 0);
        placed.rects[i] = RECT{area.left, y, area.right, std::min(bottom, area.bottom)};
        if (bottom > area.bottom) {
            placed.cutOff[i] = true;
            placed.nLast = i;
            placed.bMoreBelow = true;
            break;
        }
        y = bottom;
    }
    placed.nLast = std::clamp(placed.nLast, std::min(placed.nFirst, count - 1), count - 1);
    placed.bOverflow = placed.bMoreBelow || placed.nFirst > 0;
    return placed;
}
