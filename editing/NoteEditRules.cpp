#include "editing/NoteEditRules.h"

#include "store/RecurringNote.h"
#include "zadad/Utility.h"

#include <algorithm>

namespace {

constexpr const char* kTimeFormat = "%#I:%M %p";
constexpr int kQuartersPerHour = 4;
constexpr int kMinutesPerQuarter = 15;

void ApplyRepetition(CNoteEditFields& f, CNoteEditEnabling& e) {
    e.m_bEvery = e.m_bUnit = f.m_bRepeat;
    if (f.m_bRepeat) {
        if (f.m_nRepeatEvery == 0) f.m_nRepeatEvery = 1;
        if (f.m_nRepeatUnit < 0) f.m_nRepeatUnit = kRepeatMonth;
    } else {
        f.m_bEnd = 0;
    }
    const bool yearly = f.m_nRepeatUnit == kRepeatYear;
    e.m_bWeekDay = f.m_bRepeat && (f.m_nRepeatUnit == kRepeatMonth || yearly);
    const bool rule = f.m_bRepeat && f.m_bWeekDay;
    e.m_bOrdinal = e.m_bWeekDayList = rule;
    e.m_bMonth = rule && yearly;
    e.m_bOf = f.m_bRepeat && yearly;
    if (f.m_bWeekDay) {
        if (f.m_nOrdinal < 0) f.m_nOrdinal = 0;
        if (f.m_nWeekDay < 0) f.m_nWeekDay = 0;
        if (yearly && f.m_nMonth < 0) f.m_nMonth = 0;
    }
}

void ApplyReminder(CNoteEditFields& f, CNoteEditEnabling& e) {
    // Whole days of warning make sense for a single event and for series of a
    // week or longer; the unit list of a note that does not repeat is idle and
    // must not decide it, or opening a one-time note would drop its days.
    e.m_bDays = f.m_bRemind && (!f.m_bRepeat || f.m_nRepeatUnit > kRepeatDay);
    if (!e.m_bDays) f.m_nRemindDays = 0;
    e.m_bTime = f.m_bRemind;
}

// A history copy keeps what happened: only its title and text change.
void LockForHistory(CNoteEditEnabling& e) {
    e.m_bEvery = e.m_bDays = e.m_bRepeat = e.m_bStartDate = e.m_bTime = false;
    e.m_bEnd = e.m_bRemind = e.m_bEndDate = e.m_bUnit = e.m_bMonth = false;
    e.m_bWeekDayList = e.m_bOrdinal = e.m_bCategory = e.m_bWeekDay = false;
}

// A holiday repeats every year on its date or weekday rule, all day, and has
// neither reminder, category nor end.
void LockForHoliday(CNoteEditFields& f, CNoteEditEnabling& e) {
    e.m_bCategory = e.m_bRepeat = e.m_bEvery = e.m_bUnit = false;
    e.m_bRemind = e.m_bDays = e.m_bTime = false;
    e.m_bEnd = e.m_bEndDate = false;
    f.m_nTimeIndex = -1;
    f.m_bEnd = 0;
}

} // namespace

std::string CNoteEditRules::TimeText(int index) {
    int hour = 0;
    int minute = 0;
    TimeOfIndex(index, hour, minute);
    return COleDateTime(2000, 1, 1, hour, minute, 0).Format(kTimeFormat);
}

int CNoteEditRules::TimeIndexOf(const COleDateTime& t) {
    const int hour = t.GetHour();
    const int minute = t.GetMinute();
    if (hour < 0 || minute < 0) return 0; // a date that cannot be read
    return hour * kQuartersPerHour + minute / kMinutesPerQuarter;
}

void CNoteEditRules::TimeOfIndex(int index, int& hour, int& minute) {
    if (index < 0 || index >= kTimeEntries) index = 0;
    hour = index / kQuartersPerHour;
    minute = (index % kQuartersPerHour) * kMinutesPerQuarter;
}

CNoteEditEnabling CNoteEditRules::Apply(CNoteEditFields& f, NoteEditMode mode) {
    CNoteEditEnabling e;
    ApplyRepetition(f, e);
    ApplyReminder(f, e);
    e.m_bEnd = f.m_bRepeat;
    e.m_bEndDate = f.m_bEnd;
    if (mode == kEditHistory) LockForHistory(e);
    if (mode == kEditHoliday) LockForHoliday(f, e);
    return e;
}

void CNoteEditRules::StartDateChanged(CNoteEditFields& f) {
    if (f.m_dtStartDate > f.m_dtEndDate) f.m_dtEndDate = f.m_dtStartDate + CUtility::OneDay;
}

bool CNoteEditRules::EndDateRuleHolds(const CNoteEditFields& f, const COleDateTime& now) {
    const COleDateTime end = DateOnly(f.m_dtEndDate);
    return end > DateOnly(f.m_dtStartDate) && end > now;
}

bool CNoteEditRules::EndDateChanged(CNoteEditFields& f, const COleDateTime& now) {
    if (EndDateRuleHolds(f, now)) return true;
    // The first day that keeps the rule: the day after the start, or
    // tomorrow when the start lies in the past.
    f.m_dtEndDate =
        std::max(DateOnly(f.m_dtStartDate) + CUtility::OneDay, DateOnly(now) + CUtility::OneDay);
    return false;
}
