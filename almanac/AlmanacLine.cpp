#include "almanac/AlmanacLine.h"

#include "store/CalendarData.h"
#include "zadad/Utility.h"

#include <cmath>
#include <cstdio>

namespace {

// Day 1-6 of January is week 1; the count turns over on days 7, 14, 21 ...
std::string DayAndWeek(const COleDateTime& date) {
    const COleDateTime jan1(date.GetYear(), 1, 1, 0, 0, 0);
    const int dayOfYear = static_cast<int>(std::trunc((date - jan1).GetTotalDays())) + 1;
    char text[64];
    std::snprintf(text, sizeof text, "%d day / %d week", dayOfYear, dayOfYear / 7 + 1);
    return text;
}

} // namespace

AlmanacLocation AlmanacLocationOf(const CCalendarData& data) {
    AlmanacLocation location;
    location.latitude = {data.m_dLatDeg, data.m_dLatMin, data.m_dLatSec};
    location.longitude = {data.m_dLongDeg, data.m_dLongMin, data.m_dLongSec};
    location.zoneHours = data.m_dTimeZone;
    location.daylight = data.m_bDaylightSaving;
    return location;
}

AlmanacLine MakeAlmanacLine(const COleDateTime& date, const AlmanacLocation& location,
                            const std::string& timeFormat) {
    AlmanacLine line;
    line.sunriseTime.SetStatus(COleDateTime::invalid);
    line.sunsetTime.SetStatus(COleDateTime::invalid);
    if (date.GetStatus() != COleDateTime::valid) return line;
    line.dayAndWeek = DayAndWeek(date);

    COleDateTime sunrise = date;
    COleDateTime sunset;
    COleDateTime noon;
    CSunRiseSet::CalcSun(location.latitude, location.longitude, sunrise, sunset, noon,
                         location.daylight, location.zoneHours);
    if (sunrise.GetStatus() == COleDateTime::valid) {
        line.sunrise = sunrise.Format(timeFormat.c_str());
        line.sunset = sunset.Format(timeFormat.c_str());
        line.sunriseTime = sunrise;
        line.sunsetTime = sunset;
    }
    return line;
}

AlmanacLine MakeAlmanacLine(const COleDateTime& date, const AlmanacLocation& location) {
    return MakeAlmanacLine(date, location, CUtility::GetLocalTimeFormat(0));
}
