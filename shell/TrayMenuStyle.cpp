#include "shell/TrayMenuStyle.h"

#include "zadad/QtTypes.h"
#include "zadad/SystemColors.h"

#include <QPainter>
#include <QPolygon>
#include <QStyleOptionMenuItem>

namespace {

// A frame one pixel wide: topLeft on the top and left edges, bottomRight on
// the others.
void Draw3dRect(QPainter& painter, const QRect& rect, const QColor& topLeft,
                const QColor& bottomRight) {
    painter.fillRect(rect.left(), rect.top(), rect.width() - 1, 1, topLeft);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height() - 1, topLeft);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
}

QString ItemText(const QStyleOptionMenuItem& item) {
    QString text = item.text;
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0) text.truncate(tab);
    return text;
}

} // namespace

int CTrayMenuStyle::ItemHeight(const QFontMetrics& metrics) {
    // The menu bar of the desktop is the font's height and six pixels; the
    // item is one less, but never below 20.
    const int menuItem = metrics.height() + 6 - 1;
    return menuItem > kMinItemHeight ? menuItem : kMinItemHeight;
}

int CTrayMenuStyle::ItemWidth(const QFontMetrics& metrics, const QString& text, bool submenu) {
    const int measured =
        metrics.horizontalAdvance(QLatin1Char('W')) * static_cast<int>(text.size());
    return kCheckColumn + measured + (submenu ? kArrowColumn : 0);
}

int CTrayMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (metric) {
    case PM_SmallIconSize:
        return kIconSize;
    case PM_MenuPanelWidth:
        return 2;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize CTrayMenuStyle::ItemSize(const QStyleOptionMenuItem& item, const QSize& size) const {
    if (item.menuItemType == QStyleOptionMenuItem::Separator)
        return {size.width(), kSeparatorHeight};
    const QFontMetrics metrics(item.font);
    const bool submenu = item.menuItemType == QStyleOptionMenuItem::SubMenu;
    return {ItemWidth(metrics, ItemText(item), submenu), ItemHeight(metrics)};
}

void CTrayMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element != PE_PanelMenu && element != PE_FrameMenu) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A raised panel in the menu colour.
    const QRect rect = option->rect;
    if (element == PE_PanelMenu) painter->fillRect(rect, option->palette.color(QPalette::Window));
    Draw3dRect(*painter, rect, systemcolors::ButtonHighlight(), systemcolors::DarkShadow());
    Draw3dRect(*painter, rect.adjusted(1, 1, -1, -1), option->palette.color(QPalette::Window),
               systemcolors::ButtonShadow());
}

void CTrayMenuStyle::FillEmptyArea(const QStyleOption& option, QPainter& painter) const {
    painter.fillRect(option.rect, option.palette.color(QPalette::Window));
}

void CTrayMenuStyle::DrawSeparator(const QStyleOptionMenuItem& item, QPainter& painter) const {
    const QRect rect = item.rect;
    painter.fillRect(rect, item.palette.color(QPalette::Window));
    // Two pixels across the middle: shadow above, highlight below.
    const QRect line(rect.left(), rect.top() + rect.height() / 2 - 1, rect.width(), 2);
    Draw3dRect(painter, line, systemcolors::ButtonShadow(), systemcolors::ButtonHighlight());
}

void CTrayMenuStyle::DrawItem(const QStyleOptionMenuItem& item, QPainter& painter) const {
    const QRect rect = item.rect;
    const bool selected = (item.state & State_Selected) && (item.state & State_Enabled);
    const bool enabled = item.state & State_Enabled;
    const QColor fill = selected ? ToQColor(kSelectedFill) : item.palette.color(QPalette::Window);
    const QColor text = selected  ? QColor(Qt::white)
                        : enabled ? item.palette.color(QPalette::WindowText)
                                  : item.palette.color(QPalette::Disabled, QPalette::WindowText);
    painter.fillRect(rect, fill);
    if (!item.icon.isNull()) {
        const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
        const QPixmap pixmap = item.icon.pixmap(QSize(kIconSize, kIconSize), mode);
        const int top = rect.top() + (rect.height() - kIconSize) / 2;
        painter.drawPixmap(QRect(rect.left() + kIconLeft, top, kIconSize, kIconSize), pixmap);
    }
    painter.setFont(item.font);
    painter.setPen(text);
    const QRect textRect = rect.adjusted(kTextLeft, 0, 0, 0);
    painter.drawText(textRect,
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     ItemText(item));
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu) DrawArrow(rect, text, painter);
    if (selected)
        Draw3dRect(painter, rect, systemcolors::ButtonShadow(), systemcolors::ButtonHighlight());
}

void CTrayMenuStyle::DrawArrow(const QRect& item, const QColor& color, QPainter& painter) {
    // A small solid triangle pointing right, centred in the arrow column.
    const int x = item.right() - kArrowColumn / 2 - 2;
    const int y = item.top() + item.height() / 2;
    const QPolygon arrow({QPoint(x, y - 4), QPoint(x + 4, y), QPoint(x, y + 4)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawPolygon(arrow);
}
