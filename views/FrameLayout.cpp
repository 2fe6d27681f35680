#include "views/FrameLayout.h"

#include <algorithm>

namespace {

constexpr int b = CFrameLayout::kBorder;
// The toolbar starts here; the caption begins a little after its last button.
constexpr QPoint kToolbarOrigin(b + 10, b + 3);
constexpr int kCaptionGap = 6;
constexpr int kCaptionHeight = 30;
// The caption keeps at least this much room on the raised band to drag by.
constexpr int kCaptionMinimum = 115;
// Room left of the close and maximize buttons, and where they sit.
constexpr int kCaptionRightGap = 60;
constexpr int kCloseOffset = 30;
constexpr int kMaximizeOffset = 54;
constexpr int kFrameButtonTop = b + 2;
// The second row: arrows and month title, at least this high and as high as
// a line of the title's font; the view begins a little below it.
constexpr int kRowTop = b + 43;
constexpr int kRowHeight = 31;
constexpr int kRowToView = 5;
constexpr int kViewInset = 6;
constexpr int kBackYearX = 2 * b + 15;
constexpr int kBackX = 2 * b + 45;
constexpr int kTitleLeft = 2 * b + 65;
constexpr int kForwardFromEnd = 45;
constexpr int kForwardYearFromEnd = 15;
constexpr int kTitleFromEnd = 50;
// The title area ends this far left of the step, so the last arrow clears it.
constexpr int kTitleEndToStep = 8;
// The title text keeps this much room on either side.
constexpr int kTitlePadding = 8;
constexpr QSize kSingleArrow(16, 30);
constexpr QSize kDoubleArrow(23, 29);
// Filter buttons stand this far above the view.
constexpr int kFilterRise = 32;
// The lowered band's contents start clear of the step's slope and end a
// little before the border.
constexpr int kStepClearance = 22;
constexpr int kRightMargin = 6;
constexpr int kCheckGap = 3;
constexpr int kStripeWidth = 10;
constexpr int kStripeClearance = 22;

int RowHeight(const CFrameMeasures& m) {
    return std::max(kRowHeight, m.titleHeight);
}

int ViewTop(const CFrameMeasures& m) {
    return kRowTop + RowHeight(m) + kRowToView;
}

// An arrow of the given size, centred in the second row.
QRect Arrow(int x, QSize size, const CFrameMeasures& m) {
    return QRect(QPoint(x, kRowTop + (RowHeight(m) - size.height()) / 2), size);
}

int ToolbarRight() {
    return kToolbarOrigin.x() + CFrameLayout::kToolbarButtons * CFrameLayout::kToolbarButtonSize;
}

int RightContentWidth(const CFrameMeasures& m) {
    return m.labelWidth + m.boxWidth + kCheckGap + m.checkWidth;
}

// Client width minus everything right of the step.
int StepFor(int width, const CFrameMeasures& m) {
    return width - b - kRightMargin - RightContentWidth(m) - kStepClearance;
}

std::vector<QPoint> Stepped(int left, int top, int right, int bottom, int step) {
    return {{left, top},
            {step, top},
            {step + CFrameLayout::kStep, top + CFrameLayout::kStep},
            {right, top + CFrameLayout::kStep},
            {right, bottom},
            {left, bottom}};
}

void LayOutBands(CFrameLayout& f, QSize client, const CFrameMeasures& m) {
    const int w = client.width();
    const int h = client.height();
    f.outline = Stepped(b, b, w - b, h - b, f.step);
    for (int k = 0; k < CFrameLayout::kStripeCount; ++k) {
        const int right = f.step - kStripeClearance + kStripeWidth - k * CFrameLayout::kStripeDepth;
        const int depth = CFrameLayout::kStripeDepth;
        f.stripes[static_cast<std::size_t>(k)] = {QPoint(right - kStripeWidth, b), QPoint(right, b),
                                                  QPoint(right + depth, b + depth),
                                                  QPoint(right - kStripeWidth + depth, b + depth)};
    }
    const int pageBottom = h - b - m.stripHeight;
    f.page = Stepped(2 * b, b + CFrameLayout::kBandDepth, w - 2 * b, pageBottom, f.step);
    // The view keeps the same margin to the page on the left, right and bottom.
    f.view = QRect(QPoint(2 * b + kViewInset, ViewTop(m)),
                   QPoint(w - 2 * b - kViewInset - 1, pageBottom - kViewInset - 1));
    f.almanac = QRect(QPoint(2 * b, pageBottom + 2), QPoint(w - 2 * b - 1, h - b - 1));
}

void LayOutTop(CFrameLayout& f, QSize client) {
    const int w = client.width();
    for (int i = 0; i < CFrameLayout::kToolbarButtons; ++i)
        f.toolbar[static_cast<std::size_t>(i)] =
            QRect(kToolbarOrigin + QPoint(i * CFrameLayout::kToolbarButtonSize, 0),
                  QSize(CFrameLayout::kToolbarButtonSize, CFrameLayout::kToolbarButtonSize));
    f.caption = QRect(QPoint(ToolbarRight() + kCaptionGap, b),
                      QPoint(w - b - kCaptionRightGap - 1, b + kCaptionHeight - 1));
    const QSize frameButton(CFrameLayout::kFrameButtonSize, CFrameLayout::kFrameButtonSize);
    f.close = QRect(QPoint(w - b - kCloseOffset, kFrameButtonTop), frameButton);
    f.maximize = QRect(QPoint(w - b - kMaximizeOffset, kFrameButtonTop), frameButton);
}

void LayOutSecondRow(CFrameLayout& f, const CFrameMeasures& m) {
    const int end = f.step - kTitleEndToStep;
    f.backYear = Arrow(kBackYearX, kDoubleArrow, m);
    f.back = Arrow(kBackX, kSingleArrow, m);
    f.forward = Arrow(end - kForwardFromEnd, kSingleArrow, m);
    f.forwardYear = Arrow(end - kForwardYearFromEnd, kDoubleArrow, m);
    f.title = QRect(QPoint(kTitleLeft, kRowTop),
                    QPoint(end - kTitleFromEnd - 1, kRowTop + RowHeight(m) - 1));
    const int filterTop = f.view.top() - kFilterRise;
    for (int i = 0; i < CFrameLayout::kFilterCount; ++i)
        f.filters[static_cast<std::size_t>(i)] = QRect(f.view.left() + i * m.filterWidth, filterTop,
                                                       m.filterWidth, CFrameLayout::kFilterHeight);
}

void LayOutLoweredBand(CFrameLayout& f, const CFrameMeasures& m) {
    const int top = b + CFrameLayout::kStep;
    const int middle = top + CFrameLayout::kBandDepth / 2;
    const int left = f.step + kStepClearance;
    f.categoryLabel = QRect(left, top, m.labelWidth, CFrameLayout::kBandDepth);
    f.categoryBox = QRect(left + m.labelWidth, middle - m.boxHeight / 2, m.boxWidth, m.boxHeight);
    const int checkLeft = f.categoryBox.right() + 1 + kCheckGap;
    f.history = QRect(checkLeft, middle - m.checkHeight, m.checkWidth, m.checkHeight);
    f.recurrence = QRect(checkLeft, middle, m.checkWidth, m.checkHeight);
}

} // namespace

