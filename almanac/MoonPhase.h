#pragma once
// CMoonPhase: the instants of the Moon's four principal phases by Meeus's
// method (mean phase, the periodic terms of each phase, the quarter
// correction and the fourteen planetary arguments), and the search for the
// next phase after a day that the calendar grid marks.
//
// The instants are dynamical time (Julian Ephemeris Days). InstantToCalendar
// shows them as they are; the search for the next phase first turns them into
// universal time (Delta-T) and then into this machine's local time (the
// process's time zone, as TZ says), so that a phase near midnight marks the
// day a user of that zone sees it on.

#include "zadad/OleDateTime.h"

#include <ctime>

enum MoonPhaseIndex : int {
    kNewMoon = 0,
    kFirstQuarter = 1,
    kFullMoon = 2,
    kLastQuarter = 3,
};

class CMoonPhase {
public:
    virtual ~CMoonPhase() = default;

    // Julian Ephemeris Day of phase (0-3) at Meeus's k; k = 0 is the new moon
    // of 6 January 2000. A phase outside 0-3 is a programming error that ends
    // the program with "The Moon has exploded!".
    double PhaseInstant(double k, int phase) const;
    // The phase of Meeus's lunation n (k = n + phase / 4).
    double LunationPhase(int n, int phase) const;
    // Fills out with the calendar time of jde (seconds truncated) and returns
    // its mktime value.
    std::time_t InstantToCalendar(double jde, std::tm& out) const;
    // The phase of lunation L counted from the new moon of 28 December 1922.
    std::time_t PhaseCalendarTime(int lunation, int phase, std::tm& out) const;
    // Dynamical time less universal time, in seconds, for a decimal year:
    // the Espenak-Meeus polynomials from 1986 to 2150, their long-term
    // parabola outside.
    static double DeltaTSeconds(double year);
    // The instant jde on this machine's local wall clock, to the second.
    static COleDateTime InstantToLocalTime(double jde);

    // The first principal phase later than date (local time): its day (00:00:00) in
    // nextPhaseDate and its index in phaseIndex. Returns the position of date
    // between the previous and the next phase: 0 -> 50 from new moon to first
    // quarter, 50 -> 100 on to full moon, and again from full moon to new.
    // An invalid date gives an invalid nextPhaseDate and position 0.
    int NextPhase(COleDateTime date, COleDateTime& nextPhaseDate, int& phaseIndex) const;

private:
    COleDateTime PhaseDate(int lunation, int phase) const;
};
