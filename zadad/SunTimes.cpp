#include "zadad/SunTimes.h"

#include "zadad/AngleConstants.h"

#include <cmath>

namespace {

constexpr double kRads = CAngleConstants::RADS;
constexpr double kDegs = CAngleConstants::DEGS;
constexpr double kTpi = CAngleConstants::TPI;
// Half the sun's diameter (0.53 degrees) plus refraction (34'), in radians.
constexpr double kSunriseDepression = 0.8316666666666667 * kRads;
constexpr double kTwilightDepression = 0.1047197551196598; // 6 degrees
constexpr double kLargestSine = 0.99999;
constexpr double kDegreesToHours = 0.0667586345;
// The iteration settles within a handful of rounds; this only stops it
// from going on for ever on input that is not a place.
constexpr int kMaxRounds = 50;

} // namespace

double CSunTimes::DegSin(double degrees) {
    return std::sin(degrees * kRads);
}
double CSunTimes::DegCos(double degrees) {
    return std::cos(degrees * kRads);
}
double CSunTimes::DegTan(double degrees) {
    return std::tan(degrees * kRads);
}
double CSunTimes::DegArcsin(double x) {
    return std::asin(x) * kDegs;
}
double CSunTimes::DegArccos(double x) {
    return std::acos(x) * kDegs;
}
double CSunTimes::DegArctan(double x) {
    return std::atan(x) * kDegs;
}

double CSunTimes::DegAtan2(double y, double x) {
    const double angle = std::atan2(y, x) * kDegs;
    return angle < 0 ? angle + 360.0 : angle;
}

double CSunTimes::range2pi(double radians) {
    return radians - std::trunc(radians / kTpi) * kTpi;
}

double CSunTimes::range360(double degrees) {
    return degrees - std::trunc(degrees * (1.0 / 360.0)) * 360.0;
}

double CSunTimes::FNrange(double radians) {
    const double turns = radians / kTpi;
    const double a = kTpi * (turns - std::trunc(turns));
    return a < 0 ? a + kTpi : a;
}

double CSunTimes::FNday(int year, int month, int day, float hours) {
    const long count = 367L * year - 7L * (year + (month + 9) / 12) / 4 + 275L * month / 9 + day;
    return static_cast<double>(count) - 730531.5 + hours / 24.0;
}

double CSunTimes::day2000(int year, int month, int day, int hour, int minute, int second,
                          int gregorian) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    const double time = (second / 3600 + minute / 60.0 + hour) / 24.0;
    const double leap =
        gregorian ? std::trunc(year * 0.0025) - std::trunc(year * 0.01) - std::trunc(year * -0.25)
                  : static_cast<double>((year + 4716) / 4 - 2 - 1179);
    return time + std::trunc((month + 1) * 30.6001) + 365.0 * year - 730548.5 + day + leap;
}

double CSunTimes::HourAngleFor(double lat, double declination, double depression) {
    const double d = lat < 0 ? -depression : depression;
    double v = std::tan(lat * kRads) * std::tan(declination + d);
    if (v > kLargestSine) v = 1.0;
    return std::asin(v) + CAngleConstants::PI * 0.5;
}

double CSunTimes::f0(double lat, double declination) {
    return HourAngleFor(lat, declination, kSunriseDepression);
}

double CSunTimes::f1(double lat, double declination) {
    return HourAngleFor(lat, declination, kTwilightDepression);
}

double CSunTimes::Sunrise(double days, double lat, double lon, int rising, double altitude) {
    const double s = rising == 1 ? 1.0 : -1.0;
    double u = 0.0; // hour angle of the event in degrees, 180 = noon
    double next = 0.0;
    for (int round = 0; round < kMaxRounds; ++round) {
        const double t = (u / 360.0 + days) / 36525.0;
        const double l = range360(280.46 + 36000.77 * t);
        const double g = 357.528 + 35999.05 * t;
        const double lambda = l + 1.915 * DegSin(g) + 0.02 * DegSin(2 * g);
        const double e = -1.915 * DegSin(g) - 0.02 * DegSin(2 * g) + 2.466 * DegSin(2 * lambda) -
                         0.053 * DegSin(4 * lambda);
        const double declination = DegArcsin(DegSin(lambda) * DegSin(23.4393 - 0.13 * t));
        const double c = (DegSin(altitude) - DegSin(declination) * DegSin(lat)) /
                         (DegCos(declination) * DegCos(lat));
        const double h = c > 1 ? 0.0 : (c < -1 ? 180.0 : DegArccos(c));
        next = range360(u - (s * h + e + u - 180.0 + lon));
        // Settled once the change is under a degree.
        const double change = u - next;
        if (!std::isfinite(change) || std::fabs(std::trunc(change)) <= 0.1) break;
        u = next;
    }
    return next * kDegreesToHours;
}

void CSunTimes::SunRise(double, double, double, COleDateTime&, COleDateTime&, COleDateTime&) {}

COleDateTime CSunTimes::doubleToTime(double hours) {
    const double h = std::trunc(hours);
    const double m = std::trunc((hours - h) * 60.0);
    if (!(h >= 0 && h <= 23 && m >= 0 && m <= 59)) {
        COleDateTime none;
        none.SetStatus(COleDateTime::invalid);
        return none;
    }
    return COleDateTime(2000, 1, 1, static_cast<int>(h), static_cast<int>(m), 0);
}
