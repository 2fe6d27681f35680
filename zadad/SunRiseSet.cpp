#include "zadad/SunRiseSet.h"

#include <cmath>

namespace {

constexpr double kZenith = 90.833;   // refraction and the sun's radius below the horizon
constexpr double kPolarLimit = 89.8; // latitudes closer to a pole are moved here
constexpr double kMinZoneHours = -12.5;
constexpr double kMaxZoneHours = 14.0; // the Line Islands keep UTC+14
constexpr double kMinutesPerDay = 1440.0;
constexpr int kSearchDays = 366; // a year of days, the longest polar day or night
constexpr double kPolarCircle = 66.4;
constexpr double kLatitudeLimitSeconds = 90.0 * 3600.0;
constexpr double kLongitudeLimitSeconds = 180.0 * 3600.0;
// Minutes beyond which no sun time can lie: a few days either side.
constexpr double kMaxEventMinutes = 10.0 * 1440.0;

double Rad(double degrees) {
    return degrees * CSunRiseSet::RADS;
}
double Deg(double radians) {
    return radians * CSunRiseSet::DEGS;
}

// A coordinate the calculation can use: a number within its range.
bool IsOnEarth(double value, double limit) {
    return std::isfinite(value) && std::fabs(value) <= limit;
}

} // namespace

// ---- calendar ---------------------------------------------------------------

double CSunRiseSet::calcJD(int year, int month, int day) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const double a = std::floor(year * 0.01);
    const double b = 2 - a + std::floor(a * 0.25);
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b -
           1524.5;
}

void CSunRiseSet::calcDateFromJD(double jd, int& year, int& month, int& day) {
    const double z = std::floor(jd + 0.5);
    const double f = jd + 0.5 - z;
    double a = z;
    if (z >= 2299161) {
        const double alpha = std::floor((z - 1867216.25) * (1.0 / 36524.25));
        a = z + 1 + alpha - std::floor(alpha / 4);
    }
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) * (1.0 / 365.25));
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) * (1.0 / 30.6001));
    day = static_cast<int>(b - d - std::floor(30.6001 * e) + f);
    month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
}

int CSunRiseSet::isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 1 : 0;
}

int CSunRiseSet::calcDayOfYear(int month, int day, int leap) {
    const int k = leap ? 1 : 2;
    return 275 * month / 9 - k * ((month + 9) / 12) + day - 30;
}

double CSunRiseSet::calcTimeJulianCent(double jd) {
    return (jd - 2451545.0) / 36525.0;
}

double CSunRiseSet::calcJDFromJulianCent(double t) {
    return t * 36525.0 + 2451545.0;
}

// ---- the sun's place -------------------------------------------------------

double CSunRiseSet::calcGeomMeanLongSun(double t) {
    double l0 = 280.46646 + t * (36000.76983 + 0.0003032 * t);
    // fmod first so that a far-off t cannot keep the loops below busy.
    if (std::fabs(l0) > 720.0) l0 = std::fmod(l0, 360.0);
    while (l0 > 360.0)
        l0 -= 360.0;
    while (l0 < 0.0)
        l0 += 360.0;
    return l0;
}

double CSunRiseSet::calcGeomMeanAnomalySun(double t) {
    return 357.52911 + t * (35999.05029 - 0.0001537 * t);
}

double CSunRiseSet::calcEccentricityEarthOrbit(double t) {
    return 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
}

double CSunRiseSet::calcSunEqOfCenter(double t) {
    const double m = Rad(calcGeomMeanAnomalySun(t));
    return std::sin(m) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
           std::sin(2 * m) * (0.019993 - 0.000101 * t) + std::sin(3 * m) * 0.000289;
}

double CSunRiseSet::calcSunTrueLong(double t) {
    return calcGeomMeanLongSun(t) + calcSunEqOfCenter(t);
}

double CSunRiseSet::calcSunTrueAnomaly(double t) {
    return calcGeomMeanAnomalySun(t) + calcSunEqOfCenter(t);
}

