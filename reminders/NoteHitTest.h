#pragma once
// What a point of a note window means to the mouse: the pin button, the
// close button, the caption strip that moves the window, or one of the
// eight edge and corner zones that resize it; and the rectangle a resize
// from a zone gives. Client coordinates, plain geometry.

#include "zadad/WinTypes.h"

class CNoteHitTest {
public:
    enum Part { kNone, kPin, kClose, kCaption };
    // Edge zones, combined for the corners.
    enum Edge { kEdgeNone = 0, kEdgeLeft = 1, kEdgeTop = 2, kEdgeRight = 4, kEdgeBottom = 8 };
    // The system's sizing frame is 4 pixels; its zones reach one pixel further.
    static constexpr int kEdgeMargin = 4 + 1;

    // The parts of the caption of a window width pixels wide: square buttons
    // at both ends, the title between them.
    static RECT CaptionRect(int width, int caption);
    static RECT PinRect(int width, int caption);
    static RECT CloseRect(int width, int caption);
    static RECT TitleRect(int width, int caption);

    static Part HitCaption(int x, int y, int width, int caption);
    // The edge zones under the point (kEdgeNone inside).
    static int HitEdges(int x, int y, int width, int height);
    // The window rectangle after dragging the given edges of start by
    // (dx, dy), keeping at least minWidth x minHeight; the opposite edges stay.
    static RECT Resize(const RECT& start, int edges, int dx, int dy, int minWidth, int minHeight);
};
