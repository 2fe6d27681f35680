// How long a monthly note takes to find its occurrence a century after its
// start: the calendar walk must jump, not step month by month.

#include "store/RecurringNote.h"
#include "zadad/Clock.h"

#include <benchmark/benchmark.h>

namespace {

// Creation reads the clock; pin it so every run builds the same note.
class FixedClock : public CClock {
public:
    COleDateTime Now() const override { return COleDateTime(1999, 12, 1, 8, 0, 0); }
};

void MonthlyNoteAskedACenturyLater(benchmark::State& state) {
    const FixedClock clock;
    CClock::Install(&clock);
    const CRecurringNote note("Rent", "", COleDateTime(2000, 1, 31, 9, 0, 0), 0, kRepeatMonth, 1, 0,
                              0, 1, 1, 1, 0);
    const COleDateTime from(2099, 6, 15, 12, 0, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(note.GetNextOccurrence(from, 0));
    CClock::Install(nullptr);
}
BENCHMARK(MonthlyNoteAskedACenturyLater);

void LastFridayRuleAskedACenturyLater(benchmark::State& state) {
    const FixedClock clock;
    CClock::Install(&clock);
    const CRecurringNote note("Review", "", COleDateTime(2000, 1, 3, 9, 0, 0), 0, kRepeatMonth, 1,
                              0, 1, 6, 5, 1, 0);
    const COleDateTime from(2099, 6, 15, 12, 0, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(note.GetNextOccurrence(from, 0));
    CClock::Install(nullptr);
}
BENCHMARK(LastFridayRuleAskedACenturyLater);

} // namespace
