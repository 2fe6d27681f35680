#pragma once
// The one place the program reads the time from. Tests install a clock of
// their own and move it; everything else asks COleDateTime::GetCurrentTime().

#include "zadad/OleDateTime.h"

class CClock {
public:
    virtual ~CClock() = default;
    // Local wall time, in whole seconds.
    virtual COleDateTime Now() const = 0;

    static const CClock& Current();
    // Installs clock (not owned) for every later read; nullptr returns to the system clock.
    static void Install(const CClock* clock);
};

// Local wall time of this machine.
class CSystemClock : public CClock {
public:
    COleDateTime Now() const override;
};
