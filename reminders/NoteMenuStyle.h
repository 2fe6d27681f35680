#pragma once
// The look of a note window's menu: every item as wide as the first 18
// characters of "Countdown FORMATAAA" and one pixel higher than the menu bar,
// 2-pixel separators, the highlighted item filled with the title colour and
// written in white inside a raised edge, the others on the body colour, the
// text 13 pixels in.

#include "zadad/WinTypes.h"

#include "views/DrawnMenuStyle.h"

class QFontMetrics;

class CNoteMenuStyle : public CDrawnMenuStyle {
    Q_OBJECT
public:
    static constexpr int kTextLeft = 13;
    static constexpr int kSeparatorHeight = 2;

    void SetColors(COLORREF title, COLORREF body);

    static int ItemWidth(const QFontMetrics& metrics);
    static int ItemHeight(const QFontMetrics& metrics);

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
    COLORREF m_crTitle = 0;
    COLORREF m_crBody = 0;
};
