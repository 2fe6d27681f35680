#pragma once
// date constants, date arithmetic, the local time settings and the font record.

#include "zadad/OleDateTime.h"
#include "zadad/WinTypes.h"

#include <string>
#include <string_view>

class CArchive;

namespace dateutility_detail {
// A valid date from its day count, usable in constant expressions so that the
// bounds below exist before any other static initialiser asks for them.
constexpr COleDateTime DateFromDays(double days) {
    COleDateTime dt;
    dt.m_dt = days;
    return dt;
}

// Whether a locale's time format (its T_FMT) shows a 12-hour clock.
bool UsesTwelveHourClock(std::string_view timeFormat);
} // namespace dateutility_detail

class CDateUtility {
public:
    // The spans every piece of date arithmetic is written with.
    static constexpr COleDateTimeSpan OneSecond{1.0 / 86400.0};
    static constexpr COleDateTimeSpan OneMinute{1.0 / 1440.0};
    static constexpr COleDateTimeSpan FifteenMinute{15.0 / 1440.0};
    static constexpr COleDateTimeSpan OneHour{1.0 / 24.0};
    static constexpr COleDateTimeSpan OneDay{1.0};
    static constexpr COleDateTimeSpan SevenDay{7.0};
    // Six calendar weeks: the extent of a month grid.
    static constexpr COleDateTimeSpan FortyTwoDay{42.0};
    // The bounds of the date pickers: 2000-01-01 and 2100-01-01, both at 00:00.
    static constexpr COleDateTime MinDate = dateutility_detail::DateFromDays(36526.0);
    static constexpr COleDateTime MaxDate = dateutility_detail::DateFromDays(73051.0);

    // The same day at 00:00:00.
    static void GetStartOfDay(COleDateTime& dt);
    // 1 when year, month and day agree, whatever the times of day; else 0.
    static int IsSameDate(COleDateTime a, COleDateTime b);
    // The last day of month (1-12) of year at 00:00:00; invalid for other months.
    static COleDateTime GetLastDayOfMonth(int year, int month);
    // 1 when a and b fall in the same calendar week (Sunday to Saturday when
    // weekStartsSunday is nonzero, else Monday to Sunday); else 0.
    static int IsInSaveWeek(COleDateTime a, COleDateTime b, int weekStartsSunday);

    // Hours east of UTC of this machine's standard time (fractions kept) and
    // whether daylight saving is in force now.
    static void GetLocalTimeSetting(double& zoneHours, int& daylight);
    // "%#I:%M %p" (or with ":%S") when the user's time locale uses a 12-hour
    // clock, else "%#H:%M" (or with ":%S").
    static std::string GetLocalTimeFormat(int withSeconds);

    // Stores or loads a font description: the numeric fields, then the face
    // name as an archive string.
    static void SerializeFont(CArchive& ar, LOGFONT& lf);
};
