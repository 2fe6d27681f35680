#include "views/MonthChoice.h"

#include "res/StringTable.h"

namespace {
constexpr int kFirstYear = 2000;
constexpr int kMonths = 12;
constexpr int kTitleFormat = 61244; // "%B, %Y"
} // namespace

CMonthChoice MonthOfListData(int data) {
    return {kFirstYear + data / kMonths, data % kMonths + 1};
}

std::string MonthTitle(int year, int month) {
    return COleDateTime(year, month, 1, 0, 0, 0).Format(LoadString(kTitleFormat).c_str());
}

COleDateTime WeekModeDate(const COleDateTime& firstShownDay, const CMonthChoice& choice) {
    // The day is lowered until the chosen month has it; day 1 always exists.
    int day = firstShownDay.GetDay();
    COleDateTime date(choice.year, choice.month, day, 0, 0, 0);
    while (date.GetStatus() != COleDateTime::valid && day > 1)
        date = COleDateTime(choice.year, choice.month, --day, 0, 0, 0);
    return date;
}
