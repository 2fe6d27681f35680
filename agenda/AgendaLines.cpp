#include "agenda/AgendaLines.h"

#include "almanac/AlmanacLine.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "views/MoonMarks.h"

#include <algorithm>

namespace {

const char* const kPhaseNames[] = {"New Moon", "First Quarter", "Full Moon", "Last Quarter"};

AgendaKind KindOf(const CNote& note) {
    if (note.m_bHistory) return AgendaKind::kHistory;
    switch (note.m_nType) {
    case kNoteOneTime:
        return AgendaKind::kOnce;
    case kNoteRecurring:
        return AgendaKind::kRecurring;
    case kNoteHoliday:
        return AgendaKind::kHoliday;
    default:
        return AgendaKind::kMemo;
    }
}

std::string_view CategoryName(const CCalendarData& data, WORD id) {
    if (id == 0) return {};
    for (const CCategory& category : data.m_arrCategories)
        if (category.m_nID == id) return category.m_strName;
    return {};
}

COleDateTime DayAfter(const AgendaRange& range, int index) {
    return range.first + COleDateTimeSpan(static_cast<double>(index));
}

// A line of the Moon or the Sun: no note behind it.
CAgendaLine SkyLine(const COleDateTime& when, AgendaKind kind, const char* title) {
    CAgendaLine line;
    line.when = when;
    line.kind = kind;
    line.title = title;
    return line;
}

bool Wanted(const CNote& note, const AgendaSelection& selection) {
    if (note.m_nType == kNoteHoliday) return selection.holidays;
    return selection.categoryID == 0 || note.m_wCategoryID == selection.categoryID;
}

// The grid's own query, with every occurrence and history copies shown as
// the "History" toggle would show them.
void AddOccurrences(const CCalendarData& data, const AgendaSelection& selection,
                    std::vector<CAgendaLine>& lines) {
    std::vector<std::vector<CNoteOccurrence>> days;
    const BOOL showHistory = g_bShowHistory;
    g_bShowHistory = selection.history ? 1 : 0;
    data.m_noteManager.FillGrid(days, 0, selection.range.first,
                                DayAfter(selection.range, selection.range.days), 0);
    g_bShowHistory = showHistory;
    std::size_t count = 0;
    for (const auto& day : days)
        count += day.size();
    lines.reserve(count);
    for (const auto& day : days) {
        for (const CNoteOccurrence& occurrence : day) {
            CNote& note = *occurrence.m_pNote;
            if (!Wanted(note, selection)) continue;
            lines.push_back({occurrence.m_dtTime, KindOf(note), note.m_strTitle, note.m_nID,
                             CategoryName(data, note.m_wCategoryID), &note});
        }
    }
}

// The days the grid marks with a phase of the Moon.
void AddMoonPhases(const AgendaRange& range, std::vector<CAgendaLine>& lines) {
    const std::vector<int> marks = GridMoonMarks(range.first, range.days);
    for (int i = 0; i < range.days; ++i) {
        const int phase = marks[static_cast<std::size_t>(i)];
        if (phase >= 0 && phase < static_cast<int>(std::size(kPhaseNames)))
            lines.push_back(SkyLine(DayAfter(range, i), AgendaKind::kMoon, kPhaseNames[phase]));
    }
}

// Sunrise and sunset of each day at the place in the settings, as the
// almanac line under the calendar gives them; none in polar day or night.
void AddSunTimes(const CCalendarData& data, const AgendaRange& range,
                 std::vector<CAgendaLine>& lines) {
    const AlmanacLocation location = AlmanacLocationOf(data);
    const COleDateTime end = DayAfter(range, range.days);
    const auto add = [&](const COleDateTime& when, AgendaKind kind, const char* title) {
        // A time zone far from the place can push a time onto another day.
        if (when.GetStatus() == COleDateTime::valid && when >= range.first && when < end)
            lines.push_back(SkyLine(when, kind, title));
    };
    for (int i = 0; i < range.days; ++i) {
        const AlmanacLine line = MakeAlmanacLine(DayAfter(range, i), location, "%H:%M");
        add(line.sunriseTime, AgendaKind::kSunrise, "Sunrise");
        add(line.sunsetTime, AgendaKind::kSunset, "Sunset");
    }
}

} // namespace

const char* AgendaKindName(AgendaKind kind) {
    static const char* const kNames[] = {"memo",    "once", "recurring", "holiday",
                                         "history", "moon", "sunrise",   "sunset"};
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(kNames) ? kNames[index] : "";
}

bool IsAllDay(AgendaKind kind) {
    return kind == AgendaKind::kHoliday || kind == AgendaKind::kMoon;
}

std::vector<CAgendaLine> CollectAgenda(const CCalendarData& data,
                                       const AgendaSelection& selection) {
    std::vector<CAgendaLine> lines;
    AddOccurrences(data, selection, lines);
    if (selection.moon) AddMoonPhases(selection.range, lines);
    if (selection.sun) AddSunTimes(data, selection.range, lines);
    const auto earlier = [](const CAgendaLine& a, const CAgendaLine& b) {
        if (a.when != b.when) return a.when < b.when;
        return a.id < b.id;
    };
    // The grid hands the notes over in this order already, day by day and
    // in ID order within a time; only the Moon and the Sun need sorting in.
    if (!std::is_sorted(lines.begin(), lines.end(), earlier))
        std::stable_sort(lines.begin(), lines.end(), earlier);
    return lines;
}
