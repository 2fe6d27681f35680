#pragma once
// One run of orrindale-agenda: reads the command line, the data file and the
// holiday file without changing anything on disk, and prints the agenda or
// the calendar grid as a PDF. Messages go to the error stream, never into a
// window.

#include "agenda/AgendaRange.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

class CCalendarData;
struct CAgendaLine;

// Exit statuses.
inline constexpr int kAgendaOk = 0;
inline constexpr int kAgendaFileError = 1; // a file could not be read, or the output written
inline constexpr int kAgendaBadArguments = 2;

// Prints the period of data to a PDF file; false with a message in error.
using AgendaPdfPrinter = std::function<bool(CCalendarData& data, const AgendaPeriod& period,
                                            const std::string& file, std::string& error)>;
// The lines as an iCalendar file.
using AgendaIcsWriter =
    std::function<std::string(const CCalendarData& data, const std::vector<CAgendaLine>& lines)>;

// What takes libraries the listing never loads (the user interface's for
// the PDF, libical for the calendar format); empty where they are not there.
struct AgendaWriters {
    AgendaPdfPrinter printPdf;
    AgendaIcsWriter writeIcs;
};

// args without the program's name. Returns the exit status.
int RunAgenda(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const AgendaWriters& writers);
