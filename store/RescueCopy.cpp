#include "store/RescueCopy.h"

#include "store/CalendarData.h"
#include "store/SafeFile.h"
#include "zadad/ProgramDirectory.h"
#include "zadad/Utility.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataFileName = "Note.Dat";

// Appending an empty name ends the path in exactly one '/'.
std::string WithSlash(const std::string& dir) {
    return (fs::path(dir).lexically_normal() / "").string();
}

std::string TemporaryDirectory() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp == '/' ? tmp : "/tmp";
}

bool Created(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec);
}

} // namespace

std::vector<std::string> CRescueCopy::Directories() {
    const std::string state =
        CProgramDirectory::UserBaseDirectory("XDG_STATE_HOME", ".local/state");
    return {CUtility::GetAppPath(), WithSlash(state + "/orrindale"),
            WithSlash(TemporaryDirectory())};
}

std::string CRescueCopy::Write(CCalendarData& data, const COleDateTime& now) {
    const std::string suffix = kSuffix + now.Format("%Y%m%d-%H%M");
    for (const std::string& dir : Directories()) {
        if (!Created(dir)) continue;
        const std::string copy = CSafeFile::FreeName(dir + kDataFileName, suffix);
        if (data.SaveCopy(copy)) return copy;
    }
    return {};
}

std::string CRescueCopy::Where(const std::string& copy) {
    if (copy.empty()) return "The notes could not be written anywhere.";
    return "The notes have been written to " + copy +
           ". To get them back, choose that file with \"Import Notes\".";
}
