// Reading orrindale-agenda's command line: each option, its value, and the
// options that do not go together.
#include "agenda/AgendaOptions.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Args = std::vector<std::string>;

std::string Day(const std::optional<COleDateTime>& day) {
    return day ? day->Format("%Y-%m-%d") : "none";
}

TEST(AgendaOptions, EachOptionTakesItsValue) {
    const struct {
        Args args;
        std::function<bool(const CAgendaOptions&)> holds;
    } cases[] = {
        {{}, [](const auto& o) { return o.format == AgendaFormat::kText && !o.from && !o.days; }},
        {{"--from", "2026-12-01", "--to", "2026-12-31"},
         [](const auto& o) { return Day(o.from) == "2026-12-01" && Day(o.to) == "2026-12-31"; }},
        {{"--from=2024-02-29", "--days=30"},
         [](const auto& o) { return Day(o.from) == "2024-02-29" && o.days == 30; }},
        {{"--format", "tsv"}, [](const auto& o) { return o.format == AgendaFormat::kTsv; }},
        {{"--format=json"}, [](const auto& o) { return o.format == AgendaFormat::kJson; }},
        {{"--format", "ics"}, [](const auto& o) { return o.format == AgendaFormat::kIcs; }},
        {{"--category", "Payment", "--no-history"},
         [](const auto& o) { return o.category == "Payment" && o.noHistory; }},
        {{"--holidays", "--moon", "--sun"},
         [](const auto& o) { return o.holidays && o.moon && o.sun && !o.noHistory; }},
        {{"--data", "/tmp/a.dat", "--holidays-file", "h.txt"},
         [](const auto& o) { return o.dataFile == "/tmp/a.dat" && o.holidaysFile == "h.txt"; }},
        {{"--pdf", "out.pdf", "--month", "2026-12"},
         [](const auto& o) { return o.pdfFile == "out.pdf" && Day(o.month) == "2026-12-01"; }},
        {{"--pdf=out.pdf", "--week", "2026-12-09", "--category", "Birthday"},
         [](const auto& o) { return Day(o.week) == "2026-12-09" && o.category == "Birthday"; }},
        {{"--help"}, [](const auto& o) { return o.help; }},
        {{"-h"}, [](const auto& o) { return o.help; }},
        {{"--version"}, [](const auto& o) { return o.version; }},
    };
    for (const auto& c : cases) {
        const std::string line = ::testing::PrintToString(c.args);
        CAgendaOptions options;
        std::string error;
        ASSERT_TRUE(ParseAgendaOptions(c.args, options, error)) << line << ": " << error;
        EXPECT_TRUE(c.holds(options)) << line;
    }
}

TEST(AgendaOptions, BadArgumentsAreNamed) {
    const struct {
        Args args;
        const char* message;
    } cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"december"}, "unexpected argument 'december'"},
        {{"--from"}, "--from needs a value: --from YYYY-MM-DD"},
        {{"--data="}, "--data needs a value: --data FILE"},
        {{"--from", "2026-13-01"}, "--from takes a date written YYYY-MM-DD, not '2026-13-01'"},
        {{"--to", "2023-02-29"}, "--to takes a date written YYYY-MM-DD, not '2023-02-29'"},
        {{"--from", "2026-2-1"}, "--from takes a date written YYYY-MM-DD, not '2026-2-1'"},
        {{"--from", "+026-12-01"}, "--from takes a date written YYYY-MM-DD, not '+026-12-01'"},
        {{"--days", "0"}, "--days takes a whole number of days, 1 or more, not '0'"},
        {{"--days", "-3"}, "--days takes a whole number of days, 1 or more, not '-3'"},
        {{"--days", "7x"}, "--days takes a whole number of days, 1 or more, not '7x'"},
        {{"--format", "xml"}, "--format takes text, tsv, json or ics, not 'xml'"},
        {{"--moon=yes"}, "--moon takes no value"},
        {{"--month", "2026-1"}, "--month takes a month written YYYY-MM, not '2026-1'"},
        {{"--to", "2026-12-31", "--days", "3"}, "--to and --days cannot be used together"},
        {{"--month", "2026-12"}, "--month and --week go with --pdf FILE"},
        {{"--pdf", "a.pdf", "--month", "2026-12", "--week", "2026-12-01"},
         "--month and --week cannot be used together"},
        {{"--pdf", "a.pdf", "--days", "3"},
         "--days does not go with --pdf, which prints the calendar grid"},
        {{"--sun", "--pdf", "a.pdf"},
         "--sun does not go with --pdf, which prints the calendar grid"},
    };
    for (const auto& c : cases) {
        CAgendaOptions options;
        std::string error;
        EXPECT_FALSE(ParseAgendaOptions(c.args, options, error)) << c.message;
        EXPECT_EQ(error, c.message);
    }
}

TEST(AgendaOptions, APdfIsSeenBeforeTheRest) {
    const struct {
        Args args;
        bool pdf;
    } cases[] = {
        {{"--pdf", "a.pdf"}, true},
        {{"--days", "3", "--pdf=a.pdf"}, true},
        {{"--pdfs"}, false},
        {{"--format", "tsv"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsksForPdf(c.args), c.pdf) << ::testing::PrintToString(c.args);
}

} // namespace
