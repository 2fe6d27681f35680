#pragma once
// helpers for combo boxes and printing.

#include "zadad/WinTypes.h"

class QComboBox;
class QPainter;

class CControlUtility {
public:
    // Index of the first item whose item data equals id, or -1 when none does.
    static int GetIDIndex(QComboBox& combo, int id);

    // Printing. A painter's logical units are what it draws in: device
    // pixels mapped back through its transform (with none, the device's own
    // pixels; a printer's at its resolution). The device's origin, where an
    // untransformed painter draws (0, 0), is the corner of the printable area.

    // The height of a font of `points` points on the painter's device: points
    // x dpi / 72 device pixels (truncated), in the painter's logical units.
    // Being linear, it turns tenths of a point into tenths of a unit alike.
    static int GetPrintFontHeight(QPainter* dc, int points);
    // The rectangle marginInches inside every edge of the paper, in device
    // pixels from the printable area's corner. A device that is no page (an
    // image) counts as paper without unprintable margins.
    static RECT GetPrintArea(QPainter* dc, float marginInches);
};
