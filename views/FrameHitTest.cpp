#include "views/FrameHitTest.h"

#include "views/FrameLayout.h"

#include <algorithm>

FrameZone HitTestFrame(QPoint p, QSize client, const QRect& caption, bool maximized) {
    if (maximized) return FrameZone::Client;
    const int edge = CFrameLayout::kBorder;
    const bool left = p.x() < edge;
    const bool right = p.x() >= client.width() - edge;
    const bool top = p.y() < edge;
    const bool bottom = p.y() >= client.height() - edge;
    if (top && left) return FrameZone::TopLeft;
    if (top && right) return FrameZone::TopRight;
    if (bottom && left) return FrameZone::BottomLeft;
    if (bottom && right) return FrameZone::BottomRight;
    if (left) return FrameZone::Left;
    if (right) return FrameZone::Right;
    if (top) return FrameZone::Top;
    if (bottom) return FrameZone::Bottom;
    return caption.contains(p) ? FrameZone::Caption : FrameZone::Client;
}

bool IsResizeZone(FrameZone zone) {
    return zone != FrameZone::Client && zone != FrameZone::Caption;
}

bool MovesLeft(FrameZone zone) {
    return zone == FrameZone::Left || zone == FrameZone::TopLeft || zone == FrameZone::BottomLeft;
}

bool MovesRight(FrameZone zone) {
    return zone == FrameZone::Right || zone == FrameZone::TopRight ||
           zone == FrameZone::BottomRight;
}

bool MovesTop(FrameZone zone) {
    return zone == FrameZone::Top || zone == FrameZone::TopLeft || zone == FrameZone::TopRight;
}

bool MovesBottom(FrameZone zone) {
    return zone == FrameZone::Bottom || zone == FrameZone::BottomLeft ||
           zone == FrameZone::BottomRight;
}

QRect ResizedGeometry(const QRect& start, FrameZone zone, QPoint delta, QSize minimum) {
    int left = start.left();
    int top = start.top();
    int right = start.right();
    int bottom = start.bottom();
    const int minWidth = minimum.width();
    const int minHeight = minimum.height();
    if (MovesLeft(zone)) left = std::min(left + delta.x(), right + 1 - minWidth);
    if (MovesRight(zone)) right = std::max(right + delta.x(), left - 1 + minWidth);
    if (MovesTop(zone)) top = std::min(top + delta.y(), bottom + 1 - minHeight);
    if (MovesBottom(zone)) bottom = std::max(bottom + delta.y(), top - 1 + minHeight);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
