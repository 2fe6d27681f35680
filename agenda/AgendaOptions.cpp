#include "agenda/AgendaOptions.h"

#include <charconv>
#include <cstring>

namespace {

// Applies an option's value; an error for the user, or empty.
using Apply = std::string (*)(CAgendaOptions&, const std::string&);

// One option: a switch sets its flag, a file or a name is kept as given,
// anything else is read by apply.
struct OptionEntry {
    const char* name;
    const char* value; // what the value looks like; nullptr for a switch
    bool listingOnly;  // meaningless for a PDF of the grid
    bool CAgendaOptions::*flag = nullptr;
    std::string CAgendaOptions::*text = nullptr;
    Apply apply = nullptr;
};

// Digits at every position of text from first to last, nothing else.
bool Digits(const std::string& text, std::size_t first, std::size_t last, int& value) {
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end && *begin != '-' && *begin != '+';
}

std::optional<COleDateTime> ValidDay(int year, int month, int day) {
    const COleDateTime date(year, month, day, 0, 0, 0);
    if (date.GetStatus() != COleDateTime::valid) return std::nullopt;
    return date;
}

std::string DayInto(std::optional<COleDateTime>& target, const char* name,
                    const std::string& value) {
    target = ParseAgendaDay(value);
    if (target) return {};
    return std::string(name) + " takes a date written YYYY-MM-DD, not '" + value + "'";
}

std::string FormatInto(AgendaFormat& target, const std::string& value) {
    static const struct {
        const char* name;
        AgendaFormat format;
    } kFormats[] = {{"text", AgendaFormat::kText},
                    {"tsv", AgendaFormat::kTsv},
                    {"json", AgendaFormat::kJson},
                    {"ics", AgendaFormat::kIcs}};
    for (const auto& f : kFormats) {
        if (value == f.name) {
            target = f.format;
            return {};
        }
    }
    return "--format takes text, tsv, json or ics, not '" + value + "'";
}

std::string DaysInto(int& target, const std::string& value) {
    int days = 0;
    if (value.empty() || !Digits(value, 0, value.size() - 1, days) || days < 1)
        return "--days takes a whole number of days, 1 or more, not '" + value + "'";
    target = days;
    return {};
}

const OptionEntry kOptions[] = {
    {"--data", "FILE", false, nullptr, &CAgendaOptions::dataFile},
    {"--holidays-file", "FILE", false, nullptr, &CAgendaOptions::holidaysFile},
    {"--from", "YYYY-MM-DD", true, nullptr, nullptr,
     [](CAgendaOptions& o, const std::string& v) { return DayInto(o.from, "--from", v); }},
    {"--to", "YYYY-MM-DD", true, nullptr, nullptr,
     [](CAgendaOptions& o, const std::string& v) { return DayInto(o.to, "--to", v); }},
    {"--days", "N", true, nullptr, nullptr,
     [](CAgendaOptions& o, const std::string& v) { return DaysInto(o.days, v); }},
    {"--format", "text|tsv|json|ics", true, nullptr, nullptr,
     [](CAgendaOptions& o, const std::string& v) { return FormatInto(o.format, v); }},
    {"--category", "NAME", false, nullptr, &CAgendaOptions::category},
    {"--no-history", nullptr, false, &CAgendaOptions::noHistory},
    {"--holidays", nullptr, true, &CAgendaOptions::holidays},
    {"--moon", nullptr, true, &CAgendaOptions::moon},
    {"--sun", nullptr, true, &CAgendaOptions::sun},
    {"--pdf", "FILE", false, nullptr, &CAgendaOptions::pdfFile},
    {"--month", "YYYY-MM", false, nullptr, nullptr,
     [](CAgendaOptions& o, const std::string& v) {
         o.month = ParseAgendaMonth(v);
         return o.month ? std::string() : "--month takes a month written YYYY-MM, not '" + v + "'";
     }},
    {"--week", "YYYY-MM-DD", false, nullptr, nullptr,
     [](CAgendaOptions& o, const std::string& v) { return DayInto(o.week, "--week", v); }},
    {"--help", nullptr, false, &CAgendaOptions::help},
    {"-h", nullptr, false, &CAgendaOptions::help},
    {"--version", nullptr, false, &CAgendaOptions::version},
};

// Takes the option's value into options; an error for the user, or empty.
std::string Take(const OptionEntry& entry, const std::string& value, CAgendaOptions& options) {
    if (entry.flag) {
        options.*entry.flag = true;
    } else if (entry.text) {
        options.*entry.text = value;
    } else {
        return entry.apply(options, value);
    }
    return {};
}

const OptionEntry* FindOption(const std::string& name) {
    for (const OptionEntry& entry : kOptions)
        if (name == entry.name) return &entry;
    return nullptr;
}

// The options that exclude each other; empty when they all go together.
std::string Conflicts(const CAgendaOptions& o) {
    if (o.to && o.days) return "--to and --days cannot be used together";
    if (o.month && o.week) return "--month and --week cannot be used together";
    if ((o.month || o.week) && o.pdfFile.empty()) return "--month and --week go with --pdf FILE";
    if (!o.pdfFile.empty() && !o.listingOption.empty())
        return o.listingOption + " does not go with --pdf, which prints the calendar grid";
    return {};
}

} // namespace

bool NeedsFullAgenda(const CAgendaOptions& options) {
    if (options.help || options.version) return false;
    return !options.pdfFile.empty() || options.format == AgendaFormat::kIcs;
}

std::optional<COleDateTime> ParseAgendaDay(const std::string& text) {
    int year = 0, month = 0, day = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 3, year) ||
        !Digits(text, 5, 6, month) || !Digits(text, 8, 9, day))
        return std::nullopt;
    return ValidDay(year, month, day);
}

std::optional<COleDateTime> ParseAgendaMonth(const std::string& text) {
    int year = 0, month = 0;
    if (text.size() != 7 || text[4] != '-' || !Digits(text, 0, 3, year) ||
        !Digits(text, 5, 6, month))
        return std::nullopt;
    return ValidDay(year, month, 1);
}

bool ParseAgendaOptions(const std::vector<std::string>& args, CAgendaOptions& options,
                        std::string& error) {
    options = CAgendaOptions();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const OptionEntry* entry = FindOption(name);
        if (!entry) {
            error = arg.rfind('-', 0) == 0 ? "unknown option '" + arg + "'"
                                           : "unexpected argument '" + arg + "'";
            return false;
        }
        std::string value;
        if (!entry->value) {
            if (equals != std::string::npos) {
                error = name + " takes no value";
                return false;
            }
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        }
        if (entry->value && value.empty()) {
            error = name + " needs a value: " + name + " " + entry->value;
            return false;
        }
        error = Take(*entry, value, options);
        if (!error.empty()) return false;
        if (entry->listingOnly && options.listingOption.empty()) options.listingOption = name;
    }
    error = Conflicts(options);
    return error.empty();
}
