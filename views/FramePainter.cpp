#include "views/FramePainter.h"

#include "almanac/AlmanacLine.h"
#include "res/Resources.h"
#include "res/StringTable.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

constexpr int kCategoryLabel = 114; // "Category"
constexpr int kHistoryLabel = 32783;
constexpr int kRecurrenceLabel = 105;
constexpr int kTitlePoints = 18;
constexpr int kCheckLabelGap = 4;
// Grip dots: spacing and how many rows.
constexpr int kDotStep = 4;
constexpr int kGripRows = 3;

QPolygon ToPolygon(const std::vector<QPoint>& points) {
    return QPolygon(QList<QPoint>(points.begin(), points.end()));
}

QPainterPath PathOf(const QPolygon& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

void Tile(QPainter& p, const QRect& area, const CPicture* texture, COLORREF fallback) {
    // A texture that cannot be drawn still leaves a surface of its colour.
    p.fillRect(area, ToQColor(fallback));
    CUtility::TileTexture(&p, ToRect(area), texture, nullptr);
}

// Light from the top left: an edge whose outside faces up or left is lit,
// one facing down or right shaded; a 45-degree edge facing up-right or
// down-left catches neither.
enum class Light { Lit, Shaded, Grazing };

Light LightOf(QPoint from, QPoint to) {
    // The outside of an edge of a clockwise polygon lies to its left (y down).
    const int nx = to.y() - from.y();
    const int ny = from.x() - to.x();
    const int sum = nx + ny;
    if (sum < 0) return Light::Lit;
    if (sum > 0) return Light::Shaded;
    return Light::Grazing;
}

QColor EdgeColor(Light light, bool sunken, int strength) {
    if (light == Light::Grazing) return QColor(0, 0, 0, strength / 3);
    const bool bright = (light == Light::Lit) != sunken;
    return bright ? QColor(255, 255, 255, strength) : QColor(0, 0, 0, strength);
}

// Bevelled edges just inside a clockwise polygon: two pixels, the outer one
// stronger. Sunken shapes are lit from the other side.
void BevelInside(QPainter& p, const QPolygon& polygon, bool sunken, bool skipTop = false) {
    p.save();
    p.setClipPath(PathOf(polygon), Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const auto& [width, strength] : {std::pair{4, 70}, std::pair{2, 150}}) {
        for (int i = 0; i < polygon.size(); ++i) {
            const QPoint from = polygon[i];
            const QPoint to = polygon[(i + 1) % polygon.size()];
            if (skipTop && from.y() == to.y() && from.y() == polygon.boundingRect().top()) continue;
            p.setPen(QPen(EdgeColor(LightOf(from, to), sunken, strength), width));
            p.drawLine(from, to);
        }
    }
    p.restore();
}

// A soft shadow that the raised band casts down and to the right.
void DropShadow(QPainter& p, const QPolygon& outline) {
    p.save();
    const QRegion outside =
        QRegion(0, 0, p.device()->width(), p.device()->height()) - QRegion(outline);
    p.setClipRegion(outside);
    for (int offset = 1; offset <= 3; ++offset) {
        p.setPen(QPen(QColor(0, 0, 0, 90 - 25 * offset), 1));
        p.drawPolygon(outline.translated(offset, offset));
    }
    p.restore();
}

void PaintBand(QPainter& p, const CFrameLayout& layout, const CFrameLook& look, QSize size) {
    const QPolygon outline = ToPolygon(layout.outline);
    DropShadow(p, outline);
    p.save();
    p.setClipPath(PathOf(outline));
    Tile(p, QRect(QPoint(0, 0), size), look.toolbarTexture, look.page);
    // A sheen from above gives the flat texture some depth.
    QLinearGradient sheen(0, CFrameLayout::kBorder, 0,
                          CFrameLayout::kBorder + CFrameLayout::kBandDepth);
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(QPoint(0, 0), size), sheen);
    p.restore();
    BevelInside(p, outline, false);
}

void PaintStripes(QPainter& p, const CFrameLayout& layout, const CFrameLook& look, QSize size) {
    for (const auto& stripe : layout.stripes) {
        const QPolygon polygon(QList<QPoint>(stripe.begin(), stripe.end()));
        p.save();
        p.setClipPath(PathOf(polygon));
        Tile(p, QRect(QPoint(0, 0), size), look.windowTexture, look.page);
        p.restore();
        BevelInside(p, polygon, true, true);
    }
}

void PaintPage(QPainter& p, const CFrameLayout& layout, const CFrameLook& look) {
    const QPolygon page = ToPolygon(layout.page);
    p.save();
    p.setClipPath(PathOf(page));
    const QRect box = page.boundingRect();
    // The page's head, behind the arrows and the title, fades into the page.
    const COLORREF head = ColorAdjustLuma(look.page, -60, 1);
    CUtility::FillGradientRect(&p, box.left(), box.top(), box.right() + 1, layout.view.top(), head,
                               look.page, 1);
    p.fillRect(QRect(QPoint(box.left(), layout.view.top()), box.bottomRight()),
               ToQColor(look.page));
    p.restore();
    BevelInside(p, page, true);
}

