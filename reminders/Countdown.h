#pragma once
// The countdown line of a note window: how long remains until the note's next
// occurrence, in the parts the note asks for (days, hours, minutes, seconds),
// "Expired" once it has passed, or "History" and the acknowledgement date for
// a history copy.

#include "zadad/OleDateTime.h"

#include <string>

class CNote;

class CCountdown {
public:
    // Bits of a note's m_nCountdownParts.
    static constexpr int kDays = 8;
    static constexpr int kHours = 4;
    static constexpr int kMinutes = 2;
    static constexpr int kSeconds = 1;

    // Whether the note's window shows a countdown now: not for plain notes,
    // not while switched off, not while the alarm rings.
    static bool IsShown(const CNote& note);
    // The line for the note at time now; empty when IsShown is false or the
    // note has no occurrence to count down to.
    static std::string GetText(const CNote& note, const COleDateTime& now);
    // The line for spanDays days ahead (negative: already past) in the given parts.
    static std::string FormatSpan(double spanDays, int parts);
    // The line of a history copy acknowledged at `acknowledged`.
    static std::string FormatHistory(const COleDateTime& acknowledged);
};
