// Gradients, shaded bars, dots and plain 3-D frames.
#include "zadad/DrawUtility.h"

#include "zadad/ColorUtility.h"
#include "zadad/PainterPixels.h"
#include "zadad/SystemColors.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <cmath>

namespace {

// A triangle shaded from colour a along the edge (edgeStart, edgeEnd) to
// colour b at the opposite corner: the colour is constant on lines parallel
// to that edge, so a linear gradient across it shades it exactly.
void FillShadedTriangle(QPainter* dc, QPointF edgeStart, QPointF edgeEnd, QPointF corner, QColor a,
                        QColor b, bool colourOnEdgeIsA) {
    QPainterPath path;
    path.moveTo(edgeStart);
    path.lineTo(edgeEnd);
    path.lineTo(corner);
    path.closeSubpath();
    const QPointF along = edgeEnd - edgeStart;
    const double length = std::hypot(along.x(), along.y());
    QPointF foot = edgeStart;
    if (length > 0) {
        const QPointF unit = along / length;
        const QPointF toCorner = corner - edgeStart;
        foot = edgeStart + unit * (toCorner.x() * unit.x() + toCorner.y() * unit.y());
    }
    QLinearGradient gradient(foot, corner);
    gradient.setColorAt(0, colourOnEdgeIsA ? a : b);
    gradient.setColorAt(1, colourOnEdgeIsA ? b : a);
    dc->fillPath(path, gradient);
}

void FillBand(QPainter* dc, int left, int top, int right, int bottom, COLORREF from, COLORREF to) {
    CDrawUtility::FillGradientRect(dc, left, top, right, bottom, from, to, 1);
}

} // namespace

void CDrawUtility::FillGradientRect(QPainter* dc, int left, int top, int right, int bottom,
                                    COLORREF from, COLORREF to, int vertical) {
    if (!dc || right <= left || bottom <= top) return;
    QLinearGradient gradient = vertical ? QLinearGradient(left, top, left, bottom)
                                        : QLinearGradient(left, top, right, top);
    gradient.setColorAt(0, ToQColor(from));
    gradient.setColorAt(1, ToQColor(to));
    dc->fillRect(QRect(left, top, right - left, bottom - top), gradient);
}

void CDrawUtility::FillGradientPoly(QPainter* dc, const QPoint& p1, const QPoint& p2,
                                    const QPoint& p3, const QPoint& p4, COLORREF a, COLORREF b) {
    if (!dc) return;
    const QColor ca = ToQColor(a);
    const QColor cb = ToQColor(b);
    dc->save();
    dc->setPen(Qt::NoPen);
    FillShadedTriangle(dc, p1, p2, p3, ca, cb, true);  // p1, p2 in a; p3 in b
    FillShadedTriangle(dc, p3, p4, p1, ca, cb, false); // p3, p4 in b; p1 in a
    dc->restore();
}

void CDrawUtility::ShadeRect1(QPainter* dc, const RECT& rect, COLORREF color) {
    FillBand(dc, rect.left, rect.top, rect.right, rect.bottom, ColorAdjustLuma(color, 450, true),
             ColorAdjustLuma(color, -400, true));
}

void CDrawUtility::GlassRect1(QPainter* dc, const RECT& rect, COLORREF color) {
    const int b = rect.bottom;
    auto luma = [color](int n) { return ColorAdjustLuma(color, n, true); };
    const int l = rect.left;
    const int r = rect.right;
    FillBand(dc, l, rect.top, r, b / 8, RGB(255, 255, 255), luma(600));
    FillBand(dc, l, b / 8, r, b / 4, luma(600), color);
    FillBand(dc, l, b / 4, r, b / 2, color, luma(200));
    FillBand(dc, l, b / 2, r, 5 * b / 8, luma(200), luma(500));
    FillBand(dc, l, 5 * b / 8, r, b, luma(500), luma(800));
}

void CDrawUtility::DrawInDot(QPainter* dc, const QPoint& p) {
    if (!dc) return;
    dc->fillRect(QRect(p.x(), p.y(), 2, 2), systemcolors::ButtonHighlight());
    dc->fillRect(QRect(p.x() - 1, p.y() - 1, 2, 2), QColor(0x80, 0x80, 0x80));
    dc->fillRect(QRect(p.x(), p.y(), 1, 1), Qt::black);
}

void CDrawUtility::DrawOutDot(QPainter* dc, const QPoint& p) {
    if (!dc) return;
    dc->fillRect(QRect(p.x(), p.y(), 1, 1), Qt::white);
    dc->fillRect(QRect(p.x() + 1, p.y() + 1, 1, 1), Qt::black);
    dc->fillRect(QRect(p.x(), p.y() + 1, 1, 1), QColor(0x80, 0x80, 0x80));
    dc->fillRect(QRect(p.x() + 1, p.y(), 1, 1), QColor(0x80, 0x80, 0x80));
}

void CDrawUtility::Draw3dRect(QPainter* dc, const RECT& rect, int raised) {
    if (!dc || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const QColor light = systemcolors::ButtonHighlight();
    const QColor dark = systemcolors::DarkShadow();
    const QColor& topLeft = raised ? light : dark;
    const QColor& bottomRight = raised ? dark : light;
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    dc->fillRect(QRect(rect.left, rect.top, w - 1, 1), topLeft);
    dc->fillRect(QRect(rect.left, rect.top, 1, h - 1), topLeft);
    dc->fillRect(QRect(rect.right - 1, rect.top, 1, h), bottomRight);
    dc->fillRect(QRect(rect.left, rect.bottom - 1, w, 1), bottomRight);
}
