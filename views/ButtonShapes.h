#pragma once
// The outlines of the calendar window's shaped buttons: the toolbar's
// pictures, the close cross, the maximize and restore marks, the single
// and double arrows, and the plain filter buttons.

#include <QRegion>

namespace buttonshapes {

// The shape of a toolbar picture: every pixel that is not black.
QRegion Toolbar(unsigned bitmapID);
// A cross, 20 x 20.
QRegion Close();
// One window frame (restored) or two overlapping ones (maximized), 20 x 20.
QRegion Maximize(bool maximized);
// Triangles of 16 x 30 pointing left or right.
QRegion Arrow(bool forward);
// Two triangles one behind the other, 23 x 29.
QRegion DoubleArrow(bool forward);
QRegion Rectangle(int width, int height);

} // namespace buttonshapes
