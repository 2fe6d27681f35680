#pragma once
// The month title of the calendar, and what a month chosen from the list
// under it shows: that
// month in month mode; in week mode the week of the same day of the chosen
// month as the first shown day, or of the chosen month's last day when it
// is shorter (31 January, February chosen: the week of February's last day).

#include "zadad/OleDateTime.h"

#include <string>

struct CMonthChoice {
    int year;
    int month;
};

// The month of a list item's data: (year - 2000) x 12 + (month - 1).
CMonthChoice MonthOfListData(int data);
// The month's title, "%B, %Y" of its first day: "March, 2003".
std::string MonthTitle(int year, int month);
// The day whose week is shown in week mode, at 00:00.
COleDateTime WeekModeDate(const COleDateTime& firstShownDay, const CMonthChoice& choice);
