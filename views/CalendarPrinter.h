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
    static constexpr float kMarginInches = 0.8f;
    // The title's size, in tenths of a point.
    static constexpr int kTitleTenths = 120;
    static constexpr const char* kJobName = "Orrindale";
    // What the user is told when the printer did not print the page.
    static constexpr const char* kFailureText = "The calendar could not be printed.";

    // Asks which printer and prints; false when cancelled or when the
    // printer would not take the page.
    static bool Print(CalendarPane& pane, QWidget* parent);
    // Prints the page on a printer already chosen. False when the job could
    // not be started or the page not finished: the job is then aborted and
    // the user told, so that nobody waits for a page that never comes.
    static bool PrintTo(QPrinter& printer, CalendarPane& pane);
    // The page itself, inside area: the title centred at the top, the grid
    // below it from twice the title's height down.
    static void DrawPage(QPainter& painter, const QRect& area, CalendarPane& pane);
};
