#include "views/TipPlacement.h"

RECT PlaceTip(int x, int y, int width, int height, const RECT& desktop) {
    const bool rightHalf = x > desktop.left + desktop.Width() / 2;
    const bool lowerHalf = y > desktop.top + desktop.Height() / 2;
    const int left = rightHalf ? x - width : x;
    const int top = lowerHalf ? y - height : y;
    return RECT{left, top, left + width, top + height};
}
