#pragma once
// Where the note tip opens: beside the point it explains, on the side where
// the desktop has room for it.

#include "zadad/WinTypes.h"

// Widest text of a tip, in pixels; longer texts wrap.
inline constexpr int kTipMaxTextWidth = 300;
// The tip is this much wider and taller than its text.
inline constexpr int kTipMargin = 4;

// The tip's rectangle for a tip of the size at the point (x, y): right of
// and below the point, left of it when the point is in the right half of
// the desktop, above it when the point is in the lower half.
RECT PlaceTip(int x, int y, int width, int height, const RECT& desktop);
