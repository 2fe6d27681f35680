#pragma once
// Marks the moments of start-up on the standard error stream when
// $ORRINDALE_STARTUP_LOG is set: "orrindale: <moment> <wall ns> <cpu ns>",
// the wall clock in nanoseconds since 1970 (a script that noted the time just
// before starting the program can tell how long each step took) and the
// processor time the process has used so far (which a busy machine does not
// inflate). Tests also wait for the "ready" line before they talk to the
// program.

class CStartupLog {
public:
    static void Mark(const char* moment);
};
