#pragma once
// RECT (right and bottom just outside, as the file and the drawing helpers
// keep them) to Qt's QRect and back.

#include "zadad/WinTypes.h"

#include <QRect>

inline QRect ToQRect(const RECT& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

inline RECT ToRect(const QRect& rect) {
    return RECT{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}
