#include "views/DrawnMenuStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

CDrawnMenuStyle::CDrawnMenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QSize CDrawnMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                        const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    return ItemSize(*item, size);
}

void CDrawnMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuEmptyArea) {
        FillEmptyArea(*option, *painter);
        return;
    }
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        DrawSeparator(*item, *painter);
    else
        DrawItem(*item, *painter);
    painter->restore();
}
