#pragma once
// The lines orrindale-agenda prints for a range of days: every occurrence of
// the notes as the calendar grid finds them with "Recurrence" checked, and
// when asked, the holidays, the days of the Moon's phases and the times of
// sunrise and sunset. Sorted by date and time, then by note ID.

#include "agenda/AgendaRange.h"
#include "zadad/WinTypes.h"

#include <string_view>
#include <vector>

class CCalendarData;
class CNote;

enum class AgendaKind { kMemo, kOnce, kRecurring, kHoliday, kHistory, kMoon, kSunrise, kSunset };

// "memo", "once", "recurring", "holiday", "history", "moon", "sunrise", "sunset".
const char* AgendaKindName(AgendaKind kind);
// Holidays and the Moon's phases belong to their day, not to a time of it.
bool IsAllDay(AgendaKind kind);

// A line points into the data it was collected from (titles, category
// names) and is read while that data stands: a year of a large store is
// hundreds of thousands of lines, not worth a copy of every title.
struct CAgendaLine {
    COleDateTime when; // the occurrence; a phase of the Moon at its day's 00:00
    AgendaKind kind = AgendaKind::kMemo;
    std::string_view title;
    int id = 0;                // the note's ID; 0 for the Moon and the Sun
    std::string_view category; // the note's category name, empty for none
    CNote* note = nullptr;     // the note, for notes and holidays
};

struct AgendaSelection {
    AgendaRange range;
    WORD categoryID = 0; // 0: every category; holidays have none of their own
    bool history = true;
    bool holidays = false;
    bool moon = false;
    bool sun = false;
};

std::vector<CAgendaLine> CollectAgenda(const CCalendarData& data, const AgendaSelection& selection);
