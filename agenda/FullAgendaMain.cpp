// orrindale-agenda-full: orrindale-agenda with the calendar grid's printer
// and the iCalendar format, which orrindale-agenda starts for those.
#include "agenda/AgendaIcs.h"
#include "agenda/AgendaPdf.h"
#include "agenda/AgendaRun.h"

#include <iostream>

int main(int argc, char** argv) {
    return RunAgenda(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                     AgendaWriters{PrintAgendaPdf, FormatAgendaIcs});
}
