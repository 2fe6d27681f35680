#pragma once
// How the notes list's column header marks its sort column and picks a
// text colour that reads on its background.

#include "zadad/WinTypes.h"

#include <array>

struct CSortMarkPoint {
    int x;
    int y;
    bool operator==(const CSortMarkPoint&) const = default;
};

// The filled triangle on an item of the given rectangle: its base 0.8 h
// wide, centred h left of the right edge, its top h / 3 below the item's
// top, 0.4 h tall, h being the item's height. It points down for a
// descending sort. The first two points are the base, the third the apex.
std::array<CSortMarkPoint, 3> SortMarkTriangle(const RECT& item, bool descending);

// Whether a header item on this background takes the light (highlighted)
// text colour rather than the window text colour.
bool HeaderTextIsLight(COLORREF background);
