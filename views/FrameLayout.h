#pragma once
// Where everything of the calendar window's painted frame goes, worked out
// from the client size and the measured sizes of its texts and controls:
// the outline with its step (a raised band on the left carrying the toolbar
// and the month title, a lowered one on the right carrying the category box
// and the check boxes), the decorative stripes, the inner page, the view
// area, the buttons, the caption to drag by and the almanac line along the
// bottom. Nothing here draws; the window paints and places from it.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

// Sizes measured in the window's fonts. Texts are never given fixed widths:
// the window grows its minimum width with them instead.
struct CFrameMeasures {
    int labelWidth = 0; // "Category" and a small gap
    int boxWidth = 0;   // the category box
    int boxHeight = 0;
    int checkWidth = 0;   // a check box with the wider of "History" and "Recurrence"
    int checkHeight = 0;  // one check box row
    int filterWidth = 0;  // " This Month "
    int stripHeight = 0;  // the bottom strip that holds the almanac line
    int titleWidth = 0;   // the widest month title
    int titleHeight = 0;  // a line of the month title's font
    int almanacWidth = 0; // the widest almanac line
};

struct CFrameLayout {
    static constexpr int kBorder = 10;
    // The raised band is this deep; the step drops the right part by kStep.
    static constexpr int kBandDepth = 37;
    static constexpr int kStep = 29;
    static constexpr int kStripeDepth = 24;
    static constexpr int kStripeCount = 3;
    static constexpr int kToolbarButtons = 11;
    static constexpr int kToolbarButtonSize = 32;
    static constexpr int kFrameButtonSize = 20;
    static constexpr int kFilterCount = 4;
    static constexpr int kFilterHeight = 30;
    // The drop-down mark: its rectangle right of the title text, and the triangle in it.
    static constexpr int kMarkWidth = 18;
    static constexpr int kMarkGap = 3;
    static constexpr int kMarkTriangleWidth = 14;
    static constexpr int kMarkTriangleHeight = 7;
    static constexpr int kMinimumHeight = 500;

    int step = 0; // x where the top edge steps down
    std::vector<QPoint> outline;
    std::array<std::array<QPoint, 4>, kStripeCount> stripes{};
    std::vector<QPoint> page;
    QRect view;
    QRect title;   // the month title, filled with the page colour
    QRect caption; // drag here to move the window
    QRect almanac;
    std::array<QRect, kToolbarButtons> toolbar{};
    QRect close;
    QRect maximize;
    QRect backYear; // the double arrows, and the single ones
    QRect back;
    QRect forward;
    QRect forwardYear;
    std::array<QRect, kFilterCount> filters{};
    QRect categoryLabel;
    QRect categoryBox;
    QRect history;
    QRect recurrence;
};

CFrameLayout LayOutFrame(QSize client, const CFrameMeasures& measures);

// The narrowest client width at which nothing overlaps and no text is cut.
int MinimumFrameWidth(const CFrameMeasures& measures);

// The month title's text, centred in the title rectangle, and its drop-down
// mark right after it.
QRect MonthTitleText(const QRect& title, int textWidth, int textHeight);
QRect DropMarkRect(const QRect& title, const QRect& text);
// The mark's triangle, pointing down: left, right, bottom tip.
std::array<QPoint, 3> DropMarkTriangle(const QRect& mark);
