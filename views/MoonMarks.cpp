#include "views/MoonMarks.h"

#include "almanac/MoonPhase.h"
#include "zadad/Utility.h"

#include <cmath>

std::vector<int> GridMoonMarks(const COleDateTime& first, int cellCount) {
    std::vector<int> marks(static_cast<std::size_t>(std::max(cellCount, 0)), -1);
    const CMoonPhase moon;
    const COleDateTime end = first + COleDateTimeSpan(static_cast<double>(cellCount));
    // After a phase the search goes on from the next day, so no cell gets two.
    for (COleDateTime day = first; day < end;) {
        COleDateTime phaseDay;
        int phase = -1;
        moon.NextPhase(day, phaseDay, phase);
        if (phaseDay.GetStatus() != COleDateTime::valid) break;
        const double offset = std::floor((phaseDay - first).GetTotalDays() + 0.5);
        if (offset < 0 || offset >= cellCount) break;
        marks[static_cast<std::size_t>(offset)] = phase;
        day = phaseDay + CUtility::OneDay;
    }
    return marks;
}
