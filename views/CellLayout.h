#pragma once
// How a day cell's items fill its item area from the first shown item down,
// and how far the cell is scrolled. An item that needs more height than is
// left is drawn cut off and ends the cell; the items above the first shown
// one are hidden.

#include "zadad/WinTypes.h"

#include <functional>
#include <vector>

struct CItemPlacement {
    std::vector<RECT> rects;  // clipped to the area; empty for items not drawn
    std::vector<bool> cutOff; // hidden, or drawn in less height than it needs
    int nFirst = 0;
    int nLast = -1;
    bool bMoreBelow = false; // an item from the first shown one on did not fit
    bool bOverflow = false;  // more items than fit: some did not, or some are hidden

    bool CanScrollUp() const { return nFirst > 0; }
    bool CanScrollDown() const { return bMoreBelow && nFirst + 1 < static_cast<int>(rects.size()); }
};

// itemHeight(i) is the height item i needs in the area's width.
CItemPlacement PlaceItems(const RECT& area, int count, int first,
                          const std::function<int(int)>& itemHeight);

// The first shown item after scrolling by n, kept within 0 .. count - 1.
int ScrolledFirst(int first, int n, int count);
