#pragma once
// Which days orrindale-agenda lists, and which month or week it prints.
// Both stay within the calendar's years, 2000 to 2099.

#include "agenda/AgendaOptions.h"

// The days listed: count days from first (00:00) on.
struct AgendaRange {
    COleDateTime first;
    int days = 0;
};

// The week that starts with today when nothing else is asked.
inline constexpr int kAgendaDefaultDays = 7;

// --from (default today) to --to inclusive, or --days days from --from
// (default 7). False with a message when --to lies before --from or the
// range leaves the calendar's years.
bool AgendaRangeOf(const CAgendaOptions& options, const COleDateTime& today, AgendaRange& range,
                   std::string& error);

// The period the PDF shows: a month (day is its 1st) or the week holding day.
struct AgendaPeriod {
    bool month = true;
    COleDateTime day;
};

// --month or --week; without either, today in the view the calendar was
// left in (monthView). False with a message outside the calendar's years.
bool AgendaPeriodOf(const CAgendaOptions& options, const COleDateTime& today, bool monthView,
                    AgendaPeriod& period, std::string& error);
