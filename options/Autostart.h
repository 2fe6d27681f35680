#pragma once
// Starting with the desktop session: a desktop entry named "orrindale.desktop"
// in $XDG_CONFIG_HOME/autostart (~/.config/autostart), which the session
// reads when the user logs in. It starts the program by its absolute path
// with "nologo". The program starts with the session exactly when the file
// is there.

#include <string>

class CAutostart {
public:
    static constexpr const char* kFileName = "orrindale.desktop";

    // The entry's full path.
    static std::string FilePath();
    // The absolute path of the running program.
    static std::string ProgramPath();
    static bool IsOn();
    // Writes the entry for the program at programPath, an absolute path.
    // False, with the message the user is to see, when it cannot be written.
    static bool TurnOn(const std::string& programPath, std::string& message);
    // Removes the entry. False, with the message, when it stays.
    static bool TurnOff(std::string& message);

    // The entry's text for the program at programPath.
    static std::string EntryText(const std::string& programPath);
    // One argument as an Exec line holds it: quoted, with the characters
    // that mean something inside quotes escaped, then written as a value of
    // the desktop entry (backslashes doubled, "%" as "%%").
    static std::string ExecArgument(const std::string& argument);
};
