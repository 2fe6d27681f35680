#include "res/Resources.h"

#include "zadad/ResourcePath.h"

#include <QBitmap>
#include <QFile>
#include <QIcon>

namespace resources {

namespace {

QString Path(const char* type, unsigned id) {
    return QString::fromStdString(ResourcePath(type, id));
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

QImage Bitmap(unsigned id) {
    return QImage(Path(kBitmapResource, id));
}

QPixmap TransparentBitmap(unsigned id, QColor key) {
    const QImage image = Bitmap(id);
    if (image.isNull()) return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
    return pixmap;
}

QImage Picture(unsigned id) {
    return QImage(Path(kImageResource, id));
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

QPixmap NoteIcon(int index) {
    if (index < 0 || index >= kNoteIconCount) return QPixmap();
    const QImage strip = Bitmap(kBitmapNoteIcons);
    if (strip.isNull()) return QPixmap();
    const QImage one = strip.copy(index * kNoteIconSize, 0, kNoteIconSize, kNoteIconSize);
    QPixmap pixmap = QPixmap::fromImage(one);
    pixmap.setMask(
        QBitmap::fromImage(one.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
    return pixmap;
}

} // namespace resources
