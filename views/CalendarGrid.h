#pragma once
// CCalendarGrid: which days the calendar shows and which one is selected.
// A month shows 5 or 6 weeks from the week that holds its 1st, the weeks
// starting on Sunday or Monday as the user chose; a week always runs Monday
// to Sunday. The calendar moves through the years 2000 to 2099 only.

#include "zadad/OleDateTime.h"

class CCalendarGrid {
public:
    static constexpr int kColumns = 7;
    static constexpr int kMaxCells = 42;
    static constexpr int kFirstYear = 2000;
    static constexpr int kLastYear = 2099;

    // 5 rows, or 6 when the 29th and the last day of the month fall in
    // different weeks (so a February that starts on the first column has 6).
    static int MonthRows(int year, int month, bool weekStartsSunday);
    // The first day of the month grid: the first day of the week holding the 1st.
    static COleDateTime MonthFirstDay(int year, int month, bool weekStartsSunday);
    // The Monday of the week holding date, at 00:00.
    static COleDateTime WeekFirstDay(const COleDateTime& date);
    // The month n months on from the month of a grid that starts on first;
    // false when it lies outside 2000-2099.
    static bool MovedMonth(const COleDateTime& first, int n, int& year, int& month);

    // Lays out the month or the week. Without restoreSelected the selected
    // date stays selected when it is shown, else the first cell is; with it
    // the selection keeps its place in the grid and takes that cell's day.
    // False, with nothing changed, outside 2000-2099.
    bool SetMonth(int year, int month, bool weekStartsSunday, bool restoreSelected);
    bool SetWeek(const COleDateTime& date, bool restoreSelected);
    // n months or n weeks on, the selection kept when still shown; false
    // (nothing changed) past 2000-2099.
    bool Move(int n, bool weekStartsSunday);

    bool IsMonth() const { return m_bMonth; }
    // The shown month; in a week the month of the date it was laid out for.
    int Year() const { return m_nYear; }
    int Month() const { return m_nMonth; }
    void SetShownMonth(int year, int month);
    int Rows() const { return m_bMonth ? m_nRows : 1; }
    int CellCount() const { return m_bMonth ? m_nRows * kColumns : kColumns; }
    COleDateTime FirstDay() const { return m_dtFirst; }
    COleDateTime LastDay() const;
    // The day after the last shown one.
    COleDateTime EndDay() const;
    COleDateTime DayOf(int cell) const;
    // The cell that shows day, or -1.
    int CellOf(const COleDateTime& day) const;

    int SelectedCell() const { return m_nSelectedCell; }
    COleDateTime SelectedDate() const { return m_dtSelected; }
    // Selects a shown cell and its day; anything else is ignored.
    void SelectCell(int cell);
    // The date to select when nothing else says (today, at first).
    void SetSelectedDate(const COleDateTime& date);

private:
    void Select(bool restoreSelected);

    bool m_bMonth = true;
    int m_nYear = kFirstYear;
    int m_nMonth = 1;
    int m_nRows = 5;
    COleDateTime m_dtFirst;
    COleDateTime m_dtSelected;
    int m_nSelectedCell = -1;
};
