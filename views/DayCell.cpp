#include "views/DayCell.h"

#include "res/Resources.h"
#include "views/GridGeometry.h"
#include "zadad/QtTypes.h"
#include "zadad/SystemColors.h"
#include "zadad/Utility.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>
#include <QTextLayout>

#include <cmath>

namespace {

// Blue: holiday items and the selected item.
constexpr COLORREF kItemBlue = 0x00FF0000;
constexpr COLORREF kPrintOtherMonth = 0x00F5F5F5;
// Luminance steps of the heading band: the selected cell darker, today lighter.
constexpr int kSelectedBandLuma = -100;
constexpr int kTodayBandLuma = 400;
// Room around the heading text, between the icon and the text, and below each item.
constexpr int kHeadingPad = 3;
constexpr int kItemPad = 2;
constexpr int kIconGap = 3;
constexpr int kItemGap = 2;
// The marks of a cell with more notes than it shows.
constexpr int kMarkWidth = 8;
constexpr int kMarkHeight = 4;

int LineHeight(const QFont& font, const QPaintDevice* device) {
    return static_cast<int>(std::ceil(QFontMetricsF(font, device).height()));
}

QTextOption WrapOption() {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    // Words wrap; a word longer than the line breaks rather than running out of the cell.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// The text laid out in lines of width; returns the height it needs.
int LayOutText(QTextLayout& layout, int width) {
    layout.setTextOption(WrapOption());
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return static_cast<int>(std::ceil(height));
}

int IconSpace(const CCellLook& look) {
    return look.bPrinting ? 0 : resources::kNoteIconSize + kIconGap;
}

// Screen pixels in the look's device pixels.
int Px(int pixels, const CCellLook& look) {
    return pixels * look.nScale;
}

// Draws the lines of text that fit whole in height; a line that would be
// cut shows nothing rather than a sliver.
void DrawWholeLines(QPainter& painter, const QTextLayout& text, QPointF at, int height) {
    for (int i = 0; i < text.lineCount(); ++i) {
        const QTextLine line = text.lineAt(i);
        if (line.y() + line.height() > height) break;
        line.draw(&painter, at);
    }
}

QColor Background(const CCellLook& look, const COleDateTime& day) {
    const bool otherMonth = look.bMonthGrid && day.GetMonth() != look.nShownMonth;
    if (look.bPrinting) return otherMonth ? ToQColor(kPrintOtherMonth) : QColor(Qt::white);
    return ToQColor(otherMonth ? look.colors.toolbar : look.colors.page);
}

QColor TextColor(const CCellLook& look) {
    // The user's colour, unless it vanishes on the page (a dark desktop's light text).
    return look.bPrinting ? QColor(Qt::black)
                          : systemcolors::ReadableOn(ToQColor(look.colors.text), look.colors.page);
}

} // namespace

void CDayCell::Reset(const COleDateTime& day) {
    m_dtDay = day;
    m_nMoonPhase = -1;
    m_items.clear();
    m_nFirst = 0;
    m_bLaidOut = false;
}

void CDayCell::SetItems(std::vector<CDayCellItem> items, Describer describe) {
    m_items = std::move(items);
    m_describe = std::move(describe);
    m_nFirst = 0;
    m_bLaidOut = false;
}

const CDayCellItem& CDayCell::Item(int index) const {
    CDayCellItem& item = m_items.at(static_cast<std::size_t>(index));
    if (!item.bDescribed && m_describe) m_describe(item);
    return item;
}

CDayCell::Frame CDayCell::Arrange(const QRect& rect, const CCellLook& look,
                                  const QPaintDevice* device) const {
    Frame frame;
    frame.rect = rect;
    const int band = std::min(LineHeight(look.headingFont, device) + Px(2, look), rect.height());
    const int pad = Px(kItemPad, look);
    frame.heading = QRect(rect.left(), rect.top(), rect.width(), band);
    frame.itemArea =
        QRect(rect.left() + pad, rect.top() + band + Px(1, look),
              std::max(rect.width() - 2 * pad, 0), std::max(rect.height() - band - Px(2, look), 0));
    const int iconHeight = look.bPrinting ? 0 : resources::kNoteIconSize;
    const int textWidth = frame.itemArea.width() - IconSpace(look);
    frame.texts.resize(m_items.size());
    frame.placed =
        PlaceItems(ToRect(frame.itemArea), static_cast<int>(m_items.size()), m_nFirst, [&](int i) {
            auto& text = frame.texts[static_cast<std::size_t>(i)];
            text = std::make_unique<QTextLayout>(QString::fromStdString(Item(i).strText),
                                                 look.itemFont, device);
            return std::max(LayOutText(*text, textWidth), iconHeight) + Px(kItemGap, look);
        });
    return frame;
}

void CDayCell::LayOut(const QRect& rect, const CCellLook& look) {
    m_frame = Arrange(rect, look, nullptr);
    m_bLaidOut = true;
}

void CDayCell::Draw(QPainter& painter, const CCellLook& look, bool selected,
                    int selectedItem) const {
    Paint(painter, m_frame, look, selected, selectedItem);
}

void CDayCell::DrawInto(QPainter& painter, const QRect& rect, const CCellLook& look, bool selected,
                        int selectedItem) const {
    Paint(painter, Arrange(rect, look, painter.device()), look, selected, selectedItem);
}

void CDayCell::Paint(QPainter& painter, const Frame& frame, const CCellLook& look, bool selected,
                     int selectedItem) const {
    if (frame.rect.isEmpty()) return;
    painter.save();
    painter.setClipRect(frame.rect);
    painter.fillRect(frame.rect, Background(look, m_dtDay));
    PaintHeading(painter, frame, look, selected);
    // Only the selected cell shows its selected item.
    PaintItems(painter, frame, look, selected ? selectedItem : -1);
    PaintMoreMarks(painter, frame, TextColor(look), look.nScale);
    painter.restore();
}

void CDayCell::PaintHeading(QPainter& painter, const Frame& frame, const CCellLook& look,
                            bool selected) const {
    const bool today = CUtility::IsSameDate(m_dtDay, look.today) != 0;
    QColor textColor = TextColor(look);
    if (!look.bPrinting && (today || selected)) {
        const COLORREF band = ColorAdjustLuma(look.colors.windowTexture,
                                              selected ? kSelectedBandLuma : kTodayBandLuma, 1);
        painter.fillRect(frame.heading, ToQColor(band));
        // The band's colour comes from the user's texture: the text takes whatever reads on it.
        textColor = ToQColor(CUtility::GetReverseColor(band));
    }
    const bool moon = m_nMoonPhase >= 0 && frame.rect.height() > 2 * frame.heading.height();
    const int pad = Px(kHeadingPad, look);
    const QRect text =
        frame.heading.adjusted(pad, 0, -pad - (moon ? frame.heading.height() : 0), 0);
    const QFontMetricsF metrics(look.headingFont, painter.device());
    const std::vector<std::string> headings =
        CellHeadings(m_dtDay, look.bMonthGrid, today, look.bPrinting);
    const std::size_t fit =
        FirstThatFits(headings, text.width(), [&](const std::string& candidate) {
            return static_cast<int>(
                std::ceil(metrics.horizontalAdvance(QString::fromStdString(candidate))));
        });
    painter.setFont(look.headingFont);
    painter.setPen(textColor);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromStdString(headings[fit]));
    if (moon) PaintMoon(painter, frame.heading, textColor, look.nScale);
}

