#pragma once
// CHolidayList: "Holiday.txt" in the program directory, one holiday per line
// (see CUtility::ParseHolidayString). It is read into the note manager each
// time the data file is loaded, just before the notes, and rewritten only
// from the holiday options page.

#include "zadad/WinTypes.h"

#include <string>
#include <vector>

class CCalendarData;
class CHolidayNote;
class CNoteManager;

class CHolidayList {
public:
    static constexpr const char* kFileName = "Holiday.txt";

    // Makes every CCalendarData::Load read the holidays into its emptied note manager.
    static void Attach(CCalendarData& data);

    // Adds the holidays of the file to manager. No file, no holidays and no
    // message. Lines may end in CR LF, LF or CR; lines that are no holiday
    // are skipped. An error while reading shows "Data Read Error!" and keeps
    // what was read; once the holiday IDs are used up the rest of the file is
    // skipped with a warning.
    static void Load(CNoteManager& manager);

    // Adds the holiday of one line; 1 when a record was added, else 0.
    static int AddLine(CNoteManager& manager, const std::string& line);

    // Replaces the file with these holidays in this order, each line ending
    // in CR LF. False when it could not be written; the old file then stays.
    static BOOL Rewrite(const std::vector<const CHolidayNote*>& holidays);

    // The file's line for one holiday, without its line end. Backticks and
    // line breaks inside the title or text become spaces, since the file has
    // no way to hold them.
    static std::string FormatLine(const CHolidayNote& holiday);

private:
    enum class AddResult { kAdded, kNotHoliday, kNoIDLeft };
    static AddResult AddHoliday(CNoteManager& manager, const std::string& line);
};
