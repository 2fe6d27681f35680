#pragma once
// The snooze fields of an alarm window: "Remind me again after" N hours and
// M minutes, read as whole numbers within their ranges.

#include <string>

class CSnoozeInput {
public:
    static constexpr int kMaxHours = 24;
    static constexpr int kMaxMinutes = 59;
    static constexpr int kDefaultHours = 0;
    static constexpr int kDefaultMinutes = 15;

    // Reads one field. False, with the range message the user is to see,
    // when the text is no whole number from low to high.
    static bool ReadField(const std::string& text, int low, int high, int& value,
                          std::string& message);
    // The snooze in minutes.
    static int TotalMinutes(int hours, int minutes) { return hours * 60 + minutes; }
};
