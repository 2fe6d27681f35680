#pragma once
// What orrindale-agenda was asked for, read from its command line. Reading
// checks each option on its own and the options against each other; the
// range they describe is worked out by AgendaRange.

#include "zadad/OleDateTime.h"

#include <optional>
#include <string>
#include <vector>

enum class AgendaFormat { kText, kTsv, kJson, kIcs };

struct CAgendaOptions {
    std::string dataFile;     // empty: "Note.Dat" in the program directory
    std::string holidaysFile; // empty: "Holiday.txt" there
    // Days at 00:00.
    std::optional<COleDateTime> from;
    std::optional<COleDateTime> to;
    int days = 0; // 0: not given
    AgendaFormat format = AgendaFormat::kText;
    std::string category; // empty: every category
    bool noHistory = false;
    bool holidays = false;
    bool moon = false;
    bool sun = false;
    // The calendar grid as a PDF: the month of month (its 1st) or the week of week.
    std::string pdfFile;
    std::optional<COleDateTime> month;
    std::optional<COleDateTime> week;
    bool help = false;
    bool version = false;
    // The first option given that only a listing takes, for the message
    // when it comes with --pdf.
    std::string listingOption;
};

// Reads args (without the program's name). False with a message for the
// user in error when an option is unknown, lacks its value, has a value
// that is no date or number, or does not go with another one.
bool ParseAgendaOptions(const std::vector<std::string>& args, CAgendaOptions& options,
                        std::string& error);

// Whether the run needs orrindale-agenda-full: the grid as a PDF, or the
// iCalendar format.
bool NeedsFullAgenda(const CAgendaOptions& options);

// A day written YYYY-MM-DD, and a month written YYYY-MM (its 1st), at
// 00:00; nothing when the text is not one.
std::optional<COleDateTime> ParseAgendaDay(const std::string& text);
std::optional<COleDateTime> ParseAgendaMonth(const std::string& text);
