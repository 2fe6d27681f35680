#include "agenda/AgendaRange.h"

#include "zadad/Utility.h"

#include <cmath>

namespace {

// Whole days from a to b, both at 00:00.
long DaysBetween(const COleDateTime& a, const COleDateTime& b) {
    return std::lround((b - a).GetTotalDays());
}

bool InCalendarYears(const COleDateTime& day) {
    return day >= CUtility::MinDate && day < CUtility::MaxDate;
}

std::string OutsideYears(const COleDateTime& day) {
    return day.Format("%Y-%m-%d") + " is outside the calendar's years, 2000-01-01 to 2099-12-31";
}

} // namespace

bool AgendaRangeOf(const CAgendaOptions& options, const COleDateTime& today, AgendaRange& range,
                   std::string& error) {
    COleDateTime first = options.from.value_or(today);
    CUtility::GetStartOfDay(first);
    if (!InCalendarYears(first)) {
        error = OutsideYears(first);
        return false;
    }
    long days = options.days > 0 ? options.days : kAgendaDefaultDays;
    if (options.to) {
        days = DaysBetween(first, *options.to) + 1;
        if (days < 1) {
            error = "--to " + options.to->Format("%Y-%m-%d") + " lies before --from " +
                    first.Format("%Y-%m-%d");
            return false;
        }
    }
    // The last day listed must lie in the calendar's years as well.
    const long daysLeft = DaysBetween(first, CUtility::MaxDate);
    if (days > daysLeft) {
        error = options.to ? OutsideYears(*options.to)
                           : "--days " + std::to_string(days) + " runs past 2099-12-31";
        return false;
    }
    range.first = first;
    range.days = static_cast<int>(days);
    return true;
}

bool AgendaPeriodOf(const CAgendaOptions& options, const COleDateTime& today, bool monthView,
                    AgendaPeriod& period, std::string& error) {
    if (options.month) {
        period = {true, *options.month};
    } else if (options.week) {
        period = {false, *options.week};
    } else {
        COleDateTime day = today;
        CUtility::GetStartOfDay(day);
        period = {monthView, day};
    }
    if (InCalendarYears(period.day)) return true;
    error = OutsideYears(period.day);
    return false;
}
