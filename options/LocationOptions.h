#pragma once
// The values of the "Other" page: where the user is and the time zone, as
// whole numbers with a hemisphere and a sign, converted from and to the
// signed degrees and hours the settings keep; and whether the program starts
// with the desktop session.
//
// The sign of a coordinate sits on its degrees. A place less than one degree
// from the equator or the prime meridian has 0 whole degrees, so its
// hemisphere is the sign of that zero: -0.0 is south or east.

#include "zadad/WinTypes.h"

#include <string>

class CCalendarData;

class CLocationOptions {
public:
    enum { kNorth = 0, kSouth = 1 };
    enum { kWest = 0, kEast = 1 };
    enum { kPlus = 0, kMinus = 1 };

    static constexpr int kMaxLatitude = 65;
    static constexpr int kMaxLongitude = 180;
    static constexpr int kMaxMinutes = 60; // minutes and seconds of a coordinate
    static constexpr int kMaxZoneHours = 14;
    static constexpr int kMaxZoneMinutes = 59;
    // The time zones the sun times can use, in minutes east of UTC.
    static constexpr int kZoneWestLimit = -(12 * 60 + 30);
    static constexpr int kZoneEastLimit = 14 * 60;
    static constexpr const char* kZoneMessage =
        "Please enter a time zone between GMT-12:30 and GMT+14:00.";

    static CLocationOptions FromData(const CCalendarData& data);
    void ToData(CCalendarData& data) const;
    // Whether the sign, hours and minutes name a time zone the sun times use.
    bool IsZoneInRange() const;
    // The zone in hours east of UTC.
    double ZoneHours() const;

    unsigned m_nLatDeg = 0;
    unsigned m_nLatMin = 0;
    unsigned m_nLatSec = 0;
    unsigned m_nLongDeg = 0;
    unsigned m_nLongMin = 0;
    unsigned m_nLongSec = 0;
    unsigned m_nZoneMinutes = 0;
    BOOL m_bDaylightSaving = 0;
    int m_nZoneHours = 0; // list index = hours
    int m_nZoneSign = kPlus;
    BOOL m_bShowSunInfo = 0;
    int m_nLatHemisphere = kNorth;
    int m_nLongHemisphere = kWest;
    // No setting of the data file: whether the autostart entry is there
    // (COptionValues reads it and writes it back).
    BOOL m_bStartWithSession = 0;
};
