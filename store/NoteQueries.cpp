// The questions the views ask the note manager: which notes a list shows and
// on which days of a calendar range each note occurs.
#include "store/NoteCasts.h"
#include "store/NoteManager.h"
#include "store/ProgramFlags.h"
#include "zadad/Utility.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The date the notes list files a note under: the current occurrence of a
// note with one, else its start.
COleDateTime ListDate(const CNote& note) {
    const COneTimeNote* timed = note.m_bHistory ? nullptr : AsOneTime(note);
    return timed ? timed->m_dtOccurrence : note.m_dtStart;
}

bool InRange(const COleDateTime& d, const COleDateTime& today, int range, BOOL weekFromSunday) {
    switch (range) {
    case kRangeAll:
        return true;
    case kRangeToday:
        return CUtility::IsSameDate(d, today) != 0;
    case kRangeWeek: {
        const int dayOfWeek = today.GetDayOfWeek();
        int back = dayOfWeek - 1;
        if (!weekFromSunday) back = dayOfWeek == 1 ? 6 : dayOfWeek - 2;
        const COleDateTime weekStart = today - CUtility::OneDay * back;
        return d >= weekStart && d < weekStart + CUtility::SevenDay;
    }
    case kRangeMonth:
        return d.GetYear() == today.GetYear() && d.GetMonth() == today.GetMonth();
    default:
        return false;
    }
}

bool PassesFilter(const CNote& note, WORD categoryID) {
    return (categoryID == 0 || categoryID == note.m_wCategoryID) &&
           (!note.m_bHistory || g_bShowHistory);
}

// Kinds that occur once: one entry in the grid at most.
bool OccursOnce(const CNote& note) {
    return note.m_nType != kNoteRecurring || note.m_bHistory;
}

} // namespace

COleDateTime CNoteManager::GetListDate(const CNote& note) {
    return ListDate(note);
}

BOOL CNoteManager::IsCurrent(const CNote& note, const COleDateTime& t) {
    if (note.m_nType != kNoteRecurring || note.m_bHistory) return 1;
    if (note.m_dtEnd.GetStatus() == COleDateTime::null) return 1;
    return note.m_dtEnd > t ? 1 : 0;
}

COleDateTime CNoteManager::GetOccurrence(const CNote& note, const COleDateTime& t) {
    if (note.m_bHistory) return note.m_dtStart;
    switch (note.m_nType) {
    case kNoteOneTime:
        if (const COneTimeNote* timed = AsOneTime(note)) return timed->m_dtOccurrence;
        break;
    case kNoteRecurring:
    case kNoteHoliday:
        if (const CRecurringNote* repeated = AsRecurring(note))
            return repeated->GetNextOccurrence(t, 0);
        break;
    default:
        break;
    }
    return note.m_dtStart;
}

BOOL CNoteManager::GetNotes(std::vector<CNote*>& out, int range, WORD categoryID,
                            int sortOrder) const {
    COleDateTime today = COleDateTime::GetCurrentTime();
    CUtility::GetStartOfDay(today);
    out.clear();
    for (const auto& entry : m_mapNotes) {
        CNote& note = *entry.second;
        if (!note.m_bActive || !PassesFilter(note, categoryID)) continue;
        if (InRange(ListDate(note), today, range, m_bWeekFromSunday) && IsCurrent(note, today))
            out.push_back(&note);
    }
    SortNotes(out, sortOrder);
    return out.empty() ? 0 : 1;
}

void CNoteManager::SortNotes(std::vector<CNote*>& notes, int sortOrder) const {
    // Stable sorts: guaranteed n log n on any input, and equal keys keep the
    // ID order the list was built in.
    if (sortOrder == kSortTitleAscending || sortOrder == kSortTitleDescending) {
        const bool ascending = sortOrder == kSortTitleAscending;
        std::stable_sort(notes.begin(), notes.end(), [ascending](const CNote* a, const CNote* b) {
            return ascending ? a->m_strTitle < b->m_strTitle : b->m_strTitle < a->m_strTitle;
        });
        return;
    }
    if (sortOrder != kSortDateAscending && sortOrder != kSortDateDescending) return;
    // The date of each note is worked out once, not at every comparison.
    std::vector<std::pair<double, CNote*>> keyed;
    keyed.reserve(notes.size());
    for (CNote* note : notes)
        keyed.emplace_back(ListDate(*note).Linear(), note);
    const bool ascending = sortOrder == kSortDateAscending;
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        return ascending ? a.first < b.first : b.first < a.first;
    });
    for (std::size_t i = 0; i < notes.size(); ++i)
        notes[i] = keyed[i].second;
}

