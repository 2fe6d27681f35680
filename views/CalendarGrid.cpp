#include "views/CalendarGrid.h"

#include "zadad/Utility.h"

#include <cmath>

namespace {

constexpr int kMonthsPerYear = 12;

COleDateTime StartOfDay(COleDateTime date) {
    CUtility::GetStartOfDay(date);
    return date;
}

COleDateTime AddDays(const COleDateTime& date, int days) {
    return date + COleDateTimeSpan(static_cast<double>(days));
}

// Days from the first column of a Monday week: Monday 0 ... Sunday 6.
int DaysSinceMonday(const COleDateTime& date) {
    return (date.GetDayOfWeek() + 5) % 7;
}

bool IsShownYear(int year) {
    return year >= CCalendarGrid::kFirstYear && year <= CCalendarGrid::kLastYear;
}

} // namespace

int CCalendarGrid::MonthRows(int year, int month, bool weekStartsSunday) {
    const COleDateTime first(year, month, 1, 0, 0, 0);
    const COleDateTime last = CUtility::GetLastDayOfMonth(year, month);
    return CUtility::IsInSaveWeek(AddDays(first, 28), last, weekStartsSunday) ? 5 : 6;
}

COleDateTime CCalendarGrid::MonthFirstDay(int year, int month, bool weekStartsSunday) {
    const COleDateTime first(year, month, 1, 0, 0, 0);
    const int offset = weekStartsSunday ? first.GetDayOfWeek() - 1 : DaysSinceMonday(first);
    return AddDays(first, -offset);
}

COleDateTime CCalendarGrid::WeekFirstDay(const COleDateTime& date) {
    const COleDateTime day = StartOfDay(date);
    return AddDays(day, -DaysSinceMonday(day));
}

bool CCalendarGrid::MovedMonth(const COleDateTime& first, int n, int& year, int& month) {
    int y = first.GetYear();
    int m = first.GetMonth();
    // A grid that starts in the month before shows the month after its first day.
    if (first.GetDay() != 1 && ++m > kMonthsPerYear) {
        m = 1;
        ++y;
    }
    y += n / kMonthsPerYear;
    m += n % kMonthsPerYear;
    if (m < 1) {
        m += kMonthsPerYear;
        --y;
    } else if (m > kMonthsPerYear) {
        m -= kMonthsPerYear;
        ++y;
    }
    if (!IsShownYear(y)) return false;
    year = y;
    month = m;
    return true;
}

bool CCalendarGrid::SetMonth(int year, int month, bool weekStartsSunday, bool restoreSelected) {
    if (!IsShownYear(year) || month < 1 || month > kMonthsPerYear) return false;
    m_bMonth = true;
    m_nYear = year;
    m_nMonth = month;
    m_nRows = MonthRows(year, month, weekStartsSunday);
    m_dtFirst = MonthFirstDay(year, month, weekStartsSunday);
    Select(restoreSelected);
    return true;
}

bool CCalendarGrid::SetWeek(const COleDateTime& date, bool restoreSelected) {
    if (date.GetStatus() != COleDateTime::valid) return false;
    const COleDateTime first = WeekFirstDay(date);
    // A week at either end of the range still shows when one of its days is inside it.
    if (AddDays(first, kColumns - 1) < CUtility::MinDate || !(first < CUtility::MaxDate))
        return false;
    m_bMonth = false;
    m_nYear = date.GetYear();
    m_nMonth = date.GetMonth();
    m_dtFirst = first;
    Select(restoreSelected);
    return true;
}

bool CCalendarGrid::Move(int n, bool weekStartsSunday) {
    if (!m_bMonth) return SetWeek(AddDays(m_dtFirst, kColumns * n), false);
    int year = 0;
    int month = 0;
    return MovedMonth(m_dtFirst, n, year, month) && SetMonth(year, month, weekStartsSunday, false);
}

void CCalendarGrid::SetShownMonth(int year, int month) {
    m_nYear = year;
    m_nMonth = month;
}

COleDateTime CCalendarGrid::LastDay() const {
    return AddDays(m_dtFirst, CellCount() - 1);
}

COleDateTime CCalendarGrid::EndDay() const {
    return AddDays(m_dtFirst, CellCount());
}

COleDateTime CCalendarGrid::DayOf(int cell) const {
    return AddDays(m_dtFirst, cell);
}

int CCalendarGrid::CellOf(const COleDateTime& day) const {
    if (day.GetStatus() != COleDateTime::valid) return -1;
    const double offset = std::floor((StartOfDay(day) - m_dtFirst).GetTotalDays() + 0.5);
    return offset >= 0 && offset < CellCount() ? static_cast<int>(offset) : -1;
}

void CCalendarGrid::SelectCell(int cell) {
    if (cell < 0 || cell >= CellCount()) return;
    m_nSelectedCell = cell;
    m_dtSelected = DayOf(cell);
}

void CCalendarGrid::SetSelectedDate(const COleDateTime& date) {
    m_dtSelected = StartOfDay(date);
    m_nSelectedCell = CellOf(m_dtSelected);
}

void CCalendarGrid::Select(bool restoreSelected) {
    if (restoreSelected && m_nSelectedCell >= 0 && m_nSelectedCell < CellCount()) {
        m_dtSelected = DayOf(m_nSelectedCell);
        return;
    }
    const int cell = CellOf(m_dtSelected);
    SelectCell(cell >= 0 ? cell : 0);
}
