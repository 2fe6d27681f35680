#pragma once
// CSunRiseSet: local sunrise, sunset and solar noon for a date and a place,
// by the solar-position method of the NOAA solar calculator (after Meeus):
// the sun's place at a Julian century, then the hour angle at a zenith of
// 90.833 degrees, refined once. Angles are degrees unless a name says
// otherwise; times of day are minutes after midnight.
//
// Coordinates: latitude north positive, longitude WEST positive; the sign of a
// coordinate sits on its degrees, and for a place within one degree of the
// equator or the prime meridian on the sign of zero (-0.0 is south or east).

#include "zadad/AngleConstants.h"
#include "zadad/OleDateTime.h"

class CSunRiseSet : public CAngleConstants {
public:
    // One coordinate as degrees, minutes and seconds; the sign is the degrees'.
    struct latlon {
        double degrees = 0.0;
        double minutes = 0.0;
        double seconds = 0.0;
    };

    // The hour-angle and event-time operations' answer when the sun does not
    // reach the horizon that day (polar day or night). Compared exactly.
    static constexpr double NoEvent = -9999.99;
    // getLatorLon's answer for a coordinate that is not a number.
    static constexpr double NoCoordinate = -9999.0;

    CSunRiseSet() = default;
    CSunRiseSet(const CSunRiseSet&) = default;
    CSunRiseSet& operator=(const CSunRiseSet&) = default;
    virtual ~CSunRiseSet() = default;

    // The program's entry: date (in: the day; out: its local sunrise), sunset
    // and noon. Polar day or night, or a place that is no place on Earth,
    // leaves date invalid and sunset and noon untouched. zoneHours is hours
    // east of UTC, -12.5 to +14; anything else counts as UTC. daylight adds an hour.
    static void CalcSun(latlon lat, latlon lon, COleDateTime& date, COleDateTime& sunset,
                        COleDateTime& noon, int daylight, double zoneHours);

    // Calendar.
    static double calcJD(int year, int month, int day); // at 0h UT
    static void calcDateFromJD(double jd, int& year, int& month, int& day);
    static int isLeapYear(int year);
    static int calcDayOfYear(int month, int day, int leap);
    static double calcTimeJulianCent(double jd); // centuries since J2000.0
    static double calcJDFromJulianCent(double t);

    // The sun's place at t Julian centuries.
    static double calcGeomMeanLongSun(double t);
    static double calcGeomMeanAnomalySun(double t);
    static double calcEccentricityEarthOrbit(double t);
    static double calcSunEqOfCenter(double t);
    static double calcSunTrueLong(double t);
    static double calcSunTrueAnomaly(double t);
    static double calcSunRadVector(double t); // astronomical units
    static double calcSunApparentLong(double t);
    static double calcMeanObliquityOfEcliptic(double t);
    static double calcObliquityCorrection(double t);
    static double calcSunRtAscension(double t);
    static double calcSunDeclination(double t);
    static double calcEquationOfTime(double t); // minutes

    // Hour angle in radians (negative for sunset), or NoEvent.
    static double calcHourAngle(double lat, double declination, int rising);
    static double calcSolNoonUTC(double t, double lon); // minutes UTC
    // Minutes UTC of the day of jd (below 0 or above 1440 when the event
    // falls on a neighbouring UTC day), or NoEvent.
    static double calcSunriseUTC(double jd, double lat, double lon);
    static double calcSunsetUTC(double jd, double lat, double lon);

    // Decimal degrees; the minutes and seconds take the sign of the degrees,
    // zero included. NoCoordinate for a value that is not a number.
    static double getLatorLon(double degrees, double minutes, double seconds);

    // The nearest day at or before (findRecent) or after (findNext) jd on
    // which the sun rises. A search gives up after a year of days and
    // returns jd unchanged, at which calcSunriseUTC answers NoEvent.
    static double findRecent(double jd, double lat, double lon);
    static double findNext(double jd, double lat, double lon);

protected:
    // A date from minutes after midnight of a day; see the definition for the
    // rounding. Minutes beyond the day move the date.
    static COleDateTime SetDateTime(int year, int month, int day, double minutes);
    // Polar fallback: the time of the nearest sunrise (rising) or sunset in
    // polar summer or winter, moving jd to its day; -1 (and jd -1) elsewhere.
    // zone is hours WEST of UTC here.
    static double AdjustTime(double lat, double lon, int dayOfYear, double zone,
                             double daylightMinutes, double& jd, int rising);
    // Normalises degrees, minutes and seconds and returns the signed total in seconds.
    static double Convert(double& degrees, double& minutes, double& seconds);
    static double ConvertLat(double& degrees, double& minutes, double& seconds);
    static double ConvertLong(double& degrees, double& minutes, double& seconds);

private:
    static double SunEvent(double jd, double lat, double lon, int rising);
    static double SearchSunrise(double jd, double lat, double lon, double step);
    static double ClampCoordinate(double& degrees, double& minutes, double& seconds,
                                  double limitSeconds, double replacement);
};
