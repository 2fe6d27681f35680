// The days orrindale-agenda lists and the month or week it prints.
#include "agenda/AgendaRange.h"

#include <gtest/gtest.h>

namespace {

const COleDateTime kToday(2026, 12, 8, 15, 30, 0);

std::optional<COleDateTime> On(int y, int m, int d) {
    return COleDateTime(y, m, d, 0, 0, 0);
}

CAgendaOptions Options(std::optional<COleDateTime> from, std::optional<COleDateTime> to, int days) {
    CAgendaOptions options;
    options.from = from;
    options.to = to;
    options.days = days;
    return options;
}

TEST(AgendaRange, FromToAndDays) {
    const struct {
        const char* what;
        CAgendaOptions options;
        const char* first;
        int days;
    } cases[] = {
        {"today and the next six days", Options({}, {}, 0), "2026-12-08", 7},
        {"a week from the first day", Options(On(2026, 12, 1), {}, 0), "2026-12-01", 7},
        {"days from the first day", Options(On(2026, 12, 1), {}, 31), "2026-12-01", 31},
        {"days from today", Options({}, {}, 1), "2026-12-08", 1},
        {"to inclusive", Options(On(2026, 12, 1), On(2026, 12, 31), 0), "2026-12-01", 31},
        {"one day", Options(On(2026, 12, 24), On(2026, 12, 24), 0), "2026-12-24", 1},
        {"from today to", Options({}, On(2027, 1, 7), 0), "2026-12-08", 31},
        {"to the last day of the years", Options(On(2099, 12, 30), {}, 2), "2099-12-30", 2},
        {"from the first day of the years", Options(On(2000, 1, 1), On(2000, 12, 31), 0),
         "2000-01-01", 366},
    };
    for (const auto& c : cases) {
        AgendaRange range;
        std::string error;
        ASSERT_TRUE(AgendaRangeOf(c.options, kToday, range, error)) << c.what << ": " << error;
        EXPECT_EQ(range.first.Format("%Y-%m-%d %H:%M:%S"), std::string(c.first) + " 00:00:00")
            << c.what;
        EXPECT_EQ(range.days, c.days) << c.what;
    }
}

TEST(AgendaRange, RangesThatCannotBeListed) {
    const struct {
        CAgendaOptions options;
        const char* message;
    } cases[] = {
        {Options(On(2026, 12, 31), On(2026, 12, 1), 0),
         "--to 2026-12-01 lies before --from 2026-12-31"},
        {Options({}, On(2026, 12, 7), 0), "--to 2026-12-07 lies before --from 2026-12-08"},
        {Options(On(1999, 12, 31), {}, 0),
         "1999-12-31 is outside the calendar's years, 2000-01-01 to 2099-12-31"},
        {Options(On(2099, 12, 1), On(2100, 1, 1), 0),
         "2100-01-01 is outside the calendar's years, 2000-01-01 to 2099-12-31"},
        {Options(On(2099, 12, 30), {}, 3), "--days 3 runs past 2099-12-31"},
        {Options({}, {}, 2000000000), "--days 2000000000 runs past 2099-12-31"},
    };
    for (const auto& c : cases) {
        AgendaRange range;
        std::string error;
        EXPECT_FALSE(AgendaRangeOf(c.options, kToday, range, error)) << c.message;
        EXPECT_EQ(error, c.message);
    }
}

TEST(AgendaRange, ThePrintedPeriod) {
    CAgendaOptions month;
    month.month = On(2027, 2, 1);
    CAgendaOptions week;
    week.week = On(2026, 12, 30);
    CAgendaOptions early;
    early.week = On(1999, 12, 31);
    const struct {
        const char* what;
        CAgendaOptions options;
        bool monthView;
        bool ok;
        bool isMonth;
        const char* day;
    } cases[] = {
        {"the month asked for", month, false, true, true, "2027-02-01"},
        {"the week asked for", week, true, true, false, "2026-12-30"},
        {"this month, as last shown", CAgendaOptions(), true, true, true, "2026-12-08"},
        {"this week, as last shown", CAgendaOptions(), false, true, false, "2026-12-08"},
        {"before the calendar's years", early, true, false, false, ""},
    };
    for (const auto& c : cases) {
        AgendaPeriod period;
        std::string error;
        ASSERT_EQ(AgendaPeriodOf(c.options, kToday, c.monthView, period, error), c.ok) << c.what;
        if (!c.ok) {
            EXPECT_EQ(error,
                      "1999-12-31 is outside the calendar's years, 2000-01-01 to 2099-12-31");
            continue;
        }
        EXPECT_EQ(period.month, c.isMonth) << c.what;
        EXPECT_EQ(period.day.Format("%Y-%m-%d %H:%M"), std::string(c.day) + " 00:00") << c.what;
    }
}

} // namespace
