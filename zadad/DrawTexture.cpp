// Tiling a picture over an area: the textured backgrounds of the windows
// and buttons.
#include "zadad/DrawUtility.h"

#include "zadad/PainterPixels.h"
#include "zadad/Picture.h"

#include <QBrush>
#include <QPainter>
#include <QRegion>
#include <algorithm>

namespace {

// The first tile position at or after `start` in steps of `size` that lies
// beyond `limit`, counting from step `firstStep`.
int FirstTileBeyond(int start, int size, int limit, int firstStep) {
    int steps = limit < start ? 0 : (limit - start) / size + 1;
    steps = std::max(steps, firstStep);
    return start + steps * size;
}

// The part of the area whose tiles the exclusion rectangle leaves out:
// every tile but the first of its column that starts right of and below the
// exclusion's top left corner, and only while the whole area ends inside it.
QRect ExcludedTiles(const RECT& area, int tileWidth, int tileHeight, const RECT& exclude) {
    if (!(area.right < exclude.right && area.bottom < exclude.bottom)) return QRect();
    const int x0 = FirstTileBeyond(area.left, tileWidth, exclude.left, 0);
    const int y0 = FirstTileBeyond(area.top, tileHeight, exclude.top, 1);
    if (x0 >= area.right || y0 >= area.bottom) return QRect();
    return QRect(x0, y0, area.right - x0, area.bottom - y0);
}

} // namespace

void CDrawUtility::TileTexture(QPainter* dc, const RECT& rect, const std::string& file,
                               unsigned imageID) {
    CPicture picture;
    if (!file.empty())
        picture.Load(file);
    else
        picture.Load(imageID);
    TileTexture(dc, rect, &picture, nullptr);
}

void CDrawUtility::TileTexture(QPainter* dc, const RECT& rect, const CPicture* picture,
                               const RECT* exclude) {
    if (!dc || !picture || !picture->IsValid()) return;
    const int tileWidth = picture->Width();
    const int tileHeight = picture->Height();
    if (tileWidth <= 0 || tileHeight <= 0) return;
    RECT area = rect;
    if (area == RECT{}) area = RECT{0, 0, tileWidth, tileHeight};
    if (area.right <= area.left || area.bottom <= area.top) return;
    // Tiles start at the area's top left corner. The last row and column are
    // cut at the area's edge rather than spilling over whatever lies beyond.
    QRegion paint(ToQRect(area));
    if (exclude) paint -= ExcludedTiles(area, tileWidth, tileHeight, *exclude);
    dc->save();
    dc->setClipRegion(paint, dc->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    dc->setBrushOrigin(area.left, area.top);
    dc->fillRect(ToQRect(area), QBrush(*picture->Image()));
    dc->restore();
}
