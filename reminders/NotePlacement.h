#pragma once
// Where a note window goes on the desktop: a new note, a note with a saved
// place, a note dropped at a point, a window asked to show itself again, and
// the steps between notes dropped together. Plain geometry, so that the rules
// can be checked without a screen.

#include "zadad/WinTypes.h"

class CNote;

class CNotePlacement {
public:
    // "No position given" for both coordinates.
    static constexpr int kNoPosition = -1;
    // A window dropped at a point hangs this far above it.
    static constexpr int kDropLift = 7;
    // A window shown again keeps at least this size.
    static constexpr int kMinShownWidth = 60;
    static constexpr int kMinShownHeight = 24;
    // The height of the system's sizing frame, which a window shown again
    // at a point keeps above it (plus 2 pixels).
    static constexpr int kFrameHeight = 4;

    // The rectangle of a note's new desktop window on a screen of
    // screenWidth x screenHeight: the saved one, or 1/5 of the screen at 2/5
    // of its width and height; when (x, y) is given, centred on x just below y.
    static RECT InitialRect(const CNote& note, int x, int y, int screenWidth, int screenHeight);
    // The rectangle of a window that exists already and is shown at (x, y):
    // centred on x, its top just above y, at least kMinShownWidth x
    // kMinShownHeight. Without a position it stays where it is.
    static RECT ShownAgainRect(const RECT& saved, int x, int y);
    // A saved rectangle moved, when it has to be, so that enough of its
    // caption lies on the desktop to grab it; one without area gets 1/5 of
    // the desktop's size.
    static RECT KeepReachable(const RECT& rect, const RECT& desktop);
};

// The points at which notes dropped together are shown: one under the other,
// 18 pixels apart; past the bottom of the screen the next column starts at
// the top, 24 pixels to the right (or to the left near the right edge).
class CDropPoints {
public:
    static constexpr int kRowStep = 18;
    static constexpr int kColumnStep = 24;

    CDropPoints(int x, int y, int screenWidth, int screenHeight);
    int X() const { return m_x; }
    int Y() const { return m_y; }
    // Moves on to the point of the next note.
    void Advance();

private:
    int m_x;
    int m_y;
    int m_nScreenWidth;
    int m_nScreenHeight;
};
