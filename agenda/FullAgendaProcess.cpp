#include "agenda/FullAgendaProcess.h"

#include "agenda/AgendaRun.h"
#include "zadad/ProgramDirectory.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

int RunFullAgendaProcess(char** argv, std::ostream& err) {
    // Beside this program in the build tree; under libexec when installed.
    const std::string dir = CProgramDirectory::GetExecutableDirectory();
    std::string path = dir + "/" + kFullAgendaName;
    if (access(path.c_str(), X_OK) != 0) path = dir + "/../libexec/orrindale/" + kFullAgendaName;
    execv(path.c_str(), argv);
    err << "orrindale-agenda: cannot start " << path << ": " << std::strerror(errno) << '\n';
    return kAgendaFileError;
}
