// orrindale-agenda-pdf: orrindale-agenda with the calendar grid's printer,
// which orrindale-agenda starts for --pdf.
#include "agenda/AgendaPdf.h"
#include "agenda/AgendaRun.h"

#include <iostream>

int main(int argc, char** argv) {
    return RunAgenda(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                     PrintAgendaPdf);
}
