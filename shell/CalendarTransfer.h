#pragma once
// Export and import of calendar files (iCalendar, ".ics") for other calendar
// programs. Export writes every note another calendar can take; import adds
// the events of a file as new notes and never replaces the data file. Both
// tell the user how it went.

#include <cstdint>
#include <string>
#include <string_view>

class CCalendarData;

class CCalendarTransfer {
public:
    // Larger files are no calendar anyone keeps by hand and are not read.
    static constexpr std::uintmax_t kMaxImportBytes = 64u * 1024u * 1024u;

    // False, after telling the user, when the file could not be written.
    static bool Export(const CCalendarData& data, const std::string& target);
    // How many notes were added, after telling the user what came in and
    // what could not (or why the file could not be read).
    static int Import(CCalendarData& data, const std::string& source);

    // An event's description as the text of a note: plain text stays plain,
    // unless it would be taken for rich text, which is then written as such.
    static std::string NoteText(std::string_view plainText);

private:
    static void Report(const std::string& text, bool failed);
};
