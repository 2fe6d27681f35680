#include "zadad/OleDateTime.h"

#include "zadad/Clock.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kMinDate = -657434.0;       // 0100-01-01
constexpr double kMaxDate = 2958465.99999;   // 9999-12-31 23:59:59
constexpr long kDaysFrom1970To1899 = -25569; // 1899-12-30 counted from 1970-01-01

// Days since 1970-01-01 of a proleptic Gregorian date (Hinnant's algorithm).
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);            // [0, 399]
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365]
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);               // [0, 146096]
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const unsigned mp = (5 * doy + 2) / 153;                                    // [0, 11]
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

bool DateFromFields(int y, int mo, int d, int h, int mi, int s, double& out) {
    if (y < 100 || y > 9999 || d < 1 || d > DaysInMonth(y, mo) || h < 0 || h > 23 || mi < 0 ||
        mi > 59 || s < 0 || s > 59)
        return false;
    const long date =
        DaysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d)) - kDaysFrom1970To1899;
    const double time = (h * 3600L + mi * 60L + s) / 86400.0;
    out = static_cast<double>(date) + (date >= 0 ? time : -time);
    return true;
}

} // namespace

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

bool OleDateHasFields(double dt) {
    return dt >= kMinDate && dt <= kMaxDate;
}

bool OleDateToFields(double dt, OleDateFields& out) {
    if (!OleDateHasFields(dt)) return false;
    // Round to the nearest second, away from zero as the value's sign says.
    double rounded = dt + (dt > 0.0 ? kHalfSecondInDays : -kHalfSecondInDays);
    const long days = static_cast<long>(rounded); // truncates toward zero: the day of dt
    rounded = std::fabs(rounded);
    const long secsInDay = static_cast<long>((rounded - std::floor(rounded)) * 86400.0);
    const long unixDays = days + kDaysFrom1970To1899;
    CivilFromDays(unixDays, out.year, out.month, out.day);
    out.hour = static_cast<int>(secsInDay / 3600);
    out.minute = static_cast<int>(secsInDay / 60 % 60);
    out.second = static_cast<int>(secsInDay % 60);
    // 1970-01-01 was a Thursday (5 when Sunday is 1).
    out.dayOfWeek = static_cast<int>(((unixDays + 4) % 7 + 7) % 7) + 1;
    out.dayOfYear = static_cast<int>(unixDays - DaysFromCivil(out.year, 1, 1)) + 1;
    return true;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime COleDateTime::GetCurrentTime() {
    return CClock::Current().Now();
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    m_status = DateFromFields(year, month, day, hour, minute, second, m_dt) ? valid : invalid;
    return m_status == valid ? 0 : 1;
}

int COleDateTime::SetDate(int year, int month, int day) {
    return SetDateTime(year, month, day, 0, 0, 0);
}

int COleDateTime::SetTime(int hour, int minute, int second) {
    // A time alone lies on day zero, 1899-12-30.
    return SetDateTime(1899, 12, 30, hour, minute, second);
}

namespace {
template <typename Field> int FieldOf(const COleDateTime& dt, Field field) {
    OleDateFields f{};
    if (dt.GetStatus() != COleDateTime::valid || !OleDateToFields(dt.m_dt, f))
        return COleDateTime::error;
    return f.*field;
}
} // namespace

int COleDateTime::GetYear() const {
    return FieldOf(*this, &OleDateFields::year);
}
int COleDateTime::GetMonth() const {
    return FieldOf(*this, &OleDateFields::month);
}
int COleDateTime::GetDay() const {
    return FieldOf(*this, &OleDateFields::day);
}
int COleDateTime::GetHour() const {
    return FieldOf(*this, &OleDateFields::hour);
}
int COleDateTime::GetMinute() const {
    return FieldOf(*this, &OleDateFields::minute);
}
int COleDateTime::GetSecond() const {
    return FieldOf(*this, &OleDateFields::second);
}
int COleDateTime::GetDayOfWeek() const {
    return FieldOf(*this, &OleDateFields::dayOfWeek);
}
int COleDateTime::GetDayOfYear() const {
    return FieldOf(*this, &OleDateFields::dayOfYear);
}

double COleDateTime::Linear() const {
    if (m_dt >= 0) return m_dt;
    // -1.25 (1899-12-29 06:00) lies 0.75 days before day zero.
    const double whole = std::ceil(m_dt);
    return whole - (m_dt - whole);
}

double COleDateTime::FromLinear(double linear) {
    if (linear >= 0) return linear;
    const double whole = std::floor(linear);
    return whole + (whole - linear);
}

void COleDateTime::CheckRange() {
    if (m_status == valid && !(m_dt >= kMinDate && m_dt <= kMaxDate)) m_status = invalid;
}

bool COleDateTime::operator<(const COleDateTime& o) const {
    return Linear() < o.Linear();
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
    COleDateTime result;
    if (m_status == null || span.GetStatus() == COleDateTimeSpan::null) {
        result.m_status = null;
    } else if (m_status == invalid || span.GetStatus() == COleDateTimeSpan::invalid) {
        result.m_status = invalid;
    } else {
        result.m_dt = FromLinear(Linear() + span.m_span);
        result.CheckRange();
    }
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const {
    return *this + (-span);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& span) {
    return *this = *this + span;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& span) {
    return *this = *this - span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& o) const {
    COleDateTimeSpan result(Linear() - o.Linear());
    if (m_status == null || o.m_status == null)
        result.SetStatus(COleDateTimeSpan::null);
    else if (m_status == invalid || o.m_status == invalid)
        result.SetStatus(COleDateTimeSpan::invalid);
    return result;
}

namespace {

const char* const kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

void AppendNumber(std::string& out, int value, int width, bool dropZeros) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", dropZeros ? 1 : width, value);
    out += buffer;
}

void AppendCode(std::string& out, char code, bool hash, const OleDateFields& f) {
    const int hour12 = f.hour % 12 == 0 ? 12 : f.hour % 12;
    switch (code) {
    case 'a':
        out += std::string(kDayNames[f.dayOfWeek - 1], 3);
        break;
    case 'A':
        out += kDayNames[f.dayOfWeek - 1];
        break;
    case 'b':
        out += std::string(kMonthNames[f.month - 1], 3);
        break;
    case 'B':
        out += kMonthNames[f.month - 1];
        break;
    case 'd':
        AppendNumber(out, f.day, 2, hash);
        break;
    case 'H':
        AppendNumber(out, f.hour, 2, hash);
        break;
    case 'I':
        AppendNumber(out, hour12, 2, hash);
        break;
    case 'j':
        AppendNumber(out, f.dayOfYear, 3, hash);
        break;
    case 'm':
        AppendNumber(out, f.month, 2, hash);
        break;
    case 'M':
        AppendNumber(out, f.minute, 2, hash);
        break;
    case 'S':
        AppendNumber(out, f.second, 2, hash);
        break;
    case 'p':
        out += f.hour < 12 ? "AM" : "PM";
        break;
    case 'y':
        AppendNumber(out, f.year % 100, 2, hash);
        break;
    case 'Y':
        AppendNumber(out, f.year, 4, hash);
        break;
    case 'w':
        AppendNumber(out, f.dayOfWeek - 1, 1, true);
        break;
    case 'x':
        if (hash) { // long date: Tuesday, December 8, 2026
            AppendCode(out, 'A', false, f);
            out += ", ";
            AppendCode(out, 'B', false, f);
            out += ' ';
            AppendCode(out, 'd', true, f);
            out += ", ";
            AppendCode(out, 'Y', false, f);
        } else { // short date: 12/08/26
            AppendCode(out, 'm', false, f);
            out += '/';
            AppendCode(out, 'd', false, f);
            out += '/';
            AppendCode(out, 'y', false, f);
        }
        break;
    case 'X':
        AppendCode(out, 'H', hash, f);
        out += ':';
        AppendCode(out, 'M', false, f);
        out += ':';
        AppendCode(out, 'S', false, f);
        break;
    case 'c':
        AppendCode(out, 'x', hash, f);
        out += ' ';
        AppendCode(out, 'X', hash, f);
        break;
    case '%':
        out += '%';
        break;
    default: // unknown codes are kept as they stand
        out += '%';
        if (hash) out += '#';
        out += code;
        break;
    }
}

} // namespace

std::string COleDateTime::Format(const char* format) const {
    if (m_status == null) return {};
    OleDateFields f{};
    if (m_status != valid || !OleDateToFields(m_dt, f)) return "Invalid DateTime";
    std::string out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        if (!*++p) break;
        bool hash = false;
        if (*p == '#') {
            hash = true;
            if (!*++p) break;
        }
        AppendCode(out, *p, hash, f);
    }
    return out;
}
