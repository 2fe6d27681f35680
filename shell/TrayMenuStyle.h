#pragma once
// The look of the tray menu: items as wide as "W" times the length of their
// text and at least 20 pixels high, the selected item filled with a deep blue
// and written in white inside a sunken frame, 3-D separator lines, 16 x 16
// icons 4 pixels from the left and the text 26 pixels from the left.

#include "zadad/WinTypes.h"

#include "views/DrawnMenuStyle.h"

class QFontMetrics;

class CTrayMenuStyle : public CDrawnMenuStyle {
    Q_OBJECT
public:
    static constexpr COLORREF kSelectedFill = RGB(75, 75, 192);
    static constexpr int kIconSize = 16;
    static constexpr int kIconLeft = 4;
    static constexpr int kTextLeft = 26;
    static constexpr int kSeparatorHeight = 5;
    static constexpr int kMinItemHeight = 20;
    // Room the menu keeps beside the measured text: the check-mark column
    // and, on items that open a submenu, the arrow.
    static constexpr int kCheckColumn = 16;
    static constexpr int kArrowColumn = 16;

    // The item measures for the menu font.
    static int ItemHeight(const QFontMetrics& metrics);
    static int ItemWidth(const QFontMetrics& metrics, const QString& text, bool submenu);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

protected:
    QSize ItemSize(const QStyleOptionMenuItem& item, const QSize& size) const override;
    void DrawItem(const QStyleOptionMenuItem& item, QPainter& painter) const override;
    void DrawSeparator(const QStyleOptionMenuItem& item, QPainter& painter) const override;
    void FillEmptyArea(const QStyleOption& option, QPainter& painter) const override;

private:
    static void DrawArrow(const QRect& item, const QColor& color, QPainter& painter);
};
