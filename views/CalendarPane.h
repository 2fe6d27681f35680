#pragma once
// CalendarPane: the month grid (5 or 6 weeks under a row of weekday names)
// or the week grid (3 x 2 cells, Saturday over Sunday) of the calendar
// window. It asks the notes for one list per shown day, hands each to its
// day cell, keeps the selected day and note, moves through months and
// weeks, and tells the window which day is selected.

#include "views/NoteCommands.h"
#include "zadad/OleDateTime.h"

#include <QWidget>

class CCalendarActions;
class CCalendarData;
class QPainter;

class CalendarPane : public QWidget {
    Q_OBJECT
public:
    CalendarPane(CCalendarData& data, CCalendarActions& actions, QWidget* parent = nullptr);
    ~CalendarPane() override;

    // Week mode: the week (Monday to Sunday) that holds date.
    void SetDate(const COleDateTime& date, bool restoreSelected);
    // Month mode: the month, for years 2000 to 2099.
    void SetDate(int year, int month, bool restoreSelected);
    // n months (month mode) or n weeks (week mode) on; nothing past 2000-2099.
    void Move(int n);
    // Lays the shown period out again from the notes. With restoreSelected
    // the selection keeps its place in the grid (after an edit or a clone).
    void Refresh(bool restoreSelected);
    // Month (true) or week (false) mode; nothing when already in it.
    void SetMode(bool month);
    // The period that holds date.
    void GoToDate(const COleDateTime& date);

    bool IsMonthMode() const;
    // The month the window's title names: the shown month, or in week mode
    // the month of the date the week was laid out for.
    int ShownYear() const;
    int ShownMonth() const;
    COleDateTime FirstShownDay() const;
    COleDateTime SelectedDate() const;

    // The note commands of the toolbar and of the cells' menu.
    void OnCommand(int command);

    // Draws the grid (the weekday row in month mode, the cells, the lines)
    // into rect: on screen as shown, or for printing in black on white with
    // printer fonts and no icons.
    void DrawGrid(QPainter& painter, const QRect& rect, bool printing);

signals:
    // After every selection and every layout: the selected day at 00:00.
    void SelectedDateChanged(const COleDateTime& date);
    // The pane moved to another period by itself (an edge click, a click
    // in week mode that changes the month): the title is to be redrawn.
    void PeriodChanged();
};
