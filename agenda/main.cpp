// orrindale-agenda: the calendar's notes on the command line, read without
// changing anything on disk, while the program runs or not. It loads no Qt
// library (the store reads its file with the system's own calls); the PDF of
// the grid and the iCalendar format are made by orrindale-agenda-full beside it.
#include "agenda/AgendaOptions.h"
#include "agenda/AgendaRun.h"
#include "agenda/FullAgendaProcess.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    CAgendaOptions options;
    std::string error;
    // Bad arguments are told by the run below, as for any other.
    if (ParseAgendaOptions(args, options, error) && NeedsFullAgenda(options))
        return RunFullAgendaProcess(argv, std::cerr);
    return RunAgenda(args, std::cout, std::cerr, AgendaWriters{});
}
