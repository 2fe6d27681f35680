#include "reminders/NotePlacement.h"

#include "store/Note.h"

#include <algorithm>

namespace {

bool HasArea(const RECT& rect) {
    return rect.Width() > 0 && rect.Height() > 0;
}

// How much of a window's caption must stay on the screen to grab it.
constexpr int kReachableWidth = 40;
constexpr int kReachableHeight = 24;

} // namespace

RECT CNotePlacement::InitialRect(const CNote& note, int x, int y, int screenWidth,
                                 int screenHeight) {
    const bool saved = note.m_bHasWindowRect && HasArea(note.m_rcWindow);
    const int width = saved ? note.m_rcWindow.Width() : screenWidth / 5;
    const int height = saved ? note.m_rcWindow.Height() : screenHeight / 5;
    if (x == kNoPosition && y == kNoPosition) {
        if (saved) return note.m_rcWindow;
        return RectOfSize(2 * screenWidth / 5, 2 * screenHeight / 5, width, height);
    }
    return RectOfSize(x - width / 2, std::max(y - kDropLift, 0), width, height);
}

RECT CNotePlacement::ShownAgainRect(const RECT& saved, int x, int y) {
    const int width = std::max<int>(saved.Width(), kMinShownWidth);
    const int height = std::max<int>(saved.Height(), kMinShownHeight);
    if (x == kNoPosition && y == kNoPosition)
        return RectOfSize(saved.left, saved.top, width, height);
    return RectOfSize(x - width / 2, y - kFrameHeight - 2, width, height);
}

RECT CNotePlacement::KeepReachable(const RECT& rect, const RECT& desktop) {
    RECT result = rect;
    if (!HasArea(result))
        result = RectOfSize(rect.left, rect.top, desktop.Width() / 5, desktop.Height() / 5);
    const int width = result.Width();
    const int height = result.Height();
    const int maxLeft = std::max<int>(desktop.left, desktop.right - kReachableWidth);
    const int minLeft = std::min<int>(maxLeft, desktop.left + kReachableWidth - width);
    const int maxTop = std::max<int>(desktop.top, desktop.bottom - kReachableHeight);
    const int left = std::clamp<int>(result.left, minLeft, maxLeft);
    const int top = std::clamp<int>(result.top, desktop.top, maxTop);
    return RectOfSize(left, top, width, height);
}

CDropPoints::CDropPoints(int x, int y, int screenWidth, int screenHeight)
    : m_x(x), m_y(y), m_nScreenWidth(screenWidth), m_nScreenHeight(screenHeight) {}

void CDropPoints::Advance() {
    m_y += kRowStep;
    if (m_y <= m_nScreenHeight - kRowStep) return;
    m_y = 0;
    // 7 x >= 6 W: x at or beyond 6/7 of the width, without rounding.
    m_x += 7LL * m_x >= 6LL * m_nScreenWidth ? -kColumnStep : kColumnStep;
}
