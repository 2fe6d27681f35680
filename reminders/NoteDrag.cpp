#include "reminders/NoteDrag.h"

void CNoteDrag::BeginMove(const RECT& window, int x, int y) {
    m_kind = kMove;
    m_rcStart = window;
    m_nStartX = x;
    m_nStartY = y;
}

void CNoteDrag::BeginResize(const RECT& window, int edges, int x, int y, int minWidth,
                            int minHeight) {
    m_kind = edges == CNoteHitTest::kEdgeNone ? kNone : kResize;
    m_rcStart = window;
    m_nStartX = x;
    m_nStartY = y;
    m_nEdges = edges;
    m_nMinWidth = minWidth;
    m_nMinHeight = minHeight;
}

RECT CNoteDrag::Follow(int x, int y) const {
    const int dx = x - m_nStartX;
    const int dy = y - m_nStartY;
    if (m_kind == kResize)
        return CNoteHitTest::Resize(m_rcStart, m_nEdges, dx, dy, m_nMinWidth, m_nMinHeight);
    RECT rect = m_rcStart;
    if (m_kind == kMove) {
        rect.left += dx;
        rect.right += dx;
        rect.top += dy;
        rect.bottom += dy;
    }
    return rect;
}
