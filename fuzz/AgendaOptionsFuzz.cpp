// orrindale-agenda's command line on arbitrary words (the input split at NUL
// bytes): it is either read or turned down with a message, and what is read
// gives a range of days or a period to print, or a message why not.

#include "agenda/AgendaOptions.h"
#include "agenda/AgendaRange.h"
#include "zadad/OleDateTimeSpan.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const COleDateTime kToday(2026, 12, 8, 0, 0, 0);

std::vector<std::string> Words(const std::uint8_t* bytes, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] == 0)
            words.emplace_back();
        else
            words.back() += static_cast<char>(bytes[i]);
    }
    return words;
}

// The range the listing walks stays within the calendar's years.
bool InCalendarYears(const AgendaRange& range) {
    if (range.days < 1 || range.first.GetStatus() != COleDateTime::valid) return false;
    const COleDateTime last = range.first + COleDateTimeSpan(range.days - 1, 0, 0, 0);
    return range.first.GetYear() >= 2000 && last.GetStatus() == COleDateTime::valid &&
           last.GetYear() <= 2099;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::vector<std::string> args = Words(bytes, size);
    CAgendaOptions options;
    std::string error;
    if (!ParseAgendaOptions(args, options, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    // Help and version never leave the listing process.
    if ((options.help || options.version) && NeedsFullAgenda(options)) std::abort();
    if (options.help || options.version) return 0;
    if (!options.pdfFile.empty()) {
        AgendaPeriod period;
        if (!AgendaPeriodOf(options, kToday, true, period, error) && error.empty()) std::abort();
        return 0;
    }
    AgendaRange range;
    if (!AgendaRangeOf(options, kToday, range, error) && error.empty()) std::abort();
    if (error.empty() && !InCalendarYears(range)) std::abort();
    return 0;
}
