// When a recurring note occurs next: the period arithmetic for minutes to
// weeks and the calendar walk for months and years.

#include "store/RecurringNote.h"

#include "zadad/Utility.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

constexpr int kLastYear = 9999;
constexpr int kOrdinalLast = 5;

// A date whose fields can be read: valid status and inside the supported years.
bool IsUsable(const COleDateTime& dt) {
    return dt.GetStatus() == COleDateTime::valid && OleDateHasFields(dt.m_dt);
}

// The fields of a usable date, read once: each of the date's own field
// readers works all of them out again.
OleDateFields FieldsOf(const COleDateTime& dt) {
    OleDateFields f{};
    OleDateToFields(dt.m_dt, f);
    return f;
}

// The day of the week (1 = Sunday) of a valid date.
int DayOfWeek(const COleDateTime& dt) {
    // Day zero, 1899-12-30, was a Saturday; the day is the value truncated
    // toward zero on both sides of it.
    const long day = static_cast<long>(dt.m_dt);
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

COleDateTime InvalidDate() {
    COleDateTime dt;
    dt.SetStatus(COleDateTime::invalid);
    return dt;
}

// Sums of day fractions drift by far less than a second; snapping back to the
// second keeps the time of day exact however long a series runs.
COleDateTime RoundedToSecond(const COleDateTime& dt) {
    OleDateFields f{};
    if (dt.GetStatus() != COleDateTime::valid || !OleDateToFields(dt.m_dt, f)) return dt;
    return COleDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second);
}

// Minutes, hours, days, weeks: the first boundary after the P whole periods
// that k (elapsed minutes divided by N) holds, counted from the anchor.
COleDateTime NextPeriodBoundary(const COleDateTime& anchor, int unit, int every, std::int64_t k) {
    static const std::int64_t kMinutesPerUnit[] = {1, 60, 1440, 10080};
    static const double kDaysPerUnit[] = {1.0 / 1440.0, 1.0 / 24.0, 1.0, 7.0};
    const std::int64_t periods = k / kMinutesPerUnit[unit];
    const double units = static_cast<double>(periods + 1) * every;
    return RoundedToSecond(anchor + COleDateTimeSpan(units * kDaysPerUnit[unit]));
}

// The ordinal-th weekday (1 = Sunday) of the month at hour:minute; ordinal 5
// is the last one. Ordinals below 1 and weekdays outside 1-7 name no day and
// give the 1st.
COleDateTime WeekdayOfMonth(int year, int month, int weekDay, int ordinal, int hour, int minute) {
    const COleDateTime first(year, month, 1, hour, minute, 0);
    if (weekDay < 1 || weekDay > 7 || ordinal < 1 || first.GetStatus() != COleDateTime::valid)
        return first;
    if (ordinal >= kOrdinalLast) {
        const int lastDay = DaysInMonth(year, month);
        const COleDateTime last(year, month, lastDay, hour, minute, 0);
        const int back = (DayOfWeek(last) - weekDay + 7) % 7;
        return COleDateTime(year, month, lastDay - back, hour, minute, 0);
    }
    const int firstMatch = 1 + (weekDay - DayOfWeek(first) + 7) % 7;
    return COleDateTime(year, month, firstMatch + 7 * (ordinal - 1), hour, minute, 0);
}

// The rule's day in one month of the series, or nothing when the month has
// no such day and the note waits for one that has it.
std::optional<COleDateTime> CandidateIn(const CRecurringNote& note, const OleDateFields& start,
                                        int year, int month) {
    const int hour = start.hour;
    const int minute = start.minute;
    if (note.m_bByWeekDay)
        return WeekdayOfMonth(year, month, note.m_nWeekDay, note.m_nWeekOrdinal, hour, minute);
    const int lastDay = DaysInMonth(year, month);
    int day = start.day;
    if (day > lastDay) {
        // A note falls back to the last day of a short month and keeps its own
        // day in every other: a birthday on 29 February is on the 28th in
        // common years. A holiday dated 29 February is the leap day itself
        // and waits for a year that has it.
        if (note.m_nType == kNoteHoliday) return std::nullopt;
        day = lastDay;
    }
    return COleDateTime(year, month, day, hour, minute, 0);
}

