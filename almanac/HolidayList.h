#pragma once
// CHolidayList: "Holiday.txt" in the program directory, one holiday per line
// (see CUtility::ParseHolidayString). It is read into the note manager each
// time the data file is loaded, just before the notes, and rewritten only
// from the holiday options page.

#include "zadad/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

class CCalendarData;
class CHolidayNote;
class CNoteManager;

class CHolidayList {
public:
    static constexpr const char* kFileName = "Holiday.txt";
    // The line end the program writes.
    static constexpr const char* kLineEnd = "\r\n";

    // How reading the file went: read whole, no file, a file (or folder)
    // that cannot be opened, or an error part way through.
    enum class ReadResult { kRead, kMissing, kCannotOpen, kReadError };

    // Makes every CCalendarData::Load read the holidays into its emptied note manager.
    static void Attach(CCalendarData& data);

    // Adds the holidays of the file to manager. No file, or one that cannot
    // be opened: no holidays and no message. Lines may end in CR LF, LF or CR; lines that are no
    // holiday are skipped. An error while reading shows "Data Read Error!" and keeps what was read;
    // once the holiday IDs are used up the rest of the file is skipped with a warning.
    // path may name another file than the program directory's; the result
    // tells how reading it went.
    static ReadResult Load(CNoteManager& manager, const std::string& path = kFileName);

    // Adds the holiday of one line; 1 when a record was added, else 0.
    static int AddLine(CNoteManager& manager, const std::string& line);

    // The whole file as it lies on disk. After a read error content holds
    // what was read before it.
    static ReadResult ReadFile(std::string& content, std::string path = kFileName);
    // The lines of content exactly as they stand, each with its own line end
    // (CR LF, LF or CR; only the last may have none).
    static std::vector<std::string> SplitLines(const std::string& content);
    // The holiday of one line as SplitLines gives it, or nullptr when the
    // line holds none. The first line may start with a byte-order mark.
    static std::unique_ptr<CHolidayNote> HolidayOf(const std::string& line, bool firstLine);

    // Replaces the file with content. False when it could not be written;
    // the old file then stays.
    static BOOL Rewrite(const std::string& content);

    // The file's line for one holiday, without its line end. Backticks and
    // line breaks inside the title or text become spaces, since the file has
    // no way to hold them.
    static std::string FormatLine(const CHolidayNote& holiday);

private:
    enum class AddResult { kAdded, kNotHoliday, kNoIDLeft };
    static AddResult AddHoliday(CNoteManager& manager, std::unique_ptr<CHolidayNote> holiday);
};