double CSunRiseSet::calcSunRadVector(double t) {
    const double v = calcSunTrueAnomaly(t);
    const double e = calcEccentricityEarthOrbit(t);
    return 1.000001018 * (1 - e * e) / (1 + e * std::cos(Rad(v)));
}

double CSunRiseSet::calcSunApparentLong(double t) {
    const double omega = 125.04 - 1934.136 * t;
    return calcSunTrueLong(t) - 0.00569 - 0.00478 * std::sin(Rad(omega));
}

double CSunRiseSet::calcMeanObliquityOfEcliptic(double t) {
    const double seconds = 21.448 - t * (46.815 + t * (0.00059 - t * 0.001813));
    return 23.0 + (26.0 + seconds / 60.0) / 60.0;
}

double CSunRiseSet::calcObliquityCorrection(double t) {
    const double omega = 125.04 - 1934.136 * t;
    return calcMeanObliquityOfEcliptic(t) + 0.00256 * std::cos(Rad(omega));
}

double CSunRiseSet::calcSunRtAscension(double t) {
    const double e = Rad(calcObliquityCorrection(t));
    const double lambda = Rad(calcSunApparentLong(t));
    return Deg(std::atan2(std::cos(e) * std::sin(lambda), std::cos(lambda)));
}

double CSunRiseSet::calcSunDeclination(double t) {
    const double e = Rad(calcObliquityCorrection(t));
    const double lambda = Rad(calcSunApparentLong(t));
    return Deg(std::asin(std::sin(e) * std::sin(lambda)));
}

double CSunRiseSet::calcEquationOfTime(double t) {
    const double epsilon = calcObliquityCorrection(t);
    const double l0 = Rad(calcGeomMeanLongSun(t));
    const double e = calcEccentricityEarthOrbit(t);
    const double m = Rad(calcGeomMeanAnomalySun(t));
    double y = std::tan(Rad(epsilon) / 2.0);
    y *= y;
    const double eqTime = y * std::sin(2 * l0) - 2 * e * std::sin(m) +
                          4 * e * y * std::sin(m) * std::cos(2 * l0) -
                          0.5 * y * y * std::sin(4 * l0) - 1.25 * e * e * std::sin(2 * m);
    return 4.0 * Deg(eqTime);
}

// ---- events ----------------------------------------------------------------

double CSunRiseSet::calcHourAngle(double lat, double declination, int rising) {
    const double latRad = Rad(lat);
    const double decRad = Rad(declination);
    const double h = std::cos(Rad(kZenith)) / (std::cos(latRad) * std::cos(decRad)) -
                     std::tan(latRad) * std::tan(decRad);
    if (h > 1 || h < -1) return NoEvent;
    const double angle = std::acos(h);
    return rising ? angle : -angle;
}

double CSunRiseSet::calcSolNoonUTC(double t, double lon) {
    const double tnoon = calcTimeJulianCent(calcJDFromJulianCent(t) + lon / 360.0 + 0.5);
    return 720.0 + 4.0 * lon - calcEquationOfTime(tnoon);
}

// Sunrise or sunset: a first estimate from the sun's place at noon, then one
// refinement from the sun's place at that estimate.
double CSunRiseSet::SunEvent(double jd, double lat, double lon, int rising) {
    const double t = calcTimeJulianCent(jd);
    const double noon = calcSolNoonUTC(t, lon);
    const double tnoon = calcTimeJulianCent(jd + noon / kMinutesPerDay);
    const double hourAngle = calcHourAngle(lat, calcSunDeclination(tnoon), rising);
    if (hourAngle == NoEvent) return NoEvent;
    const double first = 720.0 + 4.0 * (lon - Deg(hourAngle)) - calcEquationOfTime(tnoon);

    const double t2 = calcTimeJulianCent(calcJDFromJulianCent(t) + first / kMinutesPerDay);
    const double hourAngle2 = calcHourAngle(lat, calcSunDeclination(t2), rising);
    if (hourAngle2 == NoEvent) return NoEvent;
    return 720.0 + 4.0 * (lon - Deg(hourAngle2)) - calcEquationOfTime(t2);
}

