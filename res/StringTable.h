#pragma once
// The program's string table: every text that has a number is looked up here
// by that number, so the tooltips, captions and messages stay in one place.

#include <string>

// Runs of numbered names: index 0 is the first.
inline constexpr int IDS_SUNDAY = 61204;       // "Sunday" ... "Saturday"
inline constexpr int IDS_SUNDAY_SHORT = 61211; // "Sun" ... "Sat"
inline constexpr int IDS_SUNDAY_LETTER = 61218;
inline constexpr int IDS_JANUARY = 61225; // "January" ... "December"
inline constexpr int IDS_FIRST = 61237;   // "1st" ... "4th", "Last"

// Texts that more than one part of the program shows.
inline constexpr int IDS_EXPIRED = 126;   // "Expired"
inline constexpr int IDS_HISTORY = 32783; // "History"
inline constexpr int IDS_VERSION = 61247; // "1.50", the program's version

// The text with this number, or an empty string when there is none.
std::string LoadString(int id);
