#pragma once
// The four time formats the views use, switched together between the 12-hour
// and the 24-hour clock when the data file is read.

#include "zadad/WinTypes.h"

#include <string>

extern std::string g_strTimeFormat;        // time only
extern std::string g_strWeekdayTimeFormat; // weekday and time
extern std::string g_strDayTimeFormat;     // day of the month and time
extern std::string g_strDateTimeFormat;    // date and time

void SetTimeFormats(BOOL b24Hour);
