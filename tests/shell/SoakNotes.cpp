#include "SoakNotes.h"

#include "store/RecurringNote.h"

namespace soak {

namespace {

constexpr Seconds kDay = 86400;
constexpr Seconds kQuarter = 900;

int Pick(std::mt19937_64& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

template <typename T, std::size_t N> T PickOf(std::mt19937_64& rng, const T (&values)[N]) {
    return values[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(N) - 1))];
}

// A quarter-hour of the day, as the editor offers them.
Seconds Quarter(std::mt19937_64& rng) {
    return Pick(rng, 0, 95) * kQuarter;
}

// Lead days that keep the first alarm after now; a start in the past
// takes none, the series having run without reminders in advance.
int LeadFor(std::mt19937_64& rng, const Rule& rule, Seconds now, int most) {
    const int lead = Pick(rng, 0, 2) == 0 ? Pick(rng, 1, most) : 0;
    if (rule.start <= now) return 0;
    return rule.start - lead * kDay > now ? lead : 0;
}

Rule OneTime(std::mt19937_64& rng, Seconds now) {
    Rule rule;
    rule.start = StartOfDay(now) + Pick(rng, 1, 35) * kDay + Quarter(rng);
    rule.leadDays = LeadFor(rng, rule, now, 3);
    return rule;
}

Rule Periodic(std::mt19937_64& rng, Seconds now) {
    static const int kMinutes[] = {7, 13, 25, 45, 60, 90, 150, 240, 600};
    Rule rule;
    rule.recurring = true;
    rule.unit = static_cast<Unit>(Pick(rng, 0, 3));
    switch (rule.unit) {
    case Unit::kMinute:
        rule.every = PickOf(rng, kMinutes);
        break;
    case Unit::kHour:
        rule.every = Pick(rng, 1, 12);
        break;
    case Unit::kDay:
        rule.every = Pick(rng, 1, 5);
        break;
    default:
        rule.every = Pick(rng, 1, 3);
        break;
    }
    // Half the series began long ago, half begin within the month.
    const Seconds day =
        StartOfDay(now) + (Pick(rng, 0, 1) ? Pick(rng, -60, -1) : Pick(rng, 1, 20)) * kDay;
    rule.start = day + Quarter(rng);
    rule.leadDays = LeadFor(rng, rule, now, rule.unit == Unit::kWeek ? 9 : 2);
    return rule;
}

Rule Calendar(std::mt19937_64& rng, Seconds now) {
    Rule rule;
    rule.recurring = true;
    rule.unit = Pick(rng, 0, 2) ? Unit::kMonth : Unit::kYear;
    rule.every = rule.unit == Unit::kMonth ? Pick(rng, 1, 2) : 1;
    const auto today = DayOf(now);
    const int year = static_cast<int>(today.year());
    const int month = static_cast<int>(static_cast<unsigned>(today.month()));
    if (rule.unit == Unit::kMonth) {
        // The ends of months too: a note on the 31st falls back in short months.
        const int back = Pick(rng, 0, 5);
        const int index = year * 12 + month - 1 - back;
        const int y = index / 12;
        const int m = index % 12 + 1;
        const int day = Pick(rng, 0, 1) ? Pick(rng, 1, 28) : Pick(rng, 28, DaysIn(y, m));
        rule.start = At(y, m, day) + Quarter(rng);
    } else {
        // A yearly date that falls within the coming month, first set years ago.
        rule.start = At(year - Pick(rng, 1, 5), 1, 1) + (now - At(year, 1, 1)) / kDay * kDay +
                     Pick(rng, 1, 29) * kDay + Quarter(rng);
    }
    rule.leadDays = LeadFor(rng, rule, now, 3);
    return rule;
}

Rule WeekdayRule(std::mt19937_64& rng, Seconds now) {
    Rule rule;
    rule.recurring = true;
    rule.byWeekDay = true;
    rule.unit = Pick(rng, 0, 2) ? Unit::kMonth : Unit::kYear;
    rule.every = rule.unit == Unit::kMonth ? Pick(rng, 1, 2) : 1;
    rule.ordinal = Pick(rng, 1, 5);
    rule.weekDay = Pick(rng, 1, 7);
    const auto today = DayOf(now);
    const int year = static_cast<int>(today.year());
    const int month = static_cast<int>(static_cast<unsigned>(today.month()));
    rule.month = Pick(rng, 0, 1) ? month : month % 12 + 1;
    // The series starts this month (this year); the first day of the rule
    // still to come is its first occurrence.
    rule.start = (rule.unit == Unit::kMonth ? At(year, month, 1) : At(year, 1, 1)) + Quarter(rng);
    rule.leadDays = Pick(rng, 0, 2) == 0 ? Pick(rng, 1, 2) : 0;
    Rule withoutLead = rule;
    withoutLead.leadDays = 0;
    const Expectation first(withoutLead, now);
    if (!first.Live() || first.Occurrence() - rule.leadDays * kDay <= now) rule.leadDays = 0;
    return rule;
}

int UnitOf(Unit unit) {
    switch (unit) {
    case Unit::kMinute:
        return kRepeatMinute;
    case Unit::kHour:
        return kRepeatHour;
    case Unit::kDay:
        return kRepeatDay;
    case Unit::kWeek:
        return kRepeatWeek;
    case Unit::kMonth:
        return kRepeatMonth;
    default:
        return kRepeatYear;
    }
}

} // namespace

COleDateTime ToOle(Seconds t) {
    const auto day = DayOf(t);
    const Seconds rest = t - StartOfDay(t);
    return COleDateTime(
        static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
        static_cast<int>(static_cast<unsigned>(day.day())), static_cast<int>(rest / 3600),
        static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
}

Rule RandomRule(std::mt19937_64& rng, Seconds now) {
    const int kind = Pick(rng, 0, 99);
    Rule rule = kind < 25   ? OneTime(rng, now)
                : kind < 70 ? Periodic(rng, now)
                : kind < 85 ? Calendar(rng, now)
                            : WeekdayRule(rng, now);
    // A third of the series end: on a day within the month or beyond it.
    if (rule.recurring && Pick(rng, 0, 2) == 0)
        rule.end = std::max(StartOfDay(now), StartOfDay(rule.start)) + Pick(rng, 1, 40) * kDay;
    // The editor takes no series that ends before it first occurs.
    if (rule.end && !Expectation(rule, now).Live()) rule.end.reset();
    return rule;
}

std::unique_ptr<CNote> MakeNote(const Rule& rule, const std::string& title) {
    std::unique_ptr<COneTimeNote> note;
    if (!rule.recurring) {
        note = std::make_unique<COneTimeNote>(kNoteOneTime, title, "", ToOle(rule.start),
                                              rule.leadDays, 0, 1);
    } else {
        note = std::make_unique<CRecurringNote>(title, "", ToOle(rule.start), rule.leadDays,
                                                UnitOf(rule.unit), rule.every, 0, rule.byWeekDay,
                                                rule.weekDay, rule.ordinal, rule.month, 1);
    }
    if (rule.end) note->m_dtEnd = ToOle(*rule.end);
    return note;
}

} // namespace soak
