#pragma once
// The soak's notes: a seeded mix of every kind of reminder, each made both as
// the program's note and as the rule the soak expects it to follow.

#include "SoakReference.h"

#include "zadad/OleDateTime.h"

#include <memory>
#include <random>

class CNote;

namespace soak {

// A rule of a random kind around now: one-time notes with lead days,
// series every N minutes to years, weekday rules, some with an end date.
// Every rule's first alarm lies after now.
Rule RandomRule(std::mt19937_64& rng, Seconds now);
// The program's time for a moment of the soak.
COleDateTime ToOle(Seconds t);
// The program's note for the rule, titled title.
std::unique_ptr<CNote> MakeNote(const Rule& rule, const std::string& title);

} // namespace soak
