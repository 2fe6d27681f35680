#pragma once
// Marks the moments of start-up on the standard error stream when
// $ORRINDALE_STARTUP_LOG is set: "orrindale: <moment> <ns>" with the wall
// clock in nanoseconds since 1970, so that a script which noted the time just
// before starting the program can tell how long each step took. Tests also
// wait for the "ready" line before they talk to the program.

class CStartupLog {
public:
    static void Mark(const char* moment);
};
