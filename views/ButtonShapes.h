#pragma once
// The outlines of the calendar window's shaped buttons: the toolbar's
// pictures, the close cross, the maximize and restore marks, the single
// and double arrows, and the plain filter buttons.
//
// Each comes for a screen of `scale` device pixels to the pixel, in those
// device pixels, so that a button's edge is as fine as the screen; the sizes
// below are at scale 1.

#include <QRegion>

namespace buttonshapes {

// The shape of a toolbar picture: every pixel that is not black.
QRegion Toolbar(unsigned bitmapID, qreal scale = 1);
// A cross, 20 x 20.
QRegion Close(qreal scale = 1);
// One window frame (restored) or two overlapping ones (maximized), 20 x 20.
QRegion Maximize(bool maximized, qreal scale = 1);
// Triangles of 16 x 30 pointing left or right.
QRegion Arrow(bool forward, qreal scale = 1);
// Two triangles one behind the other, 23 x 29.
QRegion DoubleArrow(bool forward, qreal scale = 1);
QRegion Rectangle(int width, int height, qreal scale = 1);

// A shape of whole pixels (a region at scale 1) at a scale, rectangle by rectangle.
QRegion Scaled(const QRegion& region, qreal scale);
// The pixels at scale 1 that a shape at `scale` covers, wholly or in part.
QRegion Covered(const QRegion& shape, qreal scale);

} // namespace buttonshapes
