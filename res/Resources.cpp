#include "res/Resources.h"

#include "zadad/ResourcePath.h"

#include <QFile>
#include <QIcon>

namespace resources {

namespace {

QString Path(const char* type, unsigned id) {
    return QString::fromStdString(ResourcePath(type, id));
}

// The image at `scale` times the size `logical`, carrying the scale. A keyed
// bitmap is resized without blending, so its key colour stays exact.
QImage Resized(QImage image, QSize logical, qreal scale, Qt::TransformationMode mode) {
    const QSize size(qRound(logical.width() * scale), qRound(logical.height() * scale));
    if (image.size() != size)
        image = image.scaled(size.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio, mode);
    image.setDevicePixelRatio(scale);
    return image;
}

// The stored picture and, above scale 1, the one made at twice its size
// (null when there is none).
struct Stored {
    QImage plain;
    QImage large;

    Stored(const char* type, unsigned id, qreal scale)
        : plain(Path(type, id)),
          large(scale > 1 && !plain.isNull() ? QImage(Path(type, id) + QStringLiteral("@2x"))
                                             : QImage()) {}
    const QImage& Best() const { return large.isNull() ? plain : large; }
};

QImage AtScale(const char* type, unsigned id, qreal scale, Qt::TransformationMode mode) {
    const Stored stored(type, id, scale);
    if (stored.plain.isNull() || scale == 1) return stored.plain;
    return Resized(stored.Best(), stored.plain.size(), scale, mode);
}

QImage WithoutKey(const QImage& image, QColor key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb rgb = key.rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == rgb) line[x] = 0;
    }
    return out;
}

// A keyed picture made transparent where it shows the key, then brought to
// the scale (smoothly: the key is gone and cannot bleed into the edges).
QPixmap TransparentAt(const QImage& picture, QColor key, QSize logical, qreal scale) {
    return QPixmap::fromImage(
        Resized(WithoutKey(picture, key), logical, scale, Qt::SmoothTransformation));
}

struct HotSpot {
    unsigned id;
    int x;
    int y;
};

// Where each cursor points, in its 32 x 32 picture: the drag cursors at
// the arrow's tip, the others at the tip of their arrow.
constexpr HotSpot kHotSpots[] = {
    {kCursorDragNote, 2, 2},     {kCursorDragNotes, 2, 2}, {kCursorScrollUp, 16, 4},
    {kCursorScrollDown, 16, 27}, {kCursorBack, 4, 16},     {kCursorForward, 27, 16},
};

} // namespace

QImage Bitmap(unsigned id, qreal scale) {
    return AtScale(kBitmapResource, id, scale, Qt::FastTransformation);
}

QPixmap TransparentBitmap(unsigned id, QColor key, qreal scale) {
    const Stored stored(kBitmapResource, id, scale);
    if (stored.plain.isNull()) return QPixmap();
    return TransparentAt(stored.Best(), key, stored.plain.size(), scale);
}

QImage Picture(unsigned id, qreal scale) {
    return AtScale(kImageResource, id, scale, Qt::SmoothTransformation);
}

QIcon Icon(unsigned id) {
    const QString path = Path("ICON", id) + ".svg";
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QCursor Cursor(unsigned id) {
    for (const HotSpot& spot : kHotSpots) {
        if (spot.id != id) continue;
        const QIcon picture(Path("CURSOR", id) + ".svg");
        return QCursor(picture.pixmap(32, 32), spot.x, spot.y);
    }
    return QCursor(Qt::ArrowCursor);
}

QPixmap NoteIcon(int index, qreal scale) {
    if (index < 0 || index >= kNoteIconCount) return QPixmap();
    const Stored stored(kBitmapResource, kBitmapNoteIcons, scale);
    if (stored.plain.isNull()) return QPixmap();
    // The strip is cut at the size it was made, then the image brought to the scale.
    const QImage& strip = stored.Best();
    const int side = strip.height();
    return TransparentAt(strip.copy(index * side, 0, side, side), QColor(255, 255, 255),
                         QSize(kNoteIconSize, kNoteIconSize), scale);
}

} // namespace resources
