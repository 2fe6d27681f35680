#pragma once
// A point in local wall time held as a double of days since 1899-12-30 00:00
// (the time of day as the fraction) plus a status. Days before 1899-12-30 are
// negative and their fraction still counts forward from the day's start, so
// 1899-12-29 06:00 is -1.25. Fields read back rounded to the nearest second.

#include "zadad/OleDateTimeSpan.h"

#include <string>

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(double dt) : m_dt(dt) { CheckRange(); } // NOLINT: implicit like the old type
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    // Local wall time now, read through the installed clock (see Clock.h).
    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Each returns 0 when the value is valid and 1 when a field is out of
    // range (30 February, hour 24, a year outside 100-9999); the status says
    // the same.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);
    int SetTime(int hour, int minute, int second);

    // Fields of a valid date, -1 (error) otherwise.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday ... 7 = Saturday
    int GetDayOfYear() const; // 1 = 1 January

    // strftime-style codes: %a %A %b %B %d %H %I %j %m %M %p %S %y %Y %x %X %c %%,
    // with the '#' flag (%#d, %#H, %#x ...) dropping leading zeros and, for
    // %#x and %#c, giving the long date form.
    std::string Format(const char* format) const;

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span);
    COleDateTime& operator-=(const COleDateTimeSpan& span);
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    bool operator==(const COleDateTime& o) const {
        return m_status == o.m_status && m_dt == o.m_dt;
    }
    bool operator!=(const COleDateTime& o) const { return !(*this == o); }
    bool operator<(const COleDateTime& o) const;
    bool operator>(const COleDateTime& o) const { return o < *this; }
    bool operator<=(const COleDateTime& o) const { return !(o < *this); }
    bool operator>=(const COleDateTime& o) const { return !(*this < o); }

    // The value as a day count that grows steadily with time, also before 1899-12-30.
    double Linear() const;
    static double FromLinear(double linear);

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;

private:
    void CheckRange();
};

// Broken-down fields of a date value, rounded to the nearest second.
struct OleDateFields {
    int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
};
// False when dt lies outside 0100-01-01 .. 9999-12-31 23:59:59.
bool OleDateToFields(double dt, OleDateFields& out);
// Whether OleDateToFields can read dt, without reading it.
bool OleDateHasFields(double dt);

// The number of days of month (1-12) in year of the Gregorian calendar; 0
// for any other month.
int DaysInMonth(int year, int month);
