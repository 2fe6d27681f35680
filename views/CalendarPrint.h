#pragma once
// Printing the calendar: the print dialog, then one page in a job named
// "Orrindale": the shown month's name as a title over the grid as the pane
// draws it for a printer.

#include <QRect>

#include <functional>

class QPainter;
class QWidget;

class CCalendarPrint {
public:
    // Draws the grid into a rectangle of the page.
    using GridDrawer = std::function<void(QPainter& painter, const QRect& rect)>;

    // Asks for a printer over parent and prints the page for the month of
    // year and month. False when the dialog was cancelled, or when the job
    // could not be started or finished; the user is told of a failure.
    static bool Print(QWidget* parent, int year, int month, const GridDrawer& drawGrid);

    // The page on a painter that prints: the title "%B, %Y" centred at the
    // top of the area 0.8 inch inside the paper, then the grid in the rest
    // of that area below twice the title's height.
    static void DrawPage(QPainter& painter, int year, int month, const GridDrawer& drawGrid);

    // The name of every print job.
    static constexpr const char* kJobName = "Orrindale";
    static constexpr const char* kFailureText = "The calendar could not be printed.";
};
