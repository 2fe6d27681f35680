#pragma once
// A length of time held as a double number of days, with a status. The
// field accessors round the way the program's stored spans always have.

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    constexpr COleDateTimeSpan() = default;
    // constexpr so that the library's span constants can be used by any static initialiser.
    constexpr COleDateTimeSpan(double days) : m_span(days) {} // NOLINT: implicit like the old type
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    void SetDateTimeSpan(long days, int hours, int minutes, int seconds);
    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }

    // Whole units, each rounded by half a second before truncation toward zero.
    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;
    // The parts of the span: whole days (truncated), then hours, minutes and
    // seconds of the remainder.
    long GetDays() const;
    long GetHours() const;
    long GetMinutes() const;
    long GetSeconds() const;

    COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-() const;
    COleDateTimeSpan operator*(double factor) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& other);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& other);

    bool operator==(const COleDateTimeSpan& o) const {
        return m_status == o.m_status && m_span == o.m_span;
    }
    bool operator!=(const COleDateTimeSpan& o) const { return !(*this == o); }
    bool operator<(const COleDateTimeSpan& o) const { return m_span < o.m_span; }
    bool operator>(const COleDateTimeSpan& o) const { return m_span > o.m_span; }
    bool operator<=(const COleDateTimeSpan& o) const { return m_span <= o.m_span; }
    bool operator>=(const COleDateTimeSpan& o) const { return m_span >= o.m_span; }

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;
};

// Half a second expressed in days: added before truncating to whole units.
inline constexpr double kHalfSecondInDays = 1.0 / (2.0 * 60.0 * 60.0 * 24.0);