double CSunRiseSet::calcSunriseUTC(double jd, double lat, double lon) {
    return SunEvent(jd, lat, lon, 1);
}

double CSunRiseSet::calcSunsetUTC(double jd, double lat, double lon) {
    return SunEvent(jd, lat, lon, 0);
}

double CSunRiseSet::getLatorLon(double degrees, double minutes, double seconds) {
    if (!std::isfinite(degrees) || !std::isfinite(minutes) || !std::isfinite(seconds))
        return NoCoordinate;
    // The sign of zero tells the hemisphere of a place under one degree from
    // the equator or the prime meridian.
    const double fraction = minutes / 60.0 + seconds / 3600.0;
    return std::signbit(degrees) ? degrees - fraction : degrees + fraction;
}

double CSunRiseSet::SearchSunrise(double jd, double lat, double lon, double step) {
    for (int i = 0; i <= kSearchDays; ++i) {
        const double day = jd + i * step;
        if (calcSunriseUTC(day, lat, lon) != NoEvent) return day;
    }
    return jd;
}

double CSunRiseSet::findRecent(double jd, double lat, double lon) {
    return SearchSunrise(jd, lat, lon, -1.0);
}

double CSunRiseSet::findNext(double jd, double lat, double lon) {
    return SearchSunrise(jd, lat, lon, 1.0);
}

// ---- the program's entry ---------------------------------------------------

void CSunRiseSet::CalcSun(latlon latIn, latlon lonIn, COleDateTime& date, COleDateTime& sunset,
                          COleDateTime& noon, int daylight, double zoneHours) {
    double lat = getLatorLon(latIn.degrees, latIn.minutes, latIn.seconds);
    const double lon = getLatorLon(lonIn.degrees, lonIn.minutes, lonIn.seconds);
    if (date.GetStatus() != COleDateTime::valid || !IsOnEarth(lat, 90.0) ||
        !IsOnEarth(lon, 180.0)) {
        date.SetStatus(COleDateTime::invalid);
        return;
    }
    const int year = date.GetYear();
    const int month = date.GetMonth();
    const int day = date.GetDay();
    if (lat < -kPolarLimit) lat = -kPolarLimit;
    if (lat > kPolarLimit) lat = kPolarLimit;

    const double jd = calcJD(year, month, day);
    const double t = calcTimeJulianCent(jd);
    const double daylightMinutes = daylight ? 60.0 : 0.0;

    const double rise = calcSunriseUTC(jd, lat, lon);
    const double set = rise == NoEvent ? NoEvent : calcSunsetUTC(jd, lat, lon);
    if (set == NoEvent) {
        date.SetStatus(COleDateTime::invalid);
        return;
    }
    const double zone = zoneHours >= kMinZoneHours && zoneHours <= kMaxZoneHours ? zoneHours : 0.0;
    const double shift = 60.0 * zone + daylightMinutes;
    const double noonMinutes = calcSolNoonUTC(t, lon) + shift;

    date = SetDateTime(year, month, day, rise + shift);
    sunset = SetDateTime(year, month, day, set + shift);
    noon = SetDateTime(year, month, day, noonMinutes);
}

