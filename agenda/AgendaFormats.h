#pragma once
// The ways orrindale-agenda prints its lines: text for people, tab-separated
// values and JSON for scripts (iCalendar for other calendars is AgendaIcs).

#include "agenda/AgendaLines.h"

#include <ostream>
#include <string>
#include <vector>

class CCalendarData;

// Day by day under a heading, times in timeFormat (the program's 12- or
// 24-hour clock); a sentence when there is nothing in the range.
std::string FormatAgendaText(const std::vector<CAgendaLine>& lines, const AgendaRange& range,
                             const std::string& timeFormat);
// A header line "date time title kind id", then one row per line: the date
// YYYY-MM-DD, the time HH:MM (none for a phase of the Moon), the title with
// tabs and line breaks as spaces, the kind and the note ID (none for the
// Moon and the Sun), separated by tabs.
void WriteAgendaTsv(const std::vector<CAgendaLine>& lines, std::ostream& out);
// An array of objects: the fields of the tab-separated form, then the
// date and time as one ISO 8601 value, whether the line holds the whole
// day, the category's name and ID and the note's text without formatting.
std::string FormatAgendaJson(const std::vector<CAgendaLine>& lines);
