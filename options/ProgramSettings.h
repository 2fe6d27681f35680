#pragma once
// The program's own settings file, for what the data file has no field for:
// the data file keeps the layout that every copy of the program reads. It is
// Qt's INI form, $XDG_CONFIG_HOME/orrindale/orrindale.conf (that is,
// ~/.config/orrindale/orrindale.conf). A missing, unreadable or damaged file
// means the defaults, and a value that is not understood keeps its default:
// the program runs the same without the file.

#include "zadad/WinTypes.h"

#include <string>

// Ringing alarms also show a desktop notification (initially 1).
extern BOOL g_bDesktopNotification;

class CProgramSettings {
public:
    // The settings file's full path.
    static std::string FilePath();
    // Puts every value back to its default, then reads the file at path.
    static void Load(const std::string& path = FilePath());
    // Writes the values to the file at path, keeping whatever else it holds.
    // False when it could not be written.
    static bool Save(const std::string& path = FilePath());
    // The message that tells the user the file at path could not be written.
    static std::string SaveFailureText(const std::string& path = FilePath());
};
