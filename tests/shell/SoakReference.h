#pragma once
// The soak's own idea of when a reminder is due, worked out from the rule
// with the standard calendar and whole seconds, never with the program's
// date code: a note's occurrences, the alarm of each (lead days before it),
// and which one rings next after an alarm was answered.

#include <chrono>
#include <cstdint>
#include <optional>

namespace soak {

using Seconds = std::int64_t; // since 1970-01-01 00:00, UTC

enum class Unit { kMinute, kHour, kDay, kWeek, kMonth, kYear };

Seconds At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
std::chrono::year_month_day DayOf(Seconds t);
Seconds StartOfDay(Seconds t);
int DaysIn(int year, int month);

// One note's reminder as the user set it up.
struct Rule {
    bool recurring = false;
    Seconds start = 0; // the first occurrence (one-time), or the series' start
    int leadDays = 0;
    Unit unit = Unit::kDay;
    int every = 1;
    // Months and years: the ordinal (1-4, 5 = last) weekday (1 = Sunday) of
    // the month; a yearly rule's month.
    bool byWeekDay = false;
    int ordinal = 1;
    int weekDay = 1;
    int month = 1;
    // 00:00 of the end day; occurrences on or after that day do not exist.
    std::optional<Seconds> end;
};

// The occurrences of a rule in order; occurrence i of the series.
class Series {
public:
    explicit Series(const Rule& rule) : m_rule(rule) {}
    // The i-th occurrence (from 0), or nothing once the series has ended.
    std::optional<Seconds> Occurrence(std::int64_t i) const;
    const Rule& GetRule() const { return m_rule; }

private:
    Seconds Candidate(std::int64_t i) const;
    Seconds InMonth(int year, int month) const;

    Rule m_rule;
};

// Where a note stands: the occurrence it waits for and when it rings for it.
class Expectation {
public:
    // Created at now: the first occurrence whose alarm lies after now.
    Expectation(const Rule& rule, Seconds now);

    bool Live() const { return m_occurrence.has_value(); }
    Seconds Occurrence() const { return *m_occurrence; }
    // The alarm of the occurrence, or the snooze time.
    Seconds RingsAt() const { return m_ringsAt; }
    const Rule& GetRule() const { return m_series.GetRule(); }

    // "OK" at now: the next occurrence after this one whose alarm lies after
    // now (occurrences whose alarm passed while this one waited are passed
    // over); a one-time note or a finished series is gone.
    void Acknowledge(Seconds now);
    // Rings again at now + minutes; a one-time note moves with it.
    void Snooze(Seconds now, int minutes);

private:
    void MoveTo(std::int64_t index);
    void AdvancePast(Seconds occurrence, Seconds now);

    Series m_series;
    std::int64_t m_nIndex = 0;
    std::optional<Seconds> m_occurrence;
    Seconds m_ringsAt = 0;
};

} // namespace soak
