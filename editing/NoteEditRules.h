#pragma once
// The note editor's rules: the time list, which controls take input, the
// values that follow from the others, and the two date pickers.

#include "editing/NoteEditFields.h"

#include <string>

// Which of the editor's controls take input.
struct CNoteEditEnabling {
    bool m_bCategory = true;
    bool m_bStartDate = true;
    bool m_bTime = true;
    bool m_bRepeat = true;
    bool m_bEvery = true; // N and its spin
    bool m_bUnit = true;
    bool m_bWeekDay = true; // the "Week Day" box
    bool m_bOrdinal = true;
    bool m_bWeekDayList = true;
    bool m_bOf = true; // the label "Of"
    bool m_bMonth = true;
    bool m_bEnd = true;
    bool m_bEndDate = true;
    bool m_bRemind = true;
    bool m_bDays = true;
};

class CNoteEditRules {
public:
    static constexpr int kTimeEntries = 96; // a day in quarter hours
    static constexpr int kUnits = 6;
    static constexpr int kOrdinals = 5;
    static constexpr int kWeekDays = 7;
    static constexpr int kMonths = 12;
    static constexpr int kMinEvery = 1;
    static constexpr int kMaxEvery = 365;
    static constexpr int kMinDays = 0;
    static constexpr int kMaxDays = 24;

    // "12:00 AM" for entry 0 ... "11:45 PM" for entry 95.
    static std::string TimeText(int index);
    // The entry at or before the time of day of t.
    static int TimeIndexOf(const COleDateTime& t);
    // The time of day of an entry; 00:00 for an index outside the list.
    static void TimeOfIndex(int index, int& hour, int& minute);

    // Puts the values that follow from the others in place (N of 0 becomes 1,
    // no unit becomes "Month", the weekday rule's first entries, no "End"
    // without repetition, no days without a reminder in weeks or longer) and
    // tells which controls take input.
    static CNoteEditEnabling Apply(CNoteEditFields& f, NoteEditMode mode);

    // The start date moved: an end date before it moves to the day after.
    static void StartDateChanged(CNoteEditFields& f);
    // The end date must come after the start day and after now.
    static bool EndDateRuleHolds(const CNoteEditFields& f, const COleDateTime& now);
    // The end date was changed: false when it breaks the rule, after putting
    // it on the first day that keeps it.
    static bool EndDateChanged(CNoteEditFields& f, const COleDateTime& now);
};
