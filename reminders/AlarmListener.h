#pragma once
// Who hears of alarms starting and ending beside the note's own window (the
// desktop notifications). The note windows tell it, whichever way an alarm
// ends: "OK", "Delete", or the note going away.

#include "zadad/WinTypes.h"

class CNote;

class CAlarmListener {
public:
    virtual ~CAlarmListener() = default;
    // The note's window has just started ringing.
    virtual void AlarmStarted(const CNote& note) = 0;
    // The alarm of the note with this ID has ended.
    virtual void AlarmEnded(WORD id) = 0;
};