namespace {

// The calendar range of a grid query. Day counts are taken once: comparing
// linear day counts is what the date comparisons do, without asking the date
// type for them again at every step.
struct GridRange {
    GridRange(const COleDateTime& from, const COleDateTime& to)
        : from(from), end(to + (CUtility::OneDay - CUtility::OneSecond)), linearFrom(from.Linear()),
          linearEnd(end.Linear()), last(static_cast<long>(std::trunc(linearEnd - linearFrom)) - 1) {
    }

    COleDateTime from;
    COleDateTime end;
    double linearFrom;
    double linearEnd;
    long last; // index of the last day list
};

// Files occ under its day when it lies in the range and the note still
// counts then. False when occ lies outside the days of the range.
bool AddOccurrence(CNote& note, const COleDateTime& occ, const GridRange& range,
                   std::vector<std::vector<CNoteOccurrence>>& days) {
    // A damaged record's date is no day of any grid.
    if (occ.GetStatus() != COleDateTime::valid) return false;
    const double linear = occ.Linear();
    const long index = static_cast<long>(std::trunc(linear - range.linearFrom));
    if (index > range.last || index < 0) return false;
    if (linear >= range.linearFrom && linear < range.linearEnd &&
        CNoteManager::IsCurrent(note, occ))
        days[static_cast<std::size_t>(index)].emplace_back(occ, &note);
    return true;
}

// Every occurrence of a repeated note in the range, or only its first.
void AddSeries(CNote& note, const CRecurringNote& series, const GridRange& range, BOOL firstOnly,
               std::vector<std::vector<CNoteOccurrence>>& days) {
    // A series that ended by the range's start has nothing to show in it.
    if (!CNoteManager::IsCurrent(note, range.from)) return;
    COleDateTime probe = range.from;
    double previous = 0.0;
    for (bool first = true;; first = false) {
        const COleDateTime occ = series.GetNextOccurrence(probe, 0);
        // A series that does not move forward would never end.
        if (!first && occ.Linear() <= previous) return;
        if (!AddOccurrence(note, occ, range, days) || firstOnly) return;
        previous = occ.Linear();
        probe = occ + CUtility::OneMinute;
        if (!(probe + CUtility::OneDay < range.end)) return;
    }
}

// Every occurrence of one note in the range, or only its first.
void AddOccurrences(CNote& note, const GridRange& range, BOOL firstOnly,
                    std::vector<std::vector<CNoteOccurrence>>& days) {
    // The kind is looked at once per note, not once per occurrence.
    const CRecurringNote* series = OccursOnce(note) ? nullptr : AsRecurring(note);
    if (series)
        AddSeries(note, *series, range, firstOnly, days);
    else
        AddOccurrence(note, CNoteManager::GetOccurrence(note, range.from), range, days);
}

// Orders each day by time, equal times in the order they were added.
void SortDays(std::vector<std::vector<CNoteOccurrence>>& days, const GridRange& range) {
    // From 1899-12-31 on, the stored day count grows with time as it stands
    // and can be compared directly.
    const bool plainCounts = range.linearFrom >= 1.0;
    const auto earlier = [plainCounts](const CNoteOccurrence& a, const CNoteOccurrence& b) {
        return plainCounts ? a.m_dtTime.m_dt < b.m_dtTime.m_dt : a.m_dtTime < b.m_dtTime;
    };
    for (auto& day : days)
        if (day.size() > 1) std::stable_sort(day.begin(), day.end(), earlier);
}

} // namespace

void CNoteManager::FillGrid(std::vector<std::vector<CNoteOccurrence>>& days, WORD categoryID,
                            const COleDateTime& from, const COleDateTime& to,
                            BOOL firstOnly) const {
    const GridRange range(from, to);
    days.clear();
    days.resize(static_cast<std::size_t>(std::max(range.last + 1, 0L)));
    for (const auto& entry : m_mapNotes) {
        CNote& note = *entry.second;
        if (note.m_bActive && PassesFilter(note, categoryID))
            AddOccurrences(note, range, firstOnly, days);
    }
    SortDays(days, range);
}
