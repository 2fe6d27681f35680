#pragma once
// Small helpers for the drawing tests: canvases and pixel comparisons.

#include "zadad/WinTypes.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

inline QImage Canvas(int width, int height, QColor fill = Qt::white) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

inline COLORREF PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// Each channel of actual within tolerance of expected.
inline ::testing::AssertionResult Near(COLORREF actual, COLORREF expected, int tolerance) {
    const int d[] = {GetRValue(actual) - GetRValue(expected),
                     GetGValue(actual) - GetGValue(expected),
                     GetBValue(actual) - GetBValue(expected)};
    for (int v : d) {
        if (v > tolerance || v < -tolerance)
            return ::testing::AssertionFailure()
                   << "got (" << GetRValue(actual) << "," << GetGValue(actual) << ","
                   << GetBValue(actual) << ") expected (" << GetRValue(expected) << ","
                   << GetGValue(expected) << "," << GetBValue(expected) << ")";
    }
    return ::testing::AssertionSuccess();
}
