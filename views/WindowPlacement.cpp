#include "views/WindowPlacement.h"

#include <algorithm>

bool HasSavedWindowRect(const RECT& saved) {
    return saved.top > 0 && saved.Width() > 0 && saved.Height() > 0;
}

QRect OpeningGeometry(const RECT& saved, QSize defaultSize, QSize minimum, const QRect& screen) {
    QSize size = HasSavedWindowRect(saved) ? QSize(saved.Width(), saved.Height()) : defaultSize;
    // A screen smaller than the minimum wins: the window must be reachable whole.
    size = size.expandedTo(minimum).boundedTo(screen.size());
    QRect geometry(QPoint(0, 0), size);
    geometry.moveCenter(screen.center());
    return geometry;
}

RECT WindowRectToSave(const QRect& geometry) {
    return RectOfSize(geometry.left(), geometry.top(), geometry.width(), geometry.height());
}
