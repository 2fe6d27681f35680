#pragma once
// The library's rectangle and colour words to Qt's types and back. RECT keeps
// right and bottom just outside, as the data file and the drawing helpers do.

#include "zadad/WinTypes.h"

#include <QColor>
#include <QRect>

inline QRect ToQRect(const RECT& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

inline RECT ToRect(const QRect& rect) {
    return RECT{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

inline QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

inline COLORREF FromQColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}
