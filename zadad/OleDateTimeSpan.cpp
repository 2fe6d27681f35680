#include "zadad/OleDateTimeSpan.h"

#include <cmath>

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds) {
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void COleDateTimeSpan::SetDateTimeSpan(long days, int hours, int minutes, int seconds) {
    m_span = static_cast<double>(days) + hours / 24.0 + minutes / (24.0 * 60.0) +
             seconds / (24.0 * 60.0 * 60.0);
    m_status = valid;
}

double COleDateTimeSpan::GetTotalHours() const {
    return static_cast<double>(static_cast<long>(m_span * 24 + kHalfSecondInDays));
}

double COleDateTimeSpan::GetTotalMinutes() const {
    return static_cast<double>(static_cast<long>(m_span * 24 * 60 + kHalfSecondInDays));
}

double COleDateTimeSpan::GetTotalSeconds() const {
    return static_cast<double>(static_cast<long>(m_span * 24 * 60 * 60 + kHalfSecondInDays));
}

long COleDateTimeSpan::GetDays() const {
    return static_cast<long>(m_span);
}

namespace {
// The whole units of the fractional part of value × scale, rounded by half a
// second and wrapped at the unit's limit.
long PartOf(double value, double scale, long limit) {
    double whole = 0;
    const double fraction = std::modf(value, &whole);
    long result = static_cast<long>((fraction + kHalfSecondInDays) * scale);
    if (result >= limit) result -= limit;
    return result;
}
} // namespace

long COleDateTimeSpan::GetHours() const {
    return PartOf(m_span, 24, 24);
}
long COleDateTimeSpan::GetMinutes() const {
    return PartOf(m_span * 24, 60, 60);
}
long COleDateTimeSpan::GetSeconds() const {
    return PartOf(m_span * 24 * 60, 60, 60);
}

namespace {
COleDateTimeSpan Combine(const COleDateTimeSpan& a, const COleDateTimeSpan& b, double value) {
    COleDateTimeSpan result(value);
    if (a.GetStatus() == COleDateTimeSpan::null || b.GetStatus() == COleDateTimeSpan::null)
        result.SetStatus(COleDateTimeSpan::null);
    else if (a.GetStatus() == COleDateTimeSpan::invalid ||
             b.GetStatus() == COleDateTimeSpan::invalid)
        result.SetStatus(COleDateTimeSpan::invalid);
    return result;
}
} // namespace

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& o) const {
    return Combine(*this, o, m_span + o.m_span);
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& o) const {
    return Combine(*this, o, m_span - o.m_span);
}

COleDateTimeSpan COleDateTimeSpan::operator-() const {
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator*(double factor) const {
    COleDateTimeSpan result(m_span * factor);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& o) {
    return *this = *this + o;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& o) {
    return *this = *this - o;
}