// Months and years: the first candidate at or after from. The series is
// seeded by the start's year and month; a weekday rule starts one step back
// so that the start's own month (or year) is the first candidate.
COleDateTime NextCalendarCandidate(const CRecurringNote& note, const OleDateFields& start,
                                   const COleDateTime& from, const OleDateFields& fromFields,
                                   int every) {
    const bool monthly = note.m_nRepeatUnit == kRepeatMonth;
    if (!monthly && note.m_bByWeekDay && (note.m_nMonth < 1 || note.m_nMonth > 12))
        return InvalidDate();
    // Months count as year * 12 + month - 1, years as the year itself.
    const auto indexOf = [monthly](int year, int month) -> std::int64_t {
        return monthly ? std::int64_t{year} * 12 + month - 1 : year;
    };
    std::int64_t seed = indexOf(start.year, start.month);
    if (note.m_bByWeekDay) seed -= every;
    // Every candidate lies inside its own month or year, so whole steps that
    // end before from's month or year can be skipped at once.
    const std::int64_t gap = indexOf(fromFields.year, fromFields.month) - seed;
    for (std::int64_t step = std::max<std::int64_t>(1, gap / every);; ++step) {
        const std::int64_t index = seed + step * every;
        const std::int64_t year = monthly ? index / 12 : index;
        if (year > kLastYear) return InvalidDate(); // no occurrence left in the calendar
        const int month = monthly ? static_cast<int>(index % 12) + 1
                                  : (note.m_bByWeekDay ? note.m_nMonth : start.month);
        const auto candidate = CandidateIn(note, start, static_cast<int>(year), month);
        if (candidate && from <= *candidate) return *candidate;
    }
}

} // namespace

void CRecurringNote::AdvanceOccurrence(BOOL fromStart) {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const COleDateTimeSpan lead(m_nRemindDays, 0, 0, 0);
    COleDateTime t = m_dtStart;
    if (!fromStart) {
        t = now > m_dtStart ? now : m_dtStart;
        // Still before the alarm of the occurrence acknowledged last: nothing to move.
        if (t <= m_dtLastOccurrence - lead) return;
        if (t <= m_dtLastOccurrence) t = m_dtLastOccurrence;
    }
    // An occurrence whose alarm would already be due is passed over: the
    // next one lies more than the lead beyond now. Counted from now, not from
    // the occurrence just acknowledged, whose lead may still be running: a
    // daily note with two days' warning must not lose the next two days.
    // One second past is enough: a minute would make a series that repeats
    // every minute skip every other occurrence.
    if (t - lead <= now) t = now + lead + CUtility::OneSecond;
    m_dtOccurrence = GetNextOccurrence(t, fromStart);
    m_dtAlarm = m_dtOccurrence - lead;
}

COleDateTime CRecurringNote::GetNextOccurrence(const COleDateTime& fromIn, BOOL fromStart) const {
    if (!fromStart && m_bRemind && fromIn < m_dtOccurrence) return m_dtOccurrence;
    COleDateTime from = fromIn;
    if (fromStart) {
        const COleDateTime now = COleDateTime::GetCurrentTime();
        if (from < now) from = now;
    }
    const COleDateTime& anchor = m_dtLastOccurrence;
    // Before the anchor nothing new has happened yet.
    if (from < anchor) return m_dtOccurrence;
    // Damaged records must not reach the arithmetic below.
    if (!IsUsable(from) || !IsUsable(anchor) || !IsUsable(m_dtStart)) return m_dtOccurrence;
    const int every = std::max(m_nRepeatEvery, 1);
    const auto elapsed =
        static_cast<std::int64_t>((from - anchor).m_span * 1440.0 + kHalfSecondInDays);
    const std::int64_t k = elapsed / every;
    if (k == 0 && fromStart) return m_dtOccurrence;

    switch (m_nRepeatUnit) {
    case kRepeatMinute:
    case kRepeatHour:
    case kRepeatDay:
    case kRepeatWeek:
        return NextPeriodBoundary(anchor, m_nRepeatUnit, every, k);
    case kRepeatMonth:
    case kRepeatYear:
        if (from <= anchor) // only when from is the anchor itself
            return m_bByWeekDay ? m_dtOccurrence : anchor;
        return NextCalendarCandidate(*this, FieldsOf(m_dtStart), from, FieldsOf(from), every);
    default:
        return anchor;
    }
}
