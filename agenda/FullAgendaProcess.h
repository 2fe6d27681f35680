#pragma once
// The PDF of the grid needs the user interface's libraries and the iCalendar
// format needs libical; the listing, which a script may start many times a
// minute, loads neither. For those runs orrindale-agenda hands its command
// line on to orrindale-agenda-full, which stands beside it and does the whole
// run with everything linked in.

#include <ostream>

inline constexpr const char* kFullAgendaName = "orrindale-agenda-full";

// Replaces this process by orrindale-agenda-full with the same arguments.
// Returns only when it could not be started, after a message on err, with
// the exit status for that.
int RunFullAgendaProcess(char** argv, std::ostream& err);
