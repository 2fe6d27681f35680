#include "almanac/StartingHolidays.h"

#include "almanac/HolidayList.h"
#include "store/SafeFile.h"
#include "zadad/Utility.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string CStartingHolidays::DeliveredFile() {
    const std::string bin = CUtility::GetExecutableDirectory();
    if (bin.empty()) return std::string();
    return (fs::path(bin).parent_path() / "share" / "orrindale" / CHolidayList::kFileName).string();
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
