#include "store/IcsRule.h"

#include "store/IcsTime.h"
#include "zadad/Utility.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <vector>

namespace {

constexpr int kOrdinalLast = 5;
constexpr int kLeapYear = 2000;

const icalrecurrencetype_frequency kFrequencies[] = {
    ICAL_MINUTELY_RECURRENCE, ICAL_HOURLY_RECURRENCE,  ICAL_DAILY_RECURRENCE,
    ICAL_WEEKLY_RECURRENCE,   ICAL_MONTHLY_RECURRENCE, ICAL_YEARLY_RECURRENCE,
};

template <std::size_t N> std::vector<int> Values(const short (&list)[N]) {
    std::vector<int> values;
    for (std::size_t i = 0; i < N && list[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        values.push_back(list[i]);
    return values;
}

template <std::size_t N> void SetValues(short (&list)[N], std::initializer_list<int> values) {
    std::size_t i = 0;
    for (const int value : values)
        list[i++] = static_cast<short>(value);
    if (i < N) list[i] = ICAL_RECURRENCE_ARRAY_MAX;
}

// libical keeps a weekday and its position in the month together.
int EncodeDay(int position, int weekDay) {
    const int encoded = std::abs(position) * 8 + weekDay;
    return position < 0 ? -encoded : encoded;
}

void AddWeekdayRule(icalrecurrencetype& rule, const CRecurringNote& note, bool yearly) {
    // An ordinal or weekday the editor cannot give leaves the month's 1st.
    if (note.m_nWeekOrdinal < 1 || note.m_nWeekDay < 1 || note.m_nWeekDay > 7) {
        SetValues(rule.by_month_day, {1});
    } else {
        const int position = note.m_nWeekOrdinal >= kOrdinalLast ? -1 : note.m_nWeekOrdinal;
        SetValues(rule.by_day, {EncodeDay(position, note.m_nWeekDay)});
    }
    if (yearly) SetValues(rule.by_month, {note.m_nMonth});
}

// A month without the start's day takes its last day, as the program does.
void AddLastDayFallback(icalrecurrencetype& rule, const COleDateTime& start, bool yearly) {
    const int day = start.GetDay();
    if (!yearly && day == 31) {
        SetValues(rule.by_month_day, {-1});
        return;
    }
    // Yearly, only 29 February lacks its day in some years.
    if (yearly ? start.GetMonth() != 2 || day != 29 : day < 29) return;
    if (yearly) SetValues(rule.by_month, {2});
    if (day == 29)
        SetValues(rule.by_month_day, {28, 29});
    else
        SetValues(rule.by_month_day, {28, 29, 30});
    SetValues(rule.by_set_pos, {-1});
}

std::optional<int> UnitOf(icalrecurrencetype_frequency frequency) {
    const auto found = std::find(std::begin(kFrequencies), std::end(kFrequencies), frequency);
    if (found == std::end(kFrequencies)) return std::nullopt;
    return static_cast<int>(found - std::begin(kFrequencies));
}

bool HasTimeParts(const icalrecurrencetype& rule) {
    return !Values(rule.by_second).empty() || !Values(rule.by_minute).empty() ||
           !Values(rule.by_hour).empty() || !Values(rule.by_year_day).empty() ||
           !Values(rule.by_week_no).empty();
}

// The day the "last of these days" forms stand for (31 for BYMONTHDAY=-1,
// D for BYMONTHDAY=28,...,D;BYSETPOS=-1), or 0 for any other rule.
int LastDayPattern(std::vector<int> monthDays, const std::vector<int>& setPositions) {
    if (setPositions.empty()) return monthDays == std::vector<int>{-1} ? 31 : 0;
    if (setPositions != std::vector<int>{-1} || monthDays.empty()) return 0;
    std::sort(monthDays.begin(), monthDays.end());
    const int last = monthDays.back();
    if (last < 29 || last > 31 || static_cast<int>(monthDays.size()) != last - 27) return 0;
    for (std::size_t i = 0; i < monthDays.size(); ++i)
        if (monthDays[i] != 28 + static_cast<int>(i)) return 0;
    return last;
}

struct CRuleParts {
    std::vector<int> days;
    std::vector<int> monthDays;
    std::vector<int> months;
    int lastDay = 0;
    bool yearly = false;
};

bool WeekdayRule(icsrule::CRepeat& repeat, const CRuleParts& parts) {
    if (!parts.monthDays.empty() || parts.months.size() != (parts.yearly ? 1u : 0u)) return false;
    const int position = icalrecurrencetype_day_position(static_cast<short>(parts.days[0]));
    if (position == 0 || position < -1 || position >= kOrdinalLast) return false;
    repeat.m_bByWeekDay = 1;
    // libical counts weekdays from Sunday = 1, as the program does.
    repeat.m_nWeekDay = icalrecurrencetype_day_day_of_week(static_cast<short>(parts.days[0]));
    repeat.m_nOrdinal = position == -1 ? kOrdinalLast : position;
    if (parts.yearly) repeat.m_nMonth = parts.months[0];
    return true;
}

// The program repeats on the first occurrence's day of the month.
bool DayRule(const CRuleParts& parts, const icaltimetype& first, std::optional<IcsLoss>& loss) {
    if (parts.months.size() > 1 || (!parts.yearly && !parts.months.empty())) return false;
    // Yearly month days without a month name days of every month.
    if (parts.yearly && !parts.monthDays.empty() && parts.months.empty()) return false;
    if (parts.lastDay) {
        const int longest = parts.yearly ? DaysInMonth(kLeapYear, first.month) : 31;
        if (first.day != std::min(parts.lastDay, longest)) loss = IcsLoss::kLastDayFromShort;
        return true;
    }
    if (parts.monthDays.size() > 1 ||
        (parts.monthDays.size() == 1 && parts.monthDays[0] != first.day))
        return false;
    if (first.day >= 29 && (!parts.yearly || first.month == 2)) loss = IcsLoss::kShortMonths;
    return true;
}

// A weekday position no rule of the program takes (the 5th, the 2nd last,
// the 7th). Such a rule is turned down before libical is asked for its first
// occurrence: for a position no month has (the 7th Friday) libical would
// search through centuries of months for one.
bool UnfollowedPosition(const std::vector<int>& days) {
    if (days.empty()) return false;
    const int position = icalrecurrencetype_day_position(static_cast<short>(days[0]));
    return position < -1 || position >= kOrdinalLast;
}

// Whether the program can follow the rule from its first occurrence, and
// how (the weekday rule's fields in repeat; a change it makes in loss).
bool Follows(const CRuleParts& parts, const icaltimetype& first, icsrule::CRepeat& repeat,
             std::optional<IcsLoss>& loss) {
    if (repeat.m_nUnit <= kRepeatDay)
        return parts.days.empty() && parts.monthDays.empty() && parts.months.empty();
    if (repeat.m_nUnit == kRepeatWeek)
        return parts.monthDays.empty() && parts.months.empty() &&
               (parts.days.empty() ||
                icalrecurrencetype_day_position(static_cast<short>(parts.days[0])) == 0);
    return parts.days.empty() ? DayRule(parts, first, loss) : WeekdayRule(repeat, parts);
}

} // namespace

namespace icsrule {

icalrecurrencetype FromNote(const CRecurringNote& note, bool allDay) {
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    const int unit = std::clamp(note.m_nRepeatUnit, 0, static_cast<int>(kRepeatYear));
    rule.freq = kFrequencies[unit];
    rule.interval = static_cast<short>(std::clamp(note.m_nRepeatEvery, 1, SHRT_MAX));
    if (unit == kRepeatMonth || unit == kRepeatYear) {
        if (note.m_bByWeekDay)
            AddWeekdayRule(rule, note, unit == kRepeatYear);
        else
            AddLastDayFallback(rule, note.m_dtStart, unit == kRepeatYear);
    }
    // An end later than any calendar file can carry is as good as none.
    if (icstime::Writable(note.m_dtEnd)) {
        // The end day itself no longer counts; UNTIL is the last moment that does.
        const COleDateTime last = note.m_dtEnd - CUtility::OneSecond;
        rule.until = allDay ? icstime::Date(last) : icstime::Floating(last);
    }
    return rule;
}

COleDateTime SeriesStart(const CRecurringNote& note) {
    const bool calendar = note.m_nRepeatUnit == kRepeatMonth || note.m_nRepeatUnit == kRepeatYear;
    if (!calendar || !note.m_bByWeekDay) return note.m_dtStart;
    // The note's own arithmetic, asked from just after an anchor a day
    // before the start, gives the first day of the rule from the start.
    CRecurringNote probe(note);
    probe.m_bRemind = 0;
    probe.m_dtLastOccurrence = note.m_dtStart - CUtility::OneDay;
    return probe.GetNextOccurrence(note.m_dtStart, 0);
}

CMapping ToRepeat(const icalrecurrencetype& rule, const icaltimetype& dtstart) {
    CMapping mapping;
    const std::optional<int> unit = UnitOf(rule.freq);
    if (!unit || rule.rscale || HasTimeParts(rule)) {
        mapping.m_loss = IcsLoss::kOtherRules;
        return mapping;
    }
    CRuleParts parts{Values(rule.by_day), Values(rule.by_month_day), Values(rule.by_month), 0,
                     *unit == kRepeatYear};
    const std::vector<int> setPositions = Values(rule.by_set_pos);
    parts.lastDay = LastDayPattern(parts.monthDays, setPositions);
    if (!setPositions.empty() && !parts.lastDay) {
        mapping.m_loss = IcsLoss::kSetPositions;
        return mapping;
    }
    if (parts.days.size() > 1) {
        mapping.m_loss = IcsLoss::kSeveralWeekdays;
        return mapping;
    }
    if (UnfollowedPosition(parts.days)) {
        mapping.m_loss = IcsLoss::kOtherRules;
        return mapping;
    }
    icaltimetype start = dtstart;
    start.zone = nullptr; // compared as the wall time the rule runs on
    CRepeat repeat;
    repeat.m_nUnit = *unit;
    repeat.m_nEvery = std::max<int>(rule.interval, 1);
    // A rule of minutes to weeks is judged without its first occurrence, and
    // one the program cannot follow is turned down before libical is asked:
    // an hourly rule in the last Thursday of March has it step through every
    // hour of the year, checking each against the month's weekdays.
    if (repeat.m_nUnit <= kRepeatWeek && !Follows(parts, start, repeat, mapping.m_loss)) {
        mapping.m_loss = IcsLoss::kOtherRules;
        return mapping;
    }
    mapping.m_first = Occurrence(rule, start, 1);
    if (icaltime_is_null_time(mapping.m_first) ||
        !Follows(parts, mapping.m_first, repeat, mapping.m_loss)) {
        mapping.m_loss = IcsLoss::kOtherRules;
        return mapping;
    }
    if (!mapping.m_loss && icaltime_compare(mapping.m_first, start) != 0)
        mapping.m_loss = IcsLoss::kStartOffRule;
    mapping.m_repeat = repeat;
    return mapping;
}

COccurrenceWalk::COccurrenceWalk(const icalrecurrencetype& rule, const icaltimetype& dtstart) {
    icalrecurrencetype endless = rule;
    endless.count = 0;
    endless.until = icaltime_null_time();
    // The rule runs on the wall clock of its own zone.
    icaltimetype start = dtstart;
    start.zone = nullptr;
    m_iterator.reset(icalrecur_iterator_new(endless, start));
}

icaltimetype COccurrenceWalk::Next() {
    return m_iterator ? icalrecur_iterator_next(m_iterator.get()) : icaltime_null_time();
}

icaltimetype Occurrence(const icalrecurrencetype& rule, const icaltimetype& dtstart, int n) {
    COccurrenceWalk walk(rule, dtstart);
    icaltimetype occurrence = icaltime_null_time();
    for (int i = 0; i < n; ++i) {
        occurrence = walk.Next();
        if (icaltime_is_null_time(occurrence)) break;
    }
    return occurrence;
}

} // namespace icsrule
