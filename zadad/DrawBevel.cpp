// Bevelled lines and frames, and lines that lighten or darken what lies
// beneath them.
#include "zadad/DrawUtility.h"

#include "zadad/ColorUtility.h"
#include "zadad/PainterPixels.h"

#include <QPainter>
#include <QPoint>
#include <algorithm>

namespace {

// One line of a bevel strip, between start (included) and end (excluded)
// along the strip's direction, at `across` in the other direction.
void BlendLine(QPainter* dc, bool vertical, int across, int start, int end, int gray, int alpha) {
    if (end <= start) return;
    const QRect line =
        vertical ? QRect(across, start, 1, end - start) : QRect(start, across, end - start, 1);
    dc->save();
    dc->setOpacity(dc->opacity() * alpha / 255.0);
    dc->fillRect(line, QColor(gray, gray, gray));
    dc->restore();
}

} // namespace

void CDrawUtility::DrawBevelLine(QPainter* dc, const QPoint& from, const QPoint& to, int width,
                                 int grayFrom, int grayTo, int slant, int alphaFrom,
                                 int alphaStep) {
    if (!dc || width <= 0) return;
    const bool vertical = from.x() == to.x();
    const int across = vertical ? from.x() : from.y();
    const int start = vertical ? std::min(from.y(), to.y()) : std::min(from.x(), to.x());
    const int end = vertical ? std::max(from.y(), to.y()) : std::max(from.x(), to.x());
    const int grayStep = (grayTo - grayFrom) / width;
    for (int i = 0; i < width; ++i) {
        // Mitred ends: with slant -1 the first line is the longest and each
        // next one loses a pixel at each end; with +1 the first is 2 x width
        // shorter and each next one gains a pixel at each end.
        const int shrink = slant < 0 ? i : slant > 0 ? width - i : 0;
        const int gray = (grayFrom + i * grayStep) & 0xFF;
        const int alpha = (alphaFrom + alphaStep * i) & 0xFF;
        BlendLine(dc, vertical, across + i, start + shrink, end - shrink, gray, alpha);
    }
}

void CDrawUtility::DrawLumaRect(QPainter* dc, const RECT& rect, int raised, int width, int gray) {
    if (!dc || width <= 0) return;
    if (gray == -1) gray = CColorUtility::GetBrightness(dc, rect);
    const int w = width;
    const int step = 200 / w;
    // Raised: drawn inside the rectangle, light top-left and dark
    // bottom-right. Sunken: drawn around it, dark top-left, light bottom-right.
    const RECT r =
        raised ? rect : RECT{rect.left - w, rect.top - w, rect.right + w, rect.bottom + w};
    const QPoint topLeft(r.left, r.top);
    const int lightFrom = raised ? 255 : gray;
    const int lightTo = raised ? gray : 0;
    const int lightAlpha = raised ? 200 : 0;
    const int lightStep = raised ? -step : step;
    DrawBevelLine(dc, topLeft, QPoint(r.right, r.top), w, lightFrom, lightTo, -1, lightAlpha,
                  lightStep);
    DrawBevelLine(dc, topLeft, QPoint(r.left, r.bottom), w, lightFrom, lightTo, -1, lightAlpha,
                  lightStep);
    const int darkFrom = raised ? gray : 255;
    const int darkTo = raised ? 0 : gray;
    const int darkAlpha = raised ? 0 : 200;
    const int darkStep = raised ? step : -step;
    DrawBevelLine(dc, QPoint(r.left, r.bottom - w), QPoint(r.right, r.bottom - w), w, darkFrom,
                  darkTo, 1, darkAlpha, darkStep);
    DrawBevelLine(dc, QPoint(r.right - w, r.top), QPoint(r.right - w, r.bottom), w, darkFrom,
                  darkTo, 1, darkAlpha, darkStep);
}

void CDrawUtility::DrawLumaLine(QPainter* dc, const QPoint& from, const QPoint& to, int luma,
                                int vertical) {
    if (!dc) return;
    const QRect line = vertical ? QRect(QPoint(from.x(), std::min(from.y(), to.y())),
                                        QPoint(from.x(), std::max(from.y(), to.y())))
                                : QRect(QPoint(std::min(from.x(), to.x()), from.y()),
                                        QPoint(std::max(from.x(), to.x()), from.y()));
    QPoint origin;
    QImage pixels = painterpixels::ReadBack(dc, line, &origin);
    if (pixels.isNull()) return;
    for (int y = 0; y < pixels.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const COLORREF changed =
                ColorAdjustLuma(painterpixels::FromQRgb(row[x]), 10 * luma, true);
            row[x] = qRgb(GetRValue(changed), GetGValue(changed), GetBValue(changed));
        }
    }
    painterpixels::WriteBack(dc, origin.x(), origin.y(), pixels);
}

void CDrawUtility::DrawMulLumaLine(QPainter* dc, const QPoint& from, const QPoint& to, int luma,
                                   int dx, int dy, int dLuma, int count) {
    for (int k = 0; k < count; ++k) {
        const QPoint offset(k * dx, k * dy);
        DrawLumaLine(dc, from + offset, to + offset, luma + k * dLuma, dx != 0);
    }
}
