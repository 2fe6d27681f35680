#pragma once
// Printing what the calendar shows: the month grid or the week grid on one
// page, black on white, under the title of its month, in a print job
// named "Orrindale".

class CalendarPane;
class QPainter;
class QPrinter;
class QRect;
class QWidget;

class CCalendarPrinter {
public:
    // The page's margin on every side, in inches.
    static constexpr double kMarginInches = 0.8;
    // The title's size, in tenths of a point.
    static constexpr int kTitleTenths = 120;

    // Asks which printer and prints; false when cancelled or when the
    // printer would not take the page.
    static bool Print(CalendarPane& pane, QWidget* parent);
    // Prints the page on a printer already chosen.
    static bool PrintTo(QPrinter& printer, CalendarPane& pane);
    // The page itself, inside area: the title centred at the top, the grid below.
    static void DrawPage(QPainter& painter, const QRect& area, CalendarPane& pane);
};
