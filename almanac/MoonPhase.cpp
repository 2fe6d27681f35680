#include "almanac/MoonPhase.h"

#include "zadad/Utility.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

constexpr double kToRadians = 0.017453292519943295;
constexpr double kCenturiesPerLunation = 0.0008085054776246109; // 1 / 1236.85
constexpr double kLunationsPerDay = 0.033863867253640365;       // 1 / 29.53058868
// Lunation 953 of the count from 28 December 1922 is Meeus's k = 0.
constexpr int kLunationOfK0 = 953;
// Enough lunations to pass any date's next new moon; the estimate is at most one short.
constexpr int kMaxLunationSteps = 4;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kJulianDayOfUnixEpoch = 2440587.5; // 1970-01-01 00:00 UT
constexpr double kJulianDayOf2000 = 2451544.5;      // 2000-01-01 00:00
constexpr double kDaysPerYear = 365.2425;

// One periodic term: coefficient x E^ePower x sin(m M + mp M' + f F + o Omega).
struct Term {
    double coefficient;
    int ePower;
    int m, mp, f, o;
};

constexpr Term kNewMoonTerms[] = {
    {-0.40720, 0, 0, 1, 0, 0}, {0.17241, 1, 1, 0, 0, 0},    {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},  {0.00739, 1, -1, 1, 0, 0},   {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},   {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
};

constexpr Term kFullMoonTerms[] = {
    {-0.40614, 0, 0, 1, 0, 0}, {0.17302, 1, 1, 0, 0, 0},    {0.01614, 0, 0, 2, 0, 0},
    {0.01043, 0, 0, 0, 2, 0},  {0.00734, 1, -1, 1, 0, 0},   {-0.00515, 1, 1, 1, 0, 0},
    {0.00209, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},   {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
};

constexpr Term kQuarterTerms[] = {
    {-0.62801, 0, 0, 1, 0, 0}, {0.17172, 1, 1, 0, 0, 0},    {-0.01183, 1, 1, 1, 0, 0},
    {0.00862, 0, 0, 2, 0, 0},  {0.00804, 0, 0, 0, 2, 0},    {0.00454, 1, -1, 1, 0, 0},
    {0.00204, 2, 2, 0, 0, 0},  {-0.00180, 0, 0, 1, -2, 0},  {-0.00070, 0, 0, 1, 2, 0},
    {-0.00040, 0, 0, 3, 0, 0}, {-0.00034, 1, -1, 2, 0, 0},  {0.00032, 1, 1, 0, 2, 0},
    {0.00032, 1, 1, 0, -2, 0}, {-0.00028, 2, 2, 1, 0, 0},   {0.00027, 1, 1, 2, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1}, {-0.00005, 0, -1, 1, -2, 0}, {0.00004, 0, 0, 2, 2, 0},
    {-0.00004, 0, 1, 1, 2, 0}, {0.00004, 0, -2, 1, 0, 0},   {0.00003, 0, 1, 1, -2, 0},
    {0.00003, 0, 3, 0, 0, 0},  {0.00002, 0, 0, 2, -2, 0},   {0.00002, 0, -1, 1, 2, 0},
    {-0.00002, 0, 1, 3, 0, 0},
};

// Planetary argument: degrees at k = 0 and per unit of k.
struct Argument {
    double base;
    double perK;
};

// A1 also has a T^2 term of its own, added where it is used.
constexpr Argument kPlanetaryArguments[] = {
    {299.77, 0.107408},  {251.88, 0.016321},  {251.83, 26.651886}, {349.42, 36.412478},
    {84.66, 18.206239},  {141.74, 53.303771}, {207.14, 2.453732},  {154.84, 7.30686},
    {34.52, 27.261239},  {207.19, 0.121824},  {291.34, 1.844379},  {161.72, 24.198154},
    {239.56, 25.513099}, {331.55, 3.592518},
};
constexpr double kPlanetaryCoefficients[] = {0.000325, 0.000165, 0.000164, 0.000126, 0.000110,
                                             0.000062, 0.000060, 0.000056, 0.000047, 0.000042,
                                             0.000040, 0.000037, 0.000035, 0.000023};
static_assert(std::size(kPlanetaryArguments) == std::size(kPlanetaryCoefficients));

double Radians(double degrees) {
    return std::fmod(degrees, 360.0) * kToRadians;
}

// The Sun's and Moon's arguments at one k, in radians.
struct Arguments {
    double e, m, mp, f, omega;
};

template <std::size_t N> double SumTerms(const Term (&terms)[N], const Arguments& a) {
    double sum = 0.0;
    for (const Term& term : terms) {
        const double scale = term.ePower == 0 ? 1.0 : (term.ePower == 1 ? a.e : a.e * a.e);
        sum += term.coefficient * scale *
               std::sin(term.m * a.m + term.mp * a.mp + term.f * a.f + term.o * a.omega);
    }
    return sum;
}

// The correction W, added at the first quarter and taken off at the last.
double QuarterCorrection(const Arguments& a) {
    return 0.00306 - 0.00038 * a.e * std::cos(a.m) + 0.00026 * std::cos(a.mp) -
           0.00002 * std::cos(a.mp - a.m) + 0.00002 * std::cos(a.mp + a.m) +
           0.00002 * std::cos(2 * a.f);
}

double PlanetaryCorrection(double k, double t) {
    double sum = 0.0;
    for (std::size_t i = 0; i < std::size(kPlanetaryArguments); ++i) {
        double degrees = kPlanetaryArguments[i].base + kPlanetaryArguments[i].perK * k;
        if (i == 0) degrees -= 0.009173 * t * t;
        sum += kPlanetaryCoefficients[i] * std::sin(Radians(degrees));
    }
    return sum;
}

[[noreturn]] void MoonHasExploded() {
    std::fputs("The Moon has exploded!\n", stderr);
    std::exit(1);
}

COleDateTime InvalidDate() {
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    return none;
}

} // namespace

double CMoonPhase::PhaseInstant(double k, int phase) const {
    if (phase < kNewMoon || phase > kLastQuarter) MoonHasExploded();
    const double t = k * kCenturiesPerLunation;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double meanPhase =
        2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;

    Arguments a{};
    a.e = 1 - 0.002516 * t - 0.0000074 * t2;
    a.m = Radians(2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3);
    a.mp =
        Radians(201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 - 0.000000058 * t4);
    a.f =
        Radians(160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 + 0.000000011 * t4);
    a.omega = Radians(124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3);

    double periodic = 0.0;
    switch (phase) {
    case kNewMoon:
        periodic = SumTerms(kNewMoonTerms, a);
        break;
    case kFullMoon:
        periodic = SumTerms(kFullMoonTerms, a);
        break;
    case kFirstQuarter:
        periodic = SumTerms(kQuarterTerms, a) + QuarterCorrection(a);
        break;
    default:
        periodic = SumTerms(kQuarterTerms, a) - QuarterCorrection(a);
        break;
    }
    return meanPhase + periodic + PlanetaryCorrection(k, t);
}

double CMoonPhase::LunationPhase(int n, int phase) const {
    return PhaseInstant(n + phase / 4.0, phase);
}

std::time_t CMoonPhase::InstantToCalendar(double jde, std::tm& out) const {
    const double z = std::trunc(jde + 0.5);
    const double f = jde + 0.5 - z;
    double a = z;
    if (z >= 2299161) {
        const double alpha = std::trunc((z - 1867216.25) / 36524.25);
        a = z + 1 + alpha - std::trunc(alpha / 4);
    }
    const double b = a + 1524;
    const double c = std::trunc((b - 122.1) / 365.25);
    const double d = std::trunc(365.25 * c);
    const double e = std::trunc((b - d) / 30.6001);
    const double dayWithFraction = b - d - std::trunc(30.6001 * e) + f;

    out = std::tm{};
    out.tm_mon = static_cast<int>(e < 14 ? e - 2 : e - 14);
    out.tm_year = static_cast<int>(out.tm_mon <= 1 ? c - 6615 : c - 6616);
    out.tm_mday = static_cast<int>(dayWithFraction);
    const double hours = (dayWithFraction - out.tm_mday) * 24.0;
    out.tm_hour = static_cast<int>(hours);
    const double minutes = (hours - out.tm_hour) * 60.0;
    out.tm_min = static_cast<int>(minutes);
    out.tm_sec = static_cast<int>((minutes - out.tm_min) * 60.0);
    out.tm_isdst = -1;
    return std::mktime(&out);
}

std::time_t CMoonPhase::PhaseCalendarTime(int lunation, int phase, std::tm& out) const {
    return InstantToCalendar(LunationPhase(lunation - kLunationOfK0, phase), out);
}

double CMoonPhase::DeltaTSeconds(double year) {
    const double u = (year - 1820.0) / 100.0;
    const double longTerm = -20.0 + 32.0 * u * u;
    const double t = year - 2000.0;
    if (year < 1986.0 || year >= 2150.0) return longTerm;
    if (year < 2005.0)
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    if (year < 2050.0) return 62.92 + t * (0.32217 + t * 0.005589);
    return longTerm - 0.5628 * (2150.0 - year);
}

COleDateTime CMoonPhase::InstantToLocalTime(double jde) {
    const double year = 2000.0 + (jde - kJulianDayOf2000) / kDaysPerYear;
    const double universal = jde - DeltaTSeconds(year) / kSecondsPerDay;
    const auto seconds =
        static_cast<std::time_t>(std::floor((universal - kJulianDayOfUnixEpoch) * kSecondsPerDay));
    std::tm tm{};
    if (!localtime_r(&seconds, &tm)) return InvalidDate();
    COleDateTime local;
    local.SetDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                      tm.tm_sec);
    return local;
}

