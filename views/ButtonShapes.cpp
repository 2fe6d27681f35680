#include "views/ButtonShapes.h"

#include "res/Resources.h"
#include "zadad/Utility.h"

#include <QPolygon>
#include <QTransform>

#include <cmath>

namespace buttonshapes {

namespace {

constexpr int kFrameSize = 20;

int At(int coordinate, qreal scale) {
    return static_cast<int>(std::lround(coordinate * scale));
}

QRect At(const QRect& rect, qreal scale) {
    return QRect(QPoint(At(rect.left(), scale), At(rect.top(), scale)),
                 QPoint(At(rect.right() + 1, scale) - 1, At(rect.bottom() + 1, scale) - 1));
}

QRegion Polygon(std::initializer_list<QPoint> points, qreal scale) {
    QPolygon polygon;
    for (const QPoint& point : points)
        polygon << QPoint(At(point.x(), scale), At(point.y(), scale));
    return QRegion(polygon);
}

// A hollow window frame with a thicker title bar.
QRegion WindowFrame(const QRect& outer, qreal scale) {
    const QRect inner = outer.adjusted(2, 5, -2, -2);
    return QRegion(At(outer, scale)).subtracted(QRegion(At(inner, scale)));
}

QRegion Mirrored(const QRegion& region, int width, qreal scale) {
    return QTransform(-1, 0, 0, 1, At(width, scale), 0).map(region);
}

} // namespace

QRegion Scaled(const QRegion& region, qreal scale) {
    if (scale == 1) return region;
    QRegion scaled;
    for (const QRect& rect : region)
        scaled += At(rect, scale);
    return scaled;
}

QRegion Covered(const QRegion& shape, qreal scale) {
    if (scale == 1) return shape;
    QRegion covered;
    for (const QRect& rect : shape) {
        const int left = static_cast<int>(std::floor(rect.left() / scale));
        const int top = static_cast<int>(std::floor(rect.top() / scale));
        const int right = static_cast<int>(std::ceil((rect.right() + 1) / scale));
        const int bottom = static_cast<int>(std::ceil((rect.bottom() + 1) / scale));
        covered += QRect(left, top, right - left, bottom - top);
    }
    return covered;
}

QRegion Toolbar(unsigned bitmapID, qreal scale) {
    QRegion shape;
    CUtility::CreateRgnFromBmp(nullptr, shape, RGB(0, 0, 0), resources::Bitmap(bitmapID, scale));
    return shape;
}

QRegion Close(qreal scale) {
    // Four arms with square ends meeting in the middle: sixteen corners.
    return Polygon({{2, 5},
                    {2, 2},
                    {5, 2},
                    {10, 7},
                    {15, 2},
                    {18, 2},
                    {18, 5},
                    {13, 10},
                    {18, 15},
                    {18, 18},
                    {15, 18},
                    {10, 13},
                    {5, 18},
                    {2, 18},
                    {2, 15},
                    {7, 10}},
                   scale);
}

QRegion Maximize(bool maximized, qreal scale) {
    if (!maximized) return WindowFrame(QRect(2, 2, kFrameSize - 4, kFrameSize - 4), scale);
    // Restore: a smaller frame in front of another one behind it.
    const QRect front(2, 7, 11, 11);
    const QRect back(7, 2, 11, 11);
    const QRegion hidden = QRegion(At(front.adjusted(-1, -1, 1, 1), scale));
    return WindowFrame(front, scale).united(WindowFrame(back, scale).subtracted(hidden));
}

QRegion Arrow(bool forward, qreal scale) {
    const QRegion left = Polygon({{15, 0}, {15, 29}, {0, 15}}, scale);
    return forward ? Mirrored(left, 16, scale) : left;
}

QRegion DoubleArrow(bool forward, qreal scale) {
    const QRegion left =
        Polygon({{11, 0}, {11, 12}, {22, 0}, {22, 28}, {11, 16}, {11, 28}, {0, 14}}, scale);
    return forward ? Mirrored(left, 23, scale) : left;
}

QRegion Rectangle(int width, int height, qreal scale) {
    return QRegion(0, 0, At(width, scale), At(height, scale));
}

} // namespace buttonshapes