// New moon a dark disc, full moon an open circle, the quarters half dark:
// the first quarter on the left, the last on the right.
void CDayCell::PaintMoon(QPainter& painter, const QRect& heading, const QColor& color,
                         int scale) const {
    const int diameter = (heading.height() - 2 * scale) & ~1;
    if (diameter < 4) return;
    const qreal pen = scale;
    const QRectF disc(heading.right() - kHeadingPad * scale - diameter + pen / 2,
                      heading.top() + scale + pen / 2, diameter - pen, diameter - pen);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
    painter.setBrush(color);
    switch (m_nMoonPhase) {
    case 0:
        painter.drawEllipse(disc);
        break;
    case 1:
        painter.drawPie(disc, 90 * 16, 180 * 16);
        break;
    case 3:
        painter.drawPie(disc, -90 * 16, 180 * 16);
        break;
    default:
        break;
    }
    painter.restore();
}

void CDayCell::PaintItems(QPainter& painter, const Frame& frame, const CCellLook& look,
                          int selectedItem) const {
    const CItemPlacement& placed = frame.placed;
    const int iconSpace = IconSpace(look);
    for (int i = placed.nFirst; i <= placed.nLast && i < static_cast<int>(m_items.size()); ++i) {
        const QRect visible = ToQRect(placed.rects[i]);
        const QTextLayout* text = frame.texts[static_cast<std::size_t>(i)].get();
        if (visible.isEmpty() || !text) break;
        const CDayCellItem& item = Item(i);
        const bool isSelected = i == selectedItem && !look.bPrinting;
        painter.save();
        painter.setClipRect(visible.intersected(frame.itemArea), Qt::IntersectClip);
        if (isSelected)
            painter.fillRect(visible.adjusted(-1, 0, 1, -Px(kItemGap, look)), look.highlight);
        if (!look.bPrinting && look.icons && item.nIcon >= 0 &&
            item.nIcon < resources::kNoteIconCount)
            painter.drawPixmap(visible.topLeft(), look.icons[item.nIcon]);
        QColor color = TextColor(look);
        if (!look.bPrinting && (item.bHoliday || isSelected)) color = ToQColor(kItemBlue);
        painter.setPen(color);
        DrawWholeLines(painter, *text, QPointF(visible.left() + iconSpace, visible.top()),
                       visible.height());
        painter.restore();
    }
}

