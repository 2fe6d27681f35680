#pragma once
// The program directory, where the notes, their backup and the holiday file
// live: $ORRINDALE_HOME when set; else the executable's directory when a file
// named "portable" stands beside the executable (a copy carried on a stick);
// else $XDG_DATA_HOME/orrindale (~/.local/share/orrindale). Never a build
// folder by accident: a clean rebuild would delete every note.

#include <string>
#include <vector>

namespace programdirectory_detail {
// The program directory for a program whose executable lies in executableDir,
// created on demand, ending in exactly one '/'.
std::string ProgramDirectoryFor(const std::string& executableDir);
// The same directory named only: nothing is created.
std::string ProgramDirectoryNamedFor(const std::string& executableDir);
// CProgramDirectory::AdoptEarlierFiles for an executable in executableDir.
int AdoptEarlierFiles(const std::vector<std::string>& names, const std::string& executableDir);
// CProgramDirectory::GetDeliveredFile for an executable in executableDir.
std::string DeliveredFileFor(const std::string& executableDir, const std::string& relative);
} // namespace programdirectory_detail

class CProgramDirectory {
public:
    // The file beside the executable that keeps the data there.
    static constexpr const char* kPortableMarker = "portable";

    // The program directory, always ending in exactly one '/'.
    static std::string GetAppPath();
    // The same directory for those who only read: named, never created.
    static std::string LocateAppPath();
    // Puts the program directory in front of name (in place) and returns
    // nonzero when a file of that full path exists. A full path stays as it is.
    static int FindFile(std::string& name);
    // The directory of the running executable without a trailing '/'; empty
    // when it cannot be told.
    static std::string GetExecutableDirectory();
    // A file delivered with the program (the starting holiday list, the
    // manual), named by its path under share/: "orrindale/Holiday.txt" is
    // ../share/orrindale/Holiday.txt from the executable's directory. The
    // build tree (build/bin beside build/share) and an installed copy
    // (P/bin beside P/share) are laid out alike, so this one rule finds both.
    // Empty when the executable's directory cannot be told.
    static std::string GetDeliveredFile(const std::string& relative);

    // Earlier builds kept their files beside the executable. Each named file
    // found there is copied (never moved) into the user's data directory when
    // that is the program directory and has no file of that name yet; an
    // existing file is never replaced. Returns how many were copied.
    static int AdoptEarlierFiles(const std::vector<std::string>& names);

    // One of the user's base directories: $XDG_DATA_HOME, $XDG_STATE_HOME ...
    // (variable), else underHome in the home directory.
    static std::string UserBaseDirectory(const char* variable, const char* underHome);
};
