#include "reminders/NoteHitTest.h"

#include "reminders/NoteLayout.h"

#include <algorithm>

namespace {

bool Contains(const RECT& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// The buttons are squares a border in from the caption's ends.
int ButtonSize(int caption) {
    return std::max(caption - 2 * CNoteLayout::kBorder, 8);
}

constexpr int kTitleGap = 4;

} // namespace

RECT CNoteHitTest::CaptionRect(int width, int caption) {
    return RectOfSize(0, 0, width, caption);
}

RECT CNoteHitTest::PinRect(int width, int caption) {
    (void)width;
    const int size = ButtonSize(caption);
    return RectOfSize(CNoteLayout::kBorder, (caption - size) / 2, size, size);
}

RECT CNoteHitTest::CloseRect(int width, int caption) {
    const int size = ButtonSize(caption);
    return RectOfSize(width - CNoteLayout::kBorder - size, (caption - size) / 2, size, size);
}

RECT CNoteHitTest::TitleRect(int width, int caption) {
    const int left = PinRect(width, caption).right + kTitleGap;
    const int right = CloseRect(width, caption).left - kTitleGap;
    return RectOfSize(left, 0, right - left, caption);
}

CNoteHitTest::Part CNoteHitTest::HitCaption(int x, int y, int width, int caption) {
    if (Contains(PinRect(width, caption), x, y)) return kPin;
    if (Contains(CloseRect(width, caption), x, y)) return kClose;
    if (Contains(CaptionRect(width, caption), x, y)) return kCaption;
    return kNone;
}

int CNoteHitTest::HitEdges(int x, int y, int width, int height) {
    if (x < 0 || y < 0 || x >= width || y >= height) return kEdgeNone;
    int edges = kEdgeNone;
    if (x < kEdgeMargin)
        edges |= kEdgeLeft;
    else if (x >= width - kEdgeMargin)
        edges |= kEdgeRight;
    if (y < kEdgeMargin)
        edges |= kEdgeTop;
    else if (y >= height - kEdgeMargin)
        edges |= kEdgeBottom;
    return edges;
}

RECT CNoteHitTest::Resize(const RECT& start, int edges, int dx, int dy, int minWidth,
                          int minHeight) {
    RECT rect = start;
    if (edges & kEdgeLeft) rect.left = std::min<int>(start.left + dx, start.right - minWidth);
    if (edges & kEdgeRight) rect.right = std::max<int>(start.right + dx, start.left + minWidth);
    if (edges & kEdgeTop) rect.top = std::min<int>(start.top + dy, start.bottom - minHeight);
    if (edges & kEdgeBottom) rect.bottom = std::max<int>(start.bottom + dy, start.top + minHeight);
    return rect;
}
