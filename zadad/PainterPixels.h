#pragma once
// Bridges between the library's colour words and Qt's painting: colour
// conversions and reading back what a painter has drawn. Internal to the
// library's drawing code; nothing outside zadad includes it.

#include "zadad/QtTypes.h"
#include "zadad/WinTypes.h"

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

namespace painterpixels {

inline COLORREF FromQRgb(QRgb rgb) {
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// The pixels under rect (logical coordinates of the painter) as they are now
// on the painter's device, in RGB32; rows and columns outside the device are
// left out, and origin (when given) receives the logical position of the
// copy's top left pixel. Null when the device cannot be read back (only
// images and pixmaps can) or nothing of rect lies on it.
QImage ReadBack(QPainter* painter, const QRect& rect, QPoint* origin = nullptr);

// Paints img with its top left corner at the logical point (x, y), bypassing
// the painter's opacity and composition so that the pixels land exactly.
void WriteBack(QPainter* painter, int x, int y, const QImage& img);

} // namespace painterpixels
