// Shapes taken from bitmaps, and shapes painted with a texture and a shadow:
// the outlines and faces of the shaped buttons.
#include "zadad/DrawUtility.h"

#include "zadad/Dib.h"
#include "zadad/PainterPixels.h"
#include "zadad/Picture.h"
#include "zadad/ResourcePath.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <vector>

namespace {

struct Run {
    int left;
    int right; // excluded
    bool operator==(const Run&) const = default;
};

// The runs of pixels in one image row whose value differs from key.
std::vector<Run> RowRuns(const CDib& dib, int row, DWORD key) {
    std::vector<Run> runs;
    int x = 0;
    while (x < dib.Width()) {
        while (x < dib.Width() && dib.Pixel(x, row) == key)
            ++x;
        const int start = x;
        while (x < dib.Width() && dib.Pixel(x, row) != key)
            ++x;
        if (x > start) runs.push_back({start, x});
    }
    return runs;
}

// The region of every pixel that differs from key, built band by band:
// rows with the same runs share one band, which is the form QRegion keeps,
// so it is built in one step however ragged the shape.
QRegion RegionOfOtherPixels(const CDib& dib, DWORD key) {
    std::vector<QRect> rects;
    std::vector<Run> band;
    int bandTop = 0;
    auto closeBand = [&](int bottom) {
        for (const Run& run : band)
            rects.emplace_back(run.left, bandTop, run.right - run.left, bottom - bandTop);
    };
    for (int y = 0; y < dib.Height(); ++y) {
        std::vector<Run> runs = RowRuns(dib, dib.Height() - 1 - y, key); // storage is bottom-up
        if (runs == band) continue;
        closeBand(y);
        band = std::move(runs);
        bandTop = y;
    }
    closeBand(dib.Height());
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

} // namespace

bool CDrawUtility::CreateRgnFromBmp(QPainter* dc, QRegion& rgn, COLORREF key, unsigned bitmapID) {
    const QImage bitmap(QString::fromStdString(ResourcePath(kBitmapResource, bitmapID)));
    return CreateRgnFromBmp(dc, rgn, key, bitmap);
}

bool CDrawUtility::CreateRgnFromBmp(QPainter* /*dc*/, QRegion& rgn, COLORREF key,
                                    const QImage& bitmap) {
    rgn = QRegion();
    CDib dib;
    if (bitmap.isNull() || !dib.Fill(bitmap)) return false;
    // The key is compared with the bitmap's 0x00RRGGBB words as it is given,
    // so a key whose red and blue differ must be given in that order.
    rgn = RegionOfOtherPixels(dib, key);
    return true;
}

void CDrawUtility::Draw3DRgn(QPainter* dc, const QRegion* rgn, const CPicture* picture,
                             COLORREF fill, int x, int y, int cx, int cy) {
    if (!dc || !rgn || cx <= 0 || cy <= 0) return;
    QImage texture(cx, cy, QImage::Format_RGB32);
    texture.fill(ToQColor(fill));
    if (picture && picture->IsValid()) {
        QPainter texturePainter(&texture);
        TileTexture(&texturePainter, RECT{0, 0, cx, cy}, picture, nullptr);
    }
    const QRegion bounds(0, 0, cx, cy);
    const QRegion body = rgn->intersected(bounds);
    const QRegion shadow = (body + rgn->translated(1, 1)).intersected(bounds);
    dc->save();
    dc->translate(x, y);
    // The shadow first: the shape and the shape moved one pixel down and
    // right in black, so that the body leaves a black edge at its lower right.
    dc->setClipRegion(shadow, Qt::IntersectClip);
    dc->fillRect(0, 0, cx, cy, Qt::black);
    dc->setClipRegion(body, Qt::IntersectClip);
    dc->drawImage(0, 0, texture);
    dc->restore();
}
