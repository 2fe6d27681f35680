#include "zadad/PainterPixels.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

namespace painterpixels {

namespace {

// The painter's device as an image. For an image device this is a shallow
// copy of the pixels painted so far; pixmaps are converted.
QImage DeviceImage(QPainter* painter) {
    QPaintDevice* device = painter ? painter->device() : nullptr;
    if (!device) return QImage();
    switch (device->devType()) {
    case QInternal::Image:
        return *static_cast<QImage*>(device);
    case QInternal::Pixmap:
        return static_cast<QPixmap*>(device)->toImage();
    default:
        return QImage();
    }
}

} // namespace

QImage ReadBack(QPainter* painter, const QRect& rect, QPoint* origin) {
    const QImage whole = DeviceImage(painter);
    if (whole.isNull()) return QImage();
    const QRect onDevice = painter->deviceTransform().mapRect(rect).intersected(whole.rect());
    if (onDevice.isEmpty()) return QImage();
    if (origin) *origin = painter->deviceTransform().inverted().map(onDevice.topLeft());
    return whole.copy(onDevice).convertToFormat(QImage::Format_RGB32);
}

void WriteBack(QPainter* painter, int x, int y, const QImage& img) {
    painter->save();
    painter->setOpacity(1.0);
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(x, y, img);
    painter->restore();
}

} // namespace painterpixels
