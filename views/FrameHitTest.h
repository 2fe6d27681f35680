#pragma once
// What a point of the calendar window's frame does under the mouse: the
// edges and corners resize it, the caption moves it (not while maximized,
// when nothing resizes either), and how a drag of an edge changes the
// window's rectangle without making it smaller than it may be.

#include <QPoint>
#include <QRect>
#include <QSize>

enum class FrameZone {
    Client,
    Caption,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

// The zone of point p in a client area of the given size with this caption.
FrameZone HitTestFrame(QPoint p, QSize client, const QRect& caption, bool maximized);

bool IsResizeZone(FrameZone zone);
// The edges a resize zone moves.
bool MovesLeft(FrameZone zone);
bool MovesRight(FrameZone zone);
bool MovesTop(FrameZone zone);
bool MovesBottom(FrameZone zone);

// The window's rectangle after dragging the zone's edges by delta from
// start, never smaller than minimum: a moved left or top edge stops where
// the opposite edge would have to move.
QRect ResizedGeometry(const QRect& start, FrameZone zone, QPoint delta, QSize minimum);
