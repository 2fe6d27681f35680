#pragma once
// A menu look drawn by the program on top of Fusion: the derived style says
// how large an item is and draws the items, separators and the empty area;
// everything else is Fusion's.

#include <QProxyStyle>

class QStyleOptionMenuItem;

class CDrawnMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    CDrawnMenuStyle();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

protected:
    // size: the size Fusion's contents would have.
    virtual QSize ItemSize(const QStyleOptionMenuItem& item, const QSize& size) const = 0;
    virtual void DrawItem(const QStyleOptionMenuItem& item, QPainter& painter) const = 0;
    virtual void DrawSeparator(const QStyleOptionMenuItem& item, QPainter& painter) const = 0;
    // The part of the menu below its last item.
    virtual void FillEmptyArea(const QStyleOption& option, QPainter& painter) const = 0;
};
