#include "views/SortMark.h"

#include "zadad/Utility.h"

std::array<CSortMarkPoint, 3> SortMarkTriangle(const RECT& item, bool descending) {
    const int h = item.Height();
    const int centre = item.right - h;
    const int halfBase = h * 2 / 5;
    const int top = item.top + h / 3;
    const int bottom = top + h * 2 / 5;
    const int baseY = descending ? top : bottom;
    const int apexY = descending ? bottom : top;
    return {CSortMarkPoint{centre - halfBase, baseY}, CSortMarkPoint{centre + halfBase, baseY},
            CSortMarkPoint{centre, apexY}};
}

bool HeaderTextIsLight(COLORREF background) {
    return CUtility::GetBrightness(background) < 51;
}
