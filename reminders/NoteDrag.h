#pragma once
// Moving a note window by its caption or resizing it by an edge: the
// rectangle follows the mouse from where the drag began.

#include "reminders/NoteHitTest.h"

class CNoteDrag {
public:
    bool IsActive() const { return m_kind != kNone; }
    void BeginMove(const RECT& window, int x, int y);
    void BeginResize(const RECT& window, int edges, int x, int y, int minWidth, int minHeight);
    // The window rectangle for the mouse at (x, y), screen coordinates.
    RECT Follow(int x, int y) const;
    void End() { m_kind = kNone; }

private:
    enum Kind { kNone, kMove, kResize };

    Kind m_kind = kNone;
    RECT m_rcStart;
    int m_nStartX = 0;
    int m_nStartY = 0;
    int m_nEdges = CNoteHitTest::kEdgeNone;
    int m_nMinWidth = 0;
    int m_nMinHeight = 0;
};
