// orrindale-agenda: the calendar's notes on the command line, read without
// changing anything on disk, while the program runs or not. It loads no GUI
// library; the PDF of the grid is made by the printer beside it.
#include "agenda/AgendaOptions.h"
#include "agenda/AgendaRun.h"
#include "agenda/PdfPrinterProcess.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (AsksForPdf(args)) return RunPdfPrinterProcess(argv, std::cerr);
    return RunAgenda(args, std::cout, std::cerr, nullptr);
}
