// The days orrindale-agenda lists.
#include "agenda/AgendaRange.h"

#include <gtest/gtest.h>

namespace {

const COleDateTime kToday(2026, 12, 8, 15, 30, 0);

std::optional<COleDateTime> On(int y, int m, int d) {
    return COleDateTime(y, m, d, 0, 0, 0);
}

// The range as "first day, count", or the message.
std::string Range(std::optional<COleDateTime> from, std::optional<COleDateTime> to, int days) {
    CAgendaOptions options;
    options.from = from;
    options.to = to;
    options.days = days;
    AgendaRange range;
    std::string error;
    if (!AgendaRangeOf(options, kToday, range, error)) return error;
    return range.first.Format("%Y-%m-%d %H:%M, ") + std::to_string(range.days);
}

TEST(AgendaRange, FromToAndDays) {
    const std::string outside = " is outside the calendar's years, 2000-01-01 to 2099-12-31";
    EXPECT_EQ(Range({}, {}, 0), "2026-12-08 00:00, 7");
    EXPECT_EQ(Range(On(2026, 12, 1), {}, 31), "2026-12-01 00:00, 31");
    EXPECT_EQ(Range(On(2026, 12, 1), On(2026, 12, 31), 0), "2026-12-01 00:00, 31");
    EXPECT_EQ(Range(On(2026, 12, 24), On(2026, 12, 24), 0), "2026-12-24 00:00, 1");
    EXPECT_EQ(Range({}, On(2027, 1, 7), 0), "2026-12-08 00:00, 31");
    EXPECT_EQ(Range(On(2099, 12, 30), {}, 2), "2099-12-30 00:00, 2");
    EXPECT_EQ(Range({}, On(2026, 12, 7), 0), "--to 2026-12-07 lies before --from 2026-12-08");
    EXPECT_EQ(Range(On(1999, 12, 31), {}, 0), "1999-12-31" + outside);
    EXPECT_EQ(Range(On(2099, 12, 1), On(2100, 1, 1), 0), "2100-01-01" + outside);
    EXPECT_EQ(Range(On(2099, 12, 30), {}, 3), "--days 3 runs past 2099-12-31");
}

} // namespace
