#include "agenda/PdfPrinterProcess.h"

#include "agenda/AgendaRun.h"
#include "zadad/ProgramDirectory.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

int RunPdfPrinterProcess(char** argv, std::ostream& err) {
    const std::string path = CProgramDirectory::GetExecutableDirectory() + "/" + kPdfPrinterName;
    execv(path.c_str(), argv);
    err << "orrindale-agenda: cannot start " << path << ": " << std::strerror(errno) << '\n';
    return kAgendaFileError;
}
