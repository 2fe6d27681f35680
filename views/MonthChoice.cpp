#include "views/MonthChoice.h"

namespace {
constexpr int kFirstYear = 2000;
constexpr int kMonths = 12;
} // namespace

CMonthChoice MonthOfListData(int data) {
    return {kFirstYear + data / kMonths, data % kMonths + 1};
}

COleDateTime WeekModeDate(const COleDateTime& firstShownDay, const CMonthChoice& choice) {
    // The day is lowered until the chosen month has it; day 1 always exists.
    int day = firstShownDay.GetDay();
    COleDateTime date(choice.year, choice.month, day, 0, 0, 0);
    while (date.GetStatus() != COleDateTime::valid && day > 1)
        date = COleDateTime(choice.year, choice.month, --day, 0, 0, 0);
    return date;
}
