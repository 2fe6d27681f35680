#pragma once
// The holiday line parser and the Easter, Good Friday and Election Day rules.
// A holiday line is a row of fields joined by backticks: either a dated
// holiday ("YEAR`12`25`Christmas Day``1`0`1`1`1`1") or one of the three
// holidays whose date moves by a rule of its own ("EASTER``1").

#include "zadad/OleDateTime.h"

#include <string>

class CHolidayRules {
public:
    // Reads one line into the eleven results. Returns 1 for a dated line
    // (never range-checked) or a special line, 0 for anything else. A special
    // line fills only isDated, name, description and active; the rest keep the
    // values they came in with, as the caller supplies fixed ones for them.
    static int ParseHolidayString(std::string line, int& isDated, std::string& name,
                                  std::string& description, int& month, int& day, int& interval,
                                  int& byWeekday, int& weekday, int& weekOrdinal, int& ruleMonth,
                                  int& active);

    // 1 for "EASTER", "GOOD FRIDAY" and "ELECTION DAY" exactly as written, else 0.
    static int IsSpecialHoliday(std::string& name);

    // Each is the holiday of that year at 00:00:00, or an invalid date when
    // the year lies outside what a date can hold.
    static COleDateTime GetEaster(int year);      // Gregorian Easter Sunday
    static COleDateTime GetGoodFriday(int year);  // the Friday before Easter
    static COleDateTime GetElectionDay(int year); // the Tuesday after the first Monday of November
};