// Small triangles at the right of the item area: notes above the first shown
// one, and notes or text below what the cell shows.
void CDayCell::PaintMoreMarks(QPainter& painter, const Frame& frame, const QColor& color,
                              int scale) {
    const CItemPlacement& placed = frame.placed;
    if (!placed.CanScrollUp() && !placed.bMoreBelow) return;
    const int width = kMarkWidth * scale;
    const int height = kMarkHeight * scale;
    const int left = frame.itemArea.right() - width;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    if (placed.CanScrollUp()) {
        const int top = frame.itemArea.top() + scale;
        painter.drawPolygon(QPolygon{QPoint(left, top + height), QPoint(left + width, top + height),
                                     QPoint(left + width / 2, top)});
    }
    if (placed.bMoreBelow) {
        const int bottom = frame.itemArea.bottom() - scale;
        painter.drawPolygon(QPolygon{QPoint(left, bottom - height),
                                     QPoint(left + width, bottom - height),
                                     QPoint(left + width / 2, bottom)});
    }
    painter.restore();
}

int CDayCell::ItemAt(const QPoint& point) const {
    if (!m_bLaidOut || !m_frame.itemArea.contains(point)) return -1;
    const CItemPlacement& placed = m_frame.placed;
    for (int i = placed.nFirst; i <= placed.nLast && i < static_cast<int>(placed.rects.size());
         ++i) {
        if (ToQRect(placed.rects[i]).contains(point)) return i;
    }
    return -1;
}

bool CDayCell::IsCutOff(int item) const {
    const CItemPlacement& placed = m_frame.placed;
    return item >= 0 && item < static_cast<int>(placed.cutOff.size()) && placed.cutOff[item];
}

bool CDayCell::Scroll(int n) {
    const int first = ScrolledFirst(m_nFirst, n, static_cast<int>(m_items.size()));
    if (first == m_nFirst) return false;
    m_nFirst = first;
    m_bLaidOut = false;
    return true;
}