// The seconds are truncated, and 30 or more of them put the minute up by one
// while they themselves stay: 6:15:45 becomes 06:16:45, so that the hours and
// minutes the almanac shows are the rounded time.
COleDateTime CSunRiseSet::SetDateTime(int year, int month, int day, double minutes) {
    if (!std::isfinite(minutes) || std::fabs(minutes) > kMaxEventMinutes) {
        COleDateTime none;
        none.SetStatus(COleDateTime::invalid);
        return none;
    }
    const double x = minutes / 60.0;
    double hours = std::floor(x);
    const double f = (x - hours) * 60.0;
    int wholeMinutes = static_cast<int>(std::floor(f));
    const int seconds = static_cast<int>(std::floor((f - wholeMinutes) * 60.0));
    if (seconds >= 30) ++wholeMinutes;
    if (wholeMinutes >= 60) {
        wholeMinutes -= 60;
        hours += 1.0;
    }
    // Whole days beyond the given one move the date.
    const double dayMove = std::floor(hours / 24.0);
    hours -= 24.0 * dayMove;
    COleDateTime result(year, month, day, static_cast<int>(hours), wholeMinutes, seconds);
    if (dayMove != 0.0) result += COleDateTimeSpan(dayMove);
    return result;
}

double CSunRiseSet::AdjustTime(double lat, double lon, int dayOfYear, double zone,
                               double daylightMinutes, double& jd, int rising) {
    const bool northSun = lat > kPolarCircle && dayOfYear > 79 && dayOfYear < 267;
    const bool southSun = lat < -kPolarCircle && (dayOfYear < 83 || dayOfYear > 263);
    const bool northDark = lat > kPolarCircle && (dayOfYear < 83 || dayOfYear > 263);
    const bool southDark = lat < -kPolarCircle && dayOfYear > 79 && dayOfYear < 267;

    double event = NoEvent;
    if (northSun || southSun) {
        // Under the midnight sun the last sunrise lies behind, the next sunset ahead.
        jd = rising ? findRecent(jd, lat, lon) : findNext(jd, lat, lon);
        event = rising ? calcSunriseUTC(jd, lat, lon) : calcSunsetUTC(jd, lat, lon);
    } else if (northDark || southDark) {
        jd = rising ? findNext(jd, lat, lon) : findRecent(jd, lat, lon);
        event = rising ? calcSunriseUTC(jd, lat, lon) : calcSunsetUTC(jd, lat, lon);
    }
    if (event == NoEvent) {
        jd = -1.0;
        return -1.0;
    }
    double time = event - 60.0 * zone + daylightMinutes;
    if (time > kMinutesPerDay) {
        time -= kMinutesPerDay;
        jd += 1.0;
    } else if (time < 0.0) {
        time += kMinutesPerDay;
        jd -= 1.0;
    }
    return time;
}

double CSunRiseSet::Convert(double& degrees, double& minutes, double& seconds) {
    const double part = minutes * 60.0 + seconds;
    const double total = std::signbit(degrees) ? degrees * 3600.0 - part : degrees * 3600.0 + part;
    if (!std::isfinite(total)) return total;
    const double magnitude = std::round(std::fabs(total));
    const double wholeDegrees = std::floor(magnitude / 3600.0);
    const double rest = magnitude - wholeDegrees * 3600.0;
    minutes = std::floor(rest / 60.0);
    seconds = rest - minutes * 60.0;
    // Under a degree south or west the sign survives on a zero: -0.0.
    degrees = std::signbit(total) ? -wholeDegrees : wholeDegrees;
    return total;
}

double CSunRiseSet::ClampCoordinate(double& degrees, double& minutes, double& seconds,
                                    double limitSeconds, double replacement) {
    const double total = Convert(degrees, minutes, seconds);
    if (total > limitSeconds || total < -limitSeconds) {
        degrees = total > 0 ? replacement : -replacement;
        minutes = 0.0;
        seconds = 0.0;
        return degrees * 3600.0;
    }
    return total;
}

double CSunRiseSet::ConvertLat(double& degrees, double& minutes, double& seconds) {
    return ClampCoordinate(degrees, minutes, seconds, kLatitudeLimitSeconds, kPolarLimit);
}

double CSunRiseSet::ConvertLong(double& degrees, double& minutes, double& seconds) {
    return ClampCoordinate(degrees, minutes, seconds, kLongitudeLimitSeconds, 179.8);
}
