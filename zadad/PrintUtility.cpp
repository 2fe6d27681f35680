// The two printing helpers of CControlUtility: font heights and the page
// area a margin leaves, for a painter on a printer (or any paint device).
#include "zadad/ControlUtility.h"

#include <QLineF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QTransform>

#include <cmath>

namespace {

constexpr int kPointsPerInch = 72;

// The paper and the printable area on it, both in device pixels with the
// paper's corner as origin.
struct PaperGeometry {
    QRectF paper;
    QRectF printable;
};

PaperGeometry GeometryOf(const QPaintDevice& device) {
    const auto* paged = dynamic_cast<const QPagedPaintDevice*>(&device);
    if (!paged) {
        const QRectF whole(0, 0, device.width(), device.height());
        return {whole, whole};
    }
    // In whole pixels, as the printer itself places its printable area; in
    // full-page mode that area is the whole paper.
    const QPageLayout layout = paged->pageLayout();
    const auto inPixels = [&device](const auto& rectAt) {
        const QRect x = rectAt(device.logicalDpiX());
        const QRect y = rectAt(device.logicalDpiY());
        return QRectF(x.x(), y.y(), x.width(), y.height());
    };
    return {inPixels([&layout](int dpi) { return layout.fullRectPixels(dpi); }),
            inPixels([&layout](int dpi) { return layout.paintRectPixels(dpi); })};
}

} // namespace

int CControlUtility::GetPrintFontHeight(QPainter* dc, int points) {
    if (!dc || !dc->device()) return 0;
    const int device = points * dc->device()->logicalDpiY() / kPointsPerInch;
    // Device to logical as a size: both components set, the height read back.
    bool invertible = false;
    const QTransform toLogical = dc->combinedTransform().inverted(&invertible);
    if (!invertible) return device;
    const QLineF size = toLogical.map(QLineF(0, 0, device, device));
    return static_cast<int>(std::lround(std::abs(size.dy())));
}

RECT CControlUtility::GetPrintArea(QPainter* dc, float marginInches) {
    if (!dc || !dc->device()) return RECT{};
    const QPaintDevice& device = *dc->device();
    const PaperGeometry page = GeometryOf(device);
    const double mx = marginInches * device.logicalDpiX();
    const double my = marginInches * device.logicalDpiY();
    const QPointF origin = page.printable.topLeft();
    return RECT{static_cast<std::int32_t>(page.paper.left() + mx - origin.x()),
                static_cast<std::int32_t>(page.paper.top() + my - origin.y()),
                static_cast<std::int32_t>(page.paper.x() + page.paper.width() - mx - origin.x()),
                static_cast<std::int32_t>(page.paper.y() + page.paper.height() - my - origin.y())};
}