// Dots to take hold of: a few rows on the caption, and a corner of raised
// dots where the window is resized (not while it fills the screen).
void PaintGrips(QPainter& p, const CFrameLayout& layout, QSize size, bool resizable) {
    const QRect& caption = layout.caption;
    const int gripTop = caption.center().y() - kDotStep;
    const int gripRight = std::min(layout.stripes.back()[0].x() - 2 * kDotStep, caption.right());
    for (int row = 0; row < kGripRows; ++row)
        for (int x = caption.left() + 2 * kDotStep; x < gripRight; x += kDotStep)
            CUtility::DrawInDot(&p, QPoint(x + (row % 2) * kDotStep / 2, gripTop + row * kDotStep));
    if (!resizable) return;
    const QPoint corner(size.width() - CFrameLayout::kBorder - 4,
                        size.height() - CFrameLayout::kBorder - 4);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col <= row; ++col)
            CUtility::DrawOutDot(&p, corner - QPoint(col * kDotStep, (3 - row) * kDotStep));
}

void PaintLabel(QPainter& p, const QRect& rect, int id, int flags) {
    p.drawText(rect, flags | Qt::AlignVCenter | Qt::TextSingleLine,
               QString::fromStdString(LoadString(id)));
}

void PaintLabels(QPainter& p, const CFrameLayout& layout, const CFrameLook& look) {
    p.setFont(look.labelFont);
    p.setPen(ToQColor(look.frameText));
    PaintLabel(p, layout.categoryLabel, kCategoryLabel, Qt::AlignLeft);
    const int skip = look.checkIndicatorWidth + kCheckLabelGap;
    PaintLabel(p, layout.history.adjusted(skip, 0, 0, 0), kHistoryLabel, Qt::AlignLeft);
    PaintLabel(p, layout.recurrence.adjusted(skip, 0, 0, 0), kRecurrenceLabel, Qt::AlignLeft);
}

} // namespace

QFont CFramePainter::TitleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(kTitlePoints);
    return font;
}

QImage CFramePainter::PaintFrame(QSize size, const CFrameLayout& layout, const CFrameLook& look) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    Tile(p, image.rect(), look.windowTexture, look.page);
    PaintBand(p, layout, look, size);
    PaintStripes(p, layout, look, size);
    PaintPage(p, layout, look);
    PaintGrips(p, layout, size, look.resizable);
    // The window's own edge: raised, and a dark line against the desktop.
    CUtility::DrawLumaRect(&p, RECT{1, 1, size.width() - 1, size.height() - 1}, 1, 3, 128);
    p.setPen(QColor(40, 40, 50));
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    PaintLabels(p, layout, look);
    return image;
}

CMonthTitleGeometry CFramePainter::MonthTitleGeometry(const QRect& title, const QString& text) {
    const QFontMetrics metrics(TitleFont());
    const QRect textRect = MonthTitleText(title, metrics.horizontalAdvance(text), metrics.height());
    return {textRect, DropMarkRect(title, textRect)};
}

void CFramePainter::PaintMonthTitle(QPainter& painter, const QRect& title, const QString& text,
                                    COLORREF page, COLORREF textColor) {
    painter.fillRect(title, ToQColor(page));
    if (text.isEmpty()) return;
    const CMonthTitleGeometry geometry = MonthTitleGeometry(title, text);
    painter.setFont(TitleFont());
    painter.setPen(ToQColor(textColor));
    painter.drawText(geometry.text, Qt::AlignCenter | Qt::TextSingleLine, text);
    const auto triangle = DropMarkTriangle(geometry.mark);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle.data(), static_cast<int>(triangle.size()));
    painter.restore();
}

CAlmanacLayout CFramePainter::AlmanacGeometry(const QRect& rect, const AlmanacLine& line,
                                              bool showSun, const QFont& font) {
    const QFontMetrics metrics(font);
    const auto width = [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    const bool sun = showSun && !line.sunrise.empty() && !line.sunset.empty();
    return LayOutAlmanac(rect, width(line.dayAndWeek), width(line.sunrise), width(line.sunset),
                         sun);
}

void CFramePainter::PaintAlmanac(QPainter& painter, const QRect& rect, const AlmanacLine& line,
                                 bool showSun, const CFrameLook& look) {
    const CAlmanacLayout layout = AlmanacGeometry(rect, line, showSun, look.labelFont);
    painter.setFont(look.labelFont);
    painter.setPen(ToQColor(look.frameText));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(layout.text, flags, QString::fromStdString(line.dayAndWeek));
    if (!layout.showSun) return;
    const QColor key(0, 255, 0);
    const qreal scale = painter.device()->devicePixelRatioF();
    painter.drawPixmap(layout.sunrisePicture,
                       resources::TransparentBitmap(resources::kBitmapSunrise, key, scale));
    painter.drawText(layout.sunrise, flags, QString::fromStdString(line.sunrise));
    painter.drawPixmap(layout.sunsetPicture,
                       resources::TransparentBitmap(resources::kBitmapSunset, key, scale));
    painter.drawText(layout.sunset, flags, QString::fromStdString(line.sunset));
}
