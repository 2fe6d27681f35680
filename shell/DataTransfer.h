#pragma once
// Export and import of whole data files. Export saves the notes and writes a
// copy of "Note.Dat" where the user chose. Import reads the chosen file first
// and replaces the notes only when it loads: the current "Note.Dat" is then
// kept as "Note.Dat.before-import", the chosen file takes its place and
// everything is reloaded. A file that cannot be read changes nothing.

#include <cstdint>
#include <string>
#include <vector>

class CCalendarData;

class CDataTransfer {
public:
    static constexpr const char* kBeforeImportSuffix = ".before-import";
    // Larger files are no data file of this program and are not read at all.
    static constexpr std::uintmax_t kMaxImportBytes = 256u * 1024u * 1024u;

    // The question before an import; true when the user said Yes.
    static bool ConfirmReplace();
    // False, after telling the user, when no complete copy was written.
    static bool Export(CCalendarData& data, const std::string& target);
    // False, after telling the user, when nothing was replaced.
    static bool Import(CCalendarData& data, const std::string& source);

private:
    static bool ReadDataFile(const std::string& source, std::vector<std::uint8_t>& bytes);
    static bool Loads(const std::vector<std::uint8_t>& bytes);
    static void Report(const std::string& text);
};
