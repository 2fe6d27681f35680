#pragma once
// What the program's logic asks of the notes' own windows (the desktop and
// alarm windows). The window layer implements it; the logic never sees a
// widget.

#include "zadad/OleDateTime.h"

#include <vector>

class CNote;

class CNoteWindows {
public:
    virtual ~CNoteWindows() = default;
    // The note's reminder is due: open (or reuse) its window in alarm mode and
    // start it ringing. The note is already marked as ringing.
    virtual void ShowAlarm(CNote& note) = 0;
    // Rewrites the countdown line of the note's window for the time now.
    virtual void UpdateCountdown(CNote& note, const COleDateTime& now) = 0;
    // The notes that have a window now: a handful, however many notes there
    // are, so the one-second tick need not look at the others.
    virtual std::vector<CNote*> NotesWithWindows() = 0;
    // Puts the note on the desktop at its saved place.
    virtual void ShowOnDesktop(CNote& note) = 0;
};
