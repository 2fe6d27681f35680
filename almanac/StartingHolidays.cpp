#include "almanac/StartingHolidays.h"

#include "almanac/HolidayList.h"
#include "store/SafeFile.h"
#include "zadad/Utility.h"

std::string CStartingHolidays::DeliveredFile() {
    return CUtility::GetDeliveredFile(std::string("orrindale/") + CHolidayList::kFileName);
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
