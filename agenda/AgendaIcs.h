#pragma once
// The agenda's lines as an iCalendar file. It takes libical, which the
// listing process never loads: orrindale-agenda-full writes it.

#include "agenda/AgendaLines.h"

#include <string>
#include <vector>

class CCalendarData;

// One event for each line: an occurrence with the alarm of its note,
// holidays and the Moon's phases as events of the whole day, sunrise and
// sunset at their times.
std::string FormatAgendaIcs(const CCalendarData& data, const std::vector<CAgendaLine>& lines);
