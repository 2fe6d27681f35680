#pragma once
// The days of a shown grid on which a principal phase of the Moon falls, on
// this machine's local calendar.

#include "zadad/OleDateTime.h"

#include <vector>

// One entry per cell from first on: the phase index (0 new moon, 1 first
// quarter, 2 full moon, 3 last quarter) of the phase on that day, or -1.
std::vector<int> GridMoonMarks(const COleDateTime& first, int cellCount);
