#pragma once
// Notes of every kind and repetition a calendar file carries, and their
// occurrences over a year as lines of text, for the tests that compare what
// the program shows with what a calendar file says.

#include "store/CalendarData.h"
#include "store/IcsExport.h"
#include "store/NoteCasts.h"
#include "zadad/Utility.h"

#include <memory>
#include <string>
#include <vector>

namespace icssamples {

// The clock while the samples are made, and the first day compared.
inline const COleDateTime kMadeAt(2026, 1, 1, 8, 0, 0);
inline const COleDateTime kFrom(2026, 1, 1, 0, 0, 0);
constexpr int kDays = 365;

inline COleDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return COleDateTime(y, mo, d, h, mi, s);
}

// The editor's untimed start: one second into the day.
inline COleDateTime Untimed(int y, int mo, int d) {
    return At(y, mo, d) + CUtility::OneSecond;
}

struct CRepeatSample {
    const char* title;
    COleDateTime start;
    int unit;
    int every;
    int remindDays;  // -1: no reminder
    int weekDay = 0; // 0: on the start's day of the month
    int ordinal = 0;
    int month = 0;
    COleDateTime end = COleDateTime(); // 00:00 of the first day that no longer counts
    bool hasEnd = false;
};

inline std::vector<CRepeatSample> RepeatSamples() {
    return {
        {"Every 15 minutes", At(2026, 1, 5, 9, 0), kRepeatMinute, 15, -1, 0, 0, 0, At(2026, 1, 6),
         true},
        {"Every 5 hours", At(2026, 1, 10, 6, 0), kRepeatHour, 5, 0, 0, 0, 0, At(2026, 1, 13), true},
        {"Every 3 days", Untimed(2026, 1, 2), kRepeatDay, 3, -1},
        {"Fortnightly", At(2026, 1, 7, 18, 0), kRepeatWeek, 2, 1, 0, 0, 0, At(2026, 6, 1), true},
        {"On the 31st", At(2026, 1, 31, 9, 0), kRepeatMonth, 1, 2},
        {"On the 30th", Untimed(2026, 1, 30), kRepeatMonth, 1, -1},
        {"On the 29th", At(2026, 1, 29, 12, 0), kRepeatMonth, 2, -1},
        {"Leap day", At(2024, 2, 29, 7, 0), kRepeatYear, 1, -1},
        {"Second Tuesday", At(2026, 1, 13, 19, 0), kRepeatMonth, 1, 3, 3, 2},
        {"Last Friday", At(2026, 1, 20, 8, 0), kRepeatMonth, 2, -1, 6, 5},
        {"Last Monday of May", Untimed(2026, 1, 1), kRepeatYear, 1, -1, 2, 5, 5},
        {"First Sunday of November", At(2026, 1, 1, 10, 0), kRepeatYear, 1, 0, 1, 1, 11},
        {"Ten days in April", Untimed(2026, 4, 1), kRepeatDay, 1, -1, 0, 0, 0, At(2026, 4, 10),
         true},
    };
}

// Every kind of note; the clock must read kMadeAt.
inline void AddSamples(CCalendarData& data) {
    data.AddNote(std::make_unique<CNote>(kNoteMemo, "All-day memo", "", At(2026, 2, 10), 0));
    data.AddNote(std::make_unique<CNote>(kNoteMemo, "Timed memo", "", At(2026, 2, 11, 14, 30), 0));
    data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, "Dentist", "", At(2026, 3, 5, 9, 15),
                                                2, 0, 1));
    data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, "On the hour", "",
                                                At(2026, 3, 6, 10, 0), 0, 0, 1));
    for (const CRepeatSample& s : RepeatSamples()) {
        const bool byWeekDay = s.weekDay != 0;
        auto note = std::make_unique<CRecurringNote>(
            s.title, "", s.start, std::max(s.remindDays, 0), s.unit, s.every, 0, byWeekDay,
            byWeekDay ? s.weekDay : 1, byWeekDay ? s.ordinal : 1, byWeekDay ? s.month : 1,
            s.remindDays >= 0);
        if (s.hasEnd) note->m_dtEnd = s.end;
        data.AddNote(std::move(note));
    }
}

// One line per occurrence in [kFrom, kFrom + kDays), sorted: the time (only
// the date for a note written as an all-day event, when datesForAllDay) and
// the title.
inline std::vector<std::string> OccurrenceLines(const CCalendarData& data, bool datesForAllDay) {
    std::vector<std::vector<CNoteOccurrence>> days;
    data.m_noteManager.FillGrid(days, 0, kFrom, kFrom + CUtility::OneDay * kDays, 0);
    std::vector<std::string> lines;
    for (const auto& day : days)
        for (const CNoteOccurrence& o : day) {
            const bool date = datesForAllDay && CIcsExport::IsAllDay(*o.m_pNote, o.m_dtTime);
            lines.push_back(o.m_dtTime.Format(date ? "%Y-%m-%d" : "%Y-%m-%d %H:%M:%S") + " " +
                            o.m_pNote->m_strTitle);
        }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// One line per note with a reminder: its title and lead days.
inline std::vector<std::string> AlarmLines(const CCalendarData& data) {
    std::vector<std::string> lines;
    for (const auto& entry : data.m_noteManager.Notes())
        if (const COneTimeNote* timed = AsOneTime(*entry.second); timed && timed->m_bRemind)
            lines.push_back(timed->m_strTitle + " " + std::to_string(timed->m_nRemindDays));
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace icssamples
