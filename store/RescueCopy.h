#pragma once
// Where the notes go when the data file cannot be written on the way out (a
// read-only folder or file, a full disk, "Note.Dat" turned into a folder):
// a copy named "Note.Dat.unsaved-<date and time>" in the first directory
// that takes it, of the program directory, the user's state directory and
// the temporary directory. The copy has the data file's form, so "Import
// Notes" brings the notes back.

#include "zadad/OleDateTime.h"

#include <string>
#include <vector>

class CCalendarData;

class CRescueCopy {
public:
    static constexpr const char* kSuffix = ".unsaved-";

    // The directories tried, in order, each ending in '/'.
    static std::vector<std::string> Directories();
    // Writes the notes; the copy's full path, or empty when no directory took it.
    static std::string Write(CCalendarData& data, const COleDateTime& now);
    // Where the notes are now, in words for the user, for the copy's path
    // as Write returned it.
    static std::string Where(const std::string& copy);
};
