#pragma once
// The PDF of the grid needs the user interface's libraries, which the
// listing never loads: orrindale-agenda hands a --pdf command line on to
// orrindale-agenda-pdf, which stands beside it and does the whole run.

#include <ostream>

inline constexpr const char* kPdfPrinterName = "orrindale-agenda-pdf";

// Replaces this process by the PDF printer with the same arguments. Returns
// only when it could not be started, after a message on err, with the exit
// status for that.
int RunPdfPrinterProcess(char** argv, std::ostream& err);
