#include "views/ButtonShapes.h"

#include "zadad/Utility.h"

#include <QPolygon>
#include <QTransform>

namespace buttonshapes {

namespace {

constexpr int kFrameSize = 20;

QRegion Polygon(std::initializer_list<QPoint> points) {
    return QRegion(QPolygon(QList<QPoint>(points)));
}

// A hollow window frame with a thicker title bar.
QRegion WindowFrame(const QRect& outer) {
    const QRect inner = outer.adjusted(2, 5, -2, -2);
    return QRegion(outer).subtracted(QRegion(inner));
}

QRegion Mirrored(const QRegion& region, int width) {
    return QTransform(-1, 0, 0, 1, width, 0).map(region);
}

} // namespace

QRegion Toolbar(unsigned bitmapID) {
    QRegion shape;
    CUtility::CreateRgnFromBmp(nullptr, shape, RGB(0, 0, 0), bitmapID);
    return shape;
}

QRegion Close() {
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
                    {7, 10}});
}

QRegion Maximize(bool maximized) {
    if (!maximized) return WindowFrame(QRect(2, 2, kFrameSize - 4, kFrameSize - 4));
    // Restore: a smaller frame in front of another one behind it.
    const QRect front(2, 7, 11, 11);
    const QRect back(7, 2, 11, 11);
    const QRegion hidden = QRegion(front.adjusted(-1, -1, 1, 1));
    return WindowFrame(front).united(WindowFrame(back).subtracted(hidden));
}

QRegion Arrow(bool forward) {
    const QRegion left = Polygon({{15, 0}, {15, 29}, {0, 15}});
    return forward ? Mirrored(left, 16) : left;
}

QRegion DoubleArrow(bool forward) {
    const QRegion left =
        Polygon({{11, 0}, {11, 12}, {22, 0}, {22, 28}, {11, 16}, {11, 28}, {0, 14}});
    return forward ? Mirrored(left, 23) : left;
}

QRegion Rectangle(int width, int height) {
    return QRegion(0, 0, width, height);
}

} // namespace buttonshapes
