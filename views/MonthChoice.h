#pragma once
// What a month chosen from the list under the month title shows: that
// month in month mode; in week mode the week of the same day of the chosen
// month as the first shown day, or of the chosen month's last day when it
// is shorter (31 January, February chosen: the week of February's last day).

#include "zadad/OleDateTime.h"

struct CMonthChoice {
    int year;
    int month;
};

// The month of a list item's data: (year - 2000) x 12 + (month - 1).
CMonthChoice MonthOfListData(int data);
// The day whose week is shown in week mode, at 00:00.
COleDateTime WeekModeDate(const COleDateTime& firstShownDay, const CMonthChoice& choice);
