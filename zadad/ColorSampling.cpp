// Sampling what has been drawn: the representative colour and brightness of
// a strip, used to pick text colours that read on textured backgrounds.
#include "zadad/ColorUtility.h"
#include "zadad/DrawUtility.h"
#include "zadad/PainterPixels.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr int kSampleWidth = 60;

struct ChannelSums {
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    long long count = 0;
};

// Sums the pixels of the row y = top + 1, from left for at most 60 pixels
// and never past right. A rectangle whose left is not below its right reads none.
ChannelSums SampleRow(QPainter* dc, const RECT& rect) {
    ChannelSums sums;
    const int width = std::min(rect.right - rect.left, kSampleWidth);
    if (width <= 0) return sums;
    const QImage row = painterpixels::ReadBack(dc, QRect(rect.left, rect.top + 1, width, 1));
    for (int x = 0; x < row.width(); ++x) {
        const QRgb pixel = row.pixel(x, 0);
        sums.red += qRed(pixel);
        sums.green += qGreen(pixel);
        sums.blue += qBlue(pixel);
        ++sums.count;
    }
    return sums;
}

} // namespace

int CColorUtility::GetBrightness(QPainter* dc, const RECT& rect) {
    const ChannelSums s = SampleRow(dc, rect);
    if (s.count == 0) return 0;
    return static_cast<int>((30 * s.red + 59 * s.green + 11 * s.blue) / s.count / 100);
}

COLORREF CColorUtility::GetBmpColor(QPainter* dc, const RECT& rect) {
    const ChannelSums s = SampleRow(dc, rect);
    if (s.count == 0) return RGB(0, 0, 0);
    return RGB(static_cast<int>(s.red / s.count), static_cast<int>(s.green / s.count),
               static_cast<int>(s.blue / s.count));
}

COLORREF CColorUtility::GetTextureColor(QPainter* /*dc*/, const std::string& file,
                                        unsigned imageID) {
    // A fresh strip starts black, as a new memory bitmap does, so a texture
    // that cannot be loaded reads as black.
    QImage strip(kSampleWidth, 4, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter painter(&strip);
    RECT area{0, 0, kSampleWidth, 4};
    CDrawUtility::TileTexture(&painter, area, file, imageID);
    return GetBmpColor(&painter, area);
}
