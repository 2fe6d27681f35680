// Reading orrindale-agenda's command line: each option with its value, and
// each mistake named, the options that do not go together included.
#include "agenda/AgendaOptions.h"

#include <gtest/gtest.h>

namespace {

std::string Day(const std::optional<COleDateTime>& day) {
    return day ? day->Format("%Y-%m-%d") : "-";
}

// The options read, in short; the message when they could not be.
std::string Read(const std::vector<std::string>& args) {
    CAgendaOptions o;
    std::string error;
    if (!ParseAgendaOptions(args, o, error)) return error;
    return Day(o.from) + " " + Day(o.to) + " " + std::to_string(o.days) + " " +
           std::to_string(static_cast<int>(o.format)) + " " + o.category + " " +
           std::to_string(o.noHistory + 2 * o.holidays + 4 * o.moon + 8 * o.sun) + " " +
           o.dataFile + " " + o.pdfFile + " " + Day(o.month) + " " + Day(o.week);
}

TEST(AgendaOptions, ValuesAndMistakes) {
    const struct {
        std::vector<std::string> args;
        const char* read;
    } cases[] = {
        {{}, "- - 0 0  0   - -"},
        {{"--from", "2024-02-29", "--to=2024-03-31", "--format", "tsv", "--no-history", "--sun"},
         "2024-02-29 2024-03-31 0 1  9   - -"},
        {{"--days=30", "--format=ics", "--category", "Pay", "--holidays", "--moon", "--data", "a"},
         "- - 30 3 Pay 6 a  - -"},
        {{"--pdf", "p", "--month", "2026-12", "--category", "Pay"},
         "- - 0 0 Pay 0  p 2026-12-01 -"},
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--from"}, "--from needs a value: --from YYYY-MM-DD"},
        {{"--to", "2023-02-29"}, "--to takes a date written YYYY-MM-DD, not '2023-02-29'"},
        {{"--from", "2026-2-1"}, "--from takes a date written YYYY-MM-DD, not '2026-2-1'"},
        {{"--days", "-3"}, "--days takes a whole number of days, 1 or more, not '-3'"},
        {{"--format", "xml"}, "--format takes text, tsv, json or ics, not 'xml'"},
        {{"--moon=yes"}, "--moon takes no value"},
        {{"--month", "2026-13"}, "--month takes a month written YYYY-MM, not '2026-13'"},
        {{"--to", "2026-12-31", "--days", "3"}, "--to and --days cannot be used together"},
        {{"--week", "2026-12-01"}, "--month and --week go with --pdf FILE"},
        {{"--pdf", "p", "--month", "2026-12", "--week", "2026-12-01"},
         "--month and --week cannot be used together"},
        {{"--sun", "--pdf", "p"}, "--sun does not go with --pdf, which prints the calendar grid"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.args), c.read) << ::testing::PrintToString(c.args);
}

} // namespace
