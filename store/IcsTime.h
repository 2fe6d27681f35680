#pragma once
// Times between the program, which keeps local wall time without a zone, and
// iCalendar values. Going out, a note's time is written as it stands: a
// floating time, or a date for a note without a time of its own. Coming in,
// floating times are taken as they stand; UTC times and times of a named zone
// are turned into local time through Qt's time zones, and a zone Qt does not
// know by its name is read from the file's own VTIMEZONE through libical.

#include "zadad/OleDateTime.h"

#include <libical/ical.h>

#include <QTimeZone>

namespace icstime {

// libical writes no year after this one (later ones come out as zeros,
// which no reader takes), so the program neither takes nor writes them.
inline constexpr int kLastYear = 3000;
// Whether t is a valid time of a year iCalendar values can carry.
bool Writable(const COleDateTime& t);

icaltimetype Floating(const COleDateTime& t);
icaltimetype Date(const COleDateTime& t);
// The local time t as a UTC time, for time stamps.
icaltimetype Utc(const COleDateTime& t);
// The wall time of value as it stands; invalid when the program cannot hold it.
COleDateTime WallTime(const icaltimetype& value);

} // namespace icstime

// A time read from a file, in local time.
struct CLocalTime {
    COleDateTime m_dtTime;       // invalid when the program cannot hold it
    bool m_bConverted = false;   // it stood in another zone's time and was moved
    bool m_bUnknownZone = false; // its zone is unknown, so it was taken as local time
};

// The zone a DATE-TIME property of an event stands in.
class CIcsZone {
public:
    // The zone of prop: UTC, its TZID, or none (floating).
    static CIcsZone Of(icalproperty* prop, icalcomponent* event);
    // A wall time of this zone as local time. Dates stay as they are, and a
    // value marked as UTC is UTC whatever the zone.
    // Times after kLastYear come out invalid.
    CLocalTime ToLocal(const icaltimetype& value) const;
    // A UTC value (an UNTIL) as a wall time of this zone, without a zone of
    // its own, for comparing with the zone's wall times as they stand:
    // far cheaper than turning each of them into local time. Dates and
    // wall times come back as they are.
    icaltimetype WallOf(const icaltimetype& value) const;

private:
    CLocalTime ToLocalTime(const icaltimetype& value) const;
    enum class Kind { kFloating, kUtc, kNamed, kFileZone, kUnknown };
    Kind m_kind = Kind::kFloating;
    QTimeZone m_zone;
    const icaltimezone* m_pFileZone = nullptr; // owned by the parsed calendar
};
