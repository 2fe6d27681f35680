#include "reminders/NoteMenuStyle.h"

#include "reminders/NotePainter.h"
#include "zadad/QtTypes.h"
#include "zadad/SystemColors.h"
#include "zadad/Utility.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {

// The items are measured on this text, whatever they say.
const QString kMeasureText = QStringLiteral("Countdown FORMATAAA").left(18);
// The desktop's menu bar: the font's height and six pixels, at least 19.
constexpr int kMinMenuBarHeight = 19;

} // namespace

void CNoteMenuStyle::SetColors(COLORREF title, COLORREF body) {
    m_crTitle = title;
    m_crBody = body;
}

int CNoteMenuStyle::ItemWidth(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(kMeasureText);
}

int CNoteMenuStyle::ItemHeight(const QFontMetrics& metrics) {
    return std::max(metrics.height() + 6, kMinMenuBarHeight) + 1;
}

int CNoteMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (metric) {
    case PM_MenuPanelWidth:
        return 2;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize CNoteMenuStyle::ItemSize(const QStyleOptionMenuItem& item, const QSize&) const {
    const QFontMetrics metrics(item.font);
    if (item.menuItemType == QStyleOptionMenuItem::Separator)
        return {ItemWidth(metrics), kSeparatorHeight};
    return {ItemWidth(metrics), ItemHeight(metrics)};
}

void CNoteMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element != PE_PanelMenu && element != PE_FrameMenu) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (element == PE_PanelMenu) painter->fillRect(option->rect, ToQColor(m_crBody));
    CUtility::Draw3dRect(painter, ToRect(option->rect), 1);
}

void CNoteMenuStyle::FillEmptyArea(const QStyleOption& option, QPainter& painter) const {
    painter.fillRect(option.rect, ToQColor(m_crBody));
}

void CNoteMenuStyle::DrawSeparator(const QStyleOptionMenuItem& item, QPainter& painter) const {
    const QRect rect = item.rect;
    painter.fillRect(rect, ToQColor(m_crBody));
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, systemcolors::ButtonShadow());
    painter.fillRect(rect.left(), rect.top() + 1, rect.width(), 1, systemcolors::ButtonHighlight());
}

void CNoteMenuStyle::DrawItem(const QStyleOptionMenuItem& item, QPainter& painter) const {
    const bool enabled = item.state & State_Enabled;
    const bool selected = enabled && (item.state & State_Selected);
    QColor text = item.palette.color(QPalette::WindowText);
    if (selected) {
        painter.fillRect(item.rect, ToQColor(m_crTitle));
        CUtility::Draw3dRect(&painter, ToRect(item.rect), 1);
        text = Qt::white;
    } else {
        painter.fillRect(item.rect, ToQColor(m_crBody));
        if (!enabled) text = item.palette.color(QPalette::Disabled, QPalette::WindowText);
        text = systemcolors::ReadableOn(text, m_crBody);
    }
    painter.setFont(item.font);
    painter.setPen(text);
    const QRect textRect = item.rect.adjusted(kTextLeft, 0, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, item.text);
}