CFrameLayout LayOutFrame(QSize client, const CFrameMeasures& measures) {
    CFrameLayout f;
    f.step = StepFor(client.width(), measures);
    LayOutBands(f, client, measures);
    LayOutTop(f, client);
    LayOutSecondRow(f, measures);
    LayOutLoweredBand(f, measures);
    return f;
}

int MinimumFrameWidth(const CFrameMeasures& m) {
    // The step must leave room, left of it, for the toolbar and some caption,
    // for the widest month title between the arrows, and for the filter buttons.
    const int forCaption = ToolbarRight() + kCaptionGap + kCaptionMinimum;
    // The title is centred with its mark on the right: room for the mark on both sides.
    const int forTitle = kTitleLeft + m.titleWidth +
                         2 * (CFrameLayout::kMarkWidth + kTitlePadding) + kTitleFromEnd +
                         kTitleEndToStep;
    const int forFilters =
        2 * b + kViewInset + CFrameLayout::kFilterCount * m.filterWidth + kTitleEndToStep;
    const int step = std::max({forCaption, forTitle, forFilters});
    const int byStep = step + kStepClearance + RightContentWidth(m) + kRightMargin + b;
    const int byAlmanac = 4 * b + m.almanacWidth;
    return std::max(byStep, byAlmanac);
}

QRect MonthTitleText(const QRect& title, int textWidth, int textHeight) {
    return QRect(title.left() + (title.width() - textWidth) / 2,
                 title.top() + (title.height() - textHeight) / 2, textWidth, textHeight);
}

QRect DropMarkRect(const QRect& title, const QRect& text) {
    return QRect(text.right() + 1, title.top(), CFrameLayout::kMarkWidth, title.height());
}

std::array<QPoint, 3> DropMarkTriangle(const QRect& mark) {
    const int left = mark.left() + CFrameLayout::kMarkGap;
    const int top = mark.top() + (mark.height() - CFrameLayout::kMarkTriangleHeight) / 2;
    return {QPoint(left, top), QPoint(left + CFrameLayout::kMarkTriangleWidth, top),
            QPoint(left + CFrameLayout::kMarkTriangleWidth / 2,
                   top + CFrameLayout::kMarkTriangleHeight)};
}
