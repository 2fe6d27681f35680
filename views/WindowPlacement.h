#pragma once
// Where the calendar window opens and what it keeps of itself: the saved
// size (position is not restored: the window opens centred), or the
// default size when none was saved, which a top edge at 0 or above the
// screen says; never smaller than the window may be, never bigger than the
// screen.

#include "zadad/WinTypes.h"

#include <QRect>
#include <QSize>

// Whether a stored window rectangle holds a size to open at.
bool HasSavedWindowRect(const RECT& saved);
QRect OpeningGeometry(const RECT& saved, QSize defaultSize, QSize minimum, const QRect& screen);
// The rectangle to store for a window at geometry (right and bottom just outside).
RECT WindowRectToSave(const QRect& geometry);
