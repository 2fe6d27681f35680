#pragma once
// One run of orrindale-agenda: reads the command line, the data file and the
// holiday file without changing anything on disk, and prints the agenda or
// hands the calendar to the PDF printer. Messages go to the error stream,
// never into a window.

#include "agenda/AgendaRange.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

class CCalendarData;

// Exit statuses.
inline constexpr int kAgendaOk = 0;
inline constexpr int kAgendaFileError = 1; // a file could not be read, or the output written
inline constexpr int kAgendaBadArguments = 2;

// Prints the period of data to a PDF file; false with a message in error.
using AgendaPdfPrinter = std::function<bool(CCalendarData& data, const AgendaPeriod& period,
                                            const std::string& file, std::string& error)>;

// args without the program's name; printPdf may be empty where no PDF can
// be made. Returns the exit status.
int RunAgenda(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const AgendaPdfPrinter& printPdf);
