#include "almanac/StartingHolidays.h"

#include "almanac/HolidayList.h"
#include "store/SafeFile.h"
#include "zadad/Utility.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string CStartingHolidays::DeliveredFile() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return std::string();
    return (exe.parent_path().parent_path() / "share" / "orrindale" / CHolidayList::kFileName)
        .string();
}

BOOL CStartingHolidays::Provide() {
    return Provide(DeliveredFile());
}

BOOL CStartingHolidays::Provide(const std::string& deliveredFile) {
    std::string target = CHolidayList::kFileName;
    if (CUtility::FindFile(target)) return 1;
    if (deliveredFile.empty() || !CSafeFile::Exists(deliveredFile)) return 0;
    return CSafeFile::Copy(deliveredFile, target) ? 1 : 0;
}