COleDateTime CMoonPhase::PhaseDate(int lunation, int phase) const {
    return InstantToLocalTime(LunationPhase(lunation - kLunationOfK0, phase));
}

int CMoonPhase::NextPhase(COleDateTime date, COleDateTime& nextPhaseDate, int& phaseIndex) const {
    phaseIndex = kNewMoon;
    const COleDateTime epoch(1922, 12, 28, 12, 20, 0);
    if (date.GetStatus() != COleDateTime::valid) {
        nextPhaseDate = InvalidDate();
        return 0;
    }
    // floor, not truncation, so that dates before the epoch start no later than they should.
    int lunation = static_cast<int>(std::floor((date - epoch).GetTotalDays() * kLunationsPerDay));
    nextPhaseDate = PhaseDate(lunation, kNewMoon);
    for (int step = 0; step < kMaxLunationSteps && date > nextPhaseDate; ++step)
        nextPhaseDate = PhaseDate(++lunation, kNewMoon);
    // The first new moon at or after date; the phases of the lunation before it
    // hold the answer unless its last quarter has passed too.
    COleDateTime previous = PhaseDate(lunation - 1, kNewMoon);
    bool found = false;
    for (int phase = kFirstQuarter; phase <= kLastQuarter && !found; ++phase) {
        const COleDateTime instant = PhaseDate(lunation - 1, phase);
        if (instant > date) {
            nextPhaseDate = instant;
            phaseIndex = phase;
            found = true;
        } else {
            previous = instant;
        }
    }
    if (!found) nextPhaseDate = PhaseDate(lunation, kNewMoon);
    if (nextPhaseDate.GetStatus() != COleDateTime::valid ||
        previous.GetStatus() != COleDateTime::valid || date > nextPhaseDate) {
        // Beyond the years a date can hold.
        nextPhaseDate = InvalidDate();
        return 0;
    }

    CUtility::GetStartOfDay(nextPhaseDate);
    CUtility::GetStartOfDay(previous);
    CUtility::GetStartOfDay(date);
    const double span = (nextPhaseDate - previous).GetTotalDays();
    const int base = phaseIndex == kNewMoon || phaseIndex == kFullMoon ? 50 : 0;
    if (span <= 0) return base;
    return base + static_cast<int>((date - previous).GetTotalDays() * 50.0 / span);
}
