// Prints holidays that libzadad computes: the dates of Easter 2024 and 2025
// and of Election Day 2024.
#include <zadad/Utility.h>

#include <cstdio>

int main() {
    const COleDateTime dates[] = {CUtility::GetEaster(2024), CUtility::GetEaster(2025),
                                  CUtility::GetElectionDay(2024)};
    for (const COleDateTime& date : dates)
        std::printf("%s\n", date.Format("%Y-%m-%d").c_str());
    return 0;
}
