#pragma once
// What a calendar import could not take over as it stood, one kind per line
// of the message after the import. Each is counted once per event.

#include <map>

enum class IcsLoss {
    // The repetition kept, a part of it left out or changed.
    kRepeatExceptions, // EXDATE
    kExtraDates,       // RDATE
    kSeveralRules,     // more than one RRULE
    kShortMonths,      // the 29th-31st or 29 February: the program uses the last day
    kLastDayFromShort, // last day of the month, started in a shorter month
    kStartOffRule,     // DTSTART is not a day of its own rule
    kLongCounts,       // COUNT too long to work out: the series has no end
    // The repetition left out: the event comes in once, at its start.
    kSeveralWeekdays, // BYDAY with more than one day
    kSetPositions,    // BYSETPOS
    kOtherRules,      // any other rule the program cannot follow
    // Other parts of an event.
    kEndTimes,          // DTEND, DURATION
    kOtherZones,        // converted to local time
    kUnknownZones,      // taken as local time
    kAlarmsRounded,     // not whole days before the start
    kSeveralAlarms,     // only the earliest kept
    kPastAlarms,        // an event gone by comes in without its alarm
    kSeveralCategories, // only the first kept
    // Left out whole.
    kChangedOccurrences, // RECURRENCE-ID
    kEnded,              // a series that ended before now
    kNoStart,            // no DTSTART
    kOutOfRange,         // a date the program cannot hold
    kOtherComponents,    // VTODO, VJOURNAL
    kAlreadyThere,       // the same note is already in the calendar
    kNoRoom,             // no note ID left
};

// How many events met each kind.
using IcsLosses = std::map<IcsLoss, int>;
