#include "store/TimeFormats.h"

std::string g_strTimeFormat = "%#I:%M %p";
std::string g_strWeekdayTimeFormat = "%a, %#I:%M %p";
std::string g_strDayTimeFormat = "%d, %#I:%M %p";
std::string g_strDateTimeFormat = "%x, %#I:%M %p";

void SetTimeFormats(BOOL b24Hour) {
    const std::string time = b24Hour ? "%#H:%M" : "%#I:%M %p";
    g_strTimeFormat = time;
    g_strWeekdayTimeFormat = "%a, " + time;
    g_strDayTimeFormat = "%d, " + time;
    g_strDateTimeFormat = "%x, " + time;
}
