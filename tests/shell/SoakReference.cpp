#include "SoakReference.h"

#include <algorithm>

namespace soak {

using namespace std::chrono;

namespace {

constexpr Seconds kDay = 86400;

Seconds FromDays(sys_days days) {
    return static_cast<Seconds>(days.time_since_epoch().count()) * kDay;
}

} // namespace

int DaysIn(int year, int month) {
    return static_cast<int>(static_cast<unsigned>(
        year_month_day_last(std::chrono::year(year),
                            month_day_last(std::chrono::month(static_cast<unsigned>(month))))
            .day()));
}

namespace {

Seconds UnitSeconds(Unit unit) {
    switch (unit) {
    case Unit::kMinute:
        return 60;
    case Unit::kHour:
        return 3600;
    case Unit::kDay:
        return kDay;
    default:
        return 7 * kDay;
    }
}

} // namespace

Seconds At(int year, int month, int day, int hour, int minute, int second) {
    const year_month_day date{std::chrono::year(year),
                              std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    return FromDays(sys_days(date)) + hour * 3600 + minute * 60 + second;
}

year_month_day DayOf(Seconds t) {
    return year_month_day(sys_days(days(t >= 0 ? t / kDay : (t - kDay + 1) / kDay)));
}

Seconds StartOfDay(Seconds t) {
    return FromDays(sys_days(DayOf(t)));
}

Seconds Series::InMonth(int year, int month) const {
    const Seconds timeOfDay = m_rule.start - StartOfDay(m_rule.start);
    const auto last = static_cast<unsigned>(DaysIn(year, month));
    unsigned day = 0;
    if (!m_rule.byWeekDay) {
        day = std::min(static_cast<unsigned>(DayOf(m_rule.start).day()), last);
    } else if (m_rule.ordinal >= 5) {
        const weekday lastWeekday{sys_days(DayOf(At(year, month, static_cast<int>(last))))};
        const unsigned back =
            (lastWeekday.c_encoding() + 7u - static_cast<unsigned>(m_rule.weekDay - 1)) % 7u;
        day = last - back;
    } else {
        const weekday firstWeekday{sys_days(DayOf(At(year, month, 1)))};
        const unsigned ahead =
            (static_cast<unsigned>(m_rule.weekDay - 1) + 7u - firstWeekday.c_encoding()) % 7u;
        day = 1 + ahead + 7u * static_cast<unsigned>(m_rule.ordinal - 1);
    }
    return At(year, month, static_cast<int>(day)) + timeOfDay;
}

Seconds Series::Candidate(std::int64_t i) const {
    const year_month_day first = DayOf(m_rule.start);
    const int year = static_cast<int>(first.year());
    const int month = static_cast<int>(static_cast<unsigned>(first.month()));
    switch (m_rule.unit) {
    case Unit::kMonth: {
        const std::int64_t index = std::int64_t{year} * 12 + (month - 1) + i * m_rule.every;
        return InMonth(static_cast<int>(index / 12), static_cast<int>(index % 12) + 1);
    }
    case Unit::kYear:
        return InMonth(year + static_cast<int>(i) * m_rule.every,
                       m_rule.byWeekDay ? m_rule.month : month);
    default:
        return m_rule.start + i * m_rule.every * UnitSeconds(m_rule.unit);
    }
}

std::optional<Seconds> Series::Occurrence(std::int64_t i) const {
    if (!m_rule.recurring && i > 0) return std::nullopt;
    const Seconds t = Candidate(i);
    if (m_rule.recurring && m_rule.end && StartOfDay(t) >= *m_rule.end) return std::nullopt;
    return t;
}

Expectation::Expectation(const Rule& rule, Seconds now) : m_series(rule) {
    MoveTo(0);
    while (m_occurrence && *m_occurrence - rule.leadDays * kDay <= now)
        MoveTo(m_nIndex + 1);
}

void Expectation::MoveTo(std::int64_t index) {
    m_nIndex = index;
    m_occurrence = m_series.Occurrence(index);
    if (m_occurrence) m_ringsAt = *m_occurrence - GetRule().leadDays * kDay;
}

void Expectation::AdvancePast(Seconds occurrence, Seconds now) {
    const Seconds lead = GetRule().leadDays * kDay;
    do {
        MoveTo(m_nIndex + 1);
    } while (m_occurrence && (*m_occurrence <= occurrence || *m_occurrence - lead <= now));
}

void Expectation::Acknowledge(Seconds now) {
    if (!m_occurrence) return;
    AdvancePast(*m_occurrence, now);
}

void Expectation::Snooze(Seconds now, int minutes) {
    m_ringsAt = now + Seconds{minutes} * 60;
}

} // namespace soak
