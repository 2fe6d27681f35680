#pragma once
// The almanac line under the calendar: the day of the year with a week count,
// and the local times of sunrise and sunset at the configured place.

#include "zadad/OleDateTime.h"
#include "zadad/SunRiseSet.h"

#include <string>

class CCalendarData;

// The location settings the line needs, as the options record keeps them.
struct AlmanacLocation {
    CSunRiseSet::latlon latitude;  // north positive
    CSunRiseSet::latlon longitude; // west positive
    double zoneHours = 0.0;        // hours east of UTC
    int daylight = 0;              // daylight saving time in force
};

// The user's place and time zone from the settings. A coordinate's sign sits
// on its degrees, the sign of a zero included (-0.0 is south or east).
AlmanacLocation AlmanacLocationOf(const CCalendarData& data);

struct AlmanacLine {
    std::string dayAndWeek; // "%d day / %d week"
    std::string sunrise;    // empty in polar day or night
    std::string sunset;
    // The two times themselves; status invalid in polar day or night.
    COleDateTime sunriseTime;
    COleDateTime sunsetTime;
};

// The three strings for date (its day counts, the time of day does not). The
// times are formatted with timeFormat, a COleDateTime::Format pattern.
AlmanacLine MakeAlmanacLine(const COleDateTime& date, const AlmanacLocation& location,
                            const std::string& timeFormat);
// The same with the hours and minutes format of the user's locale.
AlmanacLine MakeAlmanacLine(const COleDateTime& date, const AlmanacLocation& location);
