#pragma once
// The second, lighter sunrise and sunset algorithm: trigonometry in degrees,
// angle range reduction, day counts from J2000.0 and an iterative sunrise
// routine. The program itself uses CSunRiseSet; these stay part of the
// library's offer. Angles are degrees unless a name says radians.

#include "zadad/OleDateTime.h"

class CSunTimes {
public:
    static double DegSin(double degrees);
    static double DegCos(double degrees);
    static double DegTan(double degrees);
    static double DegArcsin(double x);
    static double DegArccos(double x);
    static double DegArctan(double x);
    // atan2 in degrees within [0, 360).
    static double DegAtan2(double y, double x);

    // Both reduce by whole turns truncated toward zero: negative inputs stay negative.
    static double range2pi(double radians);
    static double range360(double degrees);

    // Days from J2000.0 (2000-01-01 12:00). Seconds below a whole hour count
    // for nothing. gregorian selects the Gregorian leap rule, else the Julian.
    static double day2000(int year, int month, int day, int hour, int minute, int second,
                          int gregorian);

    // Hours UT of sunrise (rising 1) or sunset at a place (longitude EAST
    // positive) on the day counted by day2000, for the sun's centre at
    // altitude degrees. Without a sunrise that day the sun's lowest or highest
    // point stands in.
    static double Sunrise(double days, double lat, double lon, int rising, double altitude);

    // Part of the library's interface from its first days; it computes nothing
    // and leaves its arguments as they are.
    static void SunRise(double, double, double, COleDateTime&, COleDateTime&, COleDateTime&);

protected:
    // Radians within [0, 2 pi).
    static double FNrange(double radians);
    // Days from J2000.0 without the century leap-year rule.
    static double FNday(int year, int month, int day, float hours);
    // Hour angle (radians) of sunrise or sunset, and of civil twilight (6 degrees).
    static double f0(double lat, double declination);
    static double f1(double lat, double declination);
    // 2000-01-01 at the whole hours and minutes of hours.
    static COleDateTime doubleToTime(double hours);

private:
    static double HourAngleFor(double lat, double declination, double depression);
};
