#include "editing/NoteEditRules.h"

#include "store/RecurringNote.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 40, 0);
const COleDateTime kToday(2026, 12, 8, 0, 0, 0);

CNoteEditFields NewNote() {
    return CNoteEditFields::ForNewNote(kNow);
}

CNoteEditFields Repeating(int unit) {
    CNoteEditFields f = NewNote();
    f.m_bRepeat = 1;
    f.m_nRepeatUnit = unit;
    return f;
}

} // namespace

TEST(NoteEditTimeList, ReadsFromMidnightToElevenFortyFiveInQuarterHours) {
    EXPECT_EQ(CNoteEditRules::TimeText(0), "12:00 AM");
    EXPECT_EQ(CNoteEditRules::TimeText(1), "12:15 AM");
    EXPECT_EQ(CNoteEditRules::TimeText(38), "9:30 AM");
    EXPECT_EQ(CNoteEditRules::TimeText(48), "12:00 PM");
    EXPECT_EQ(CNoteEditRules::TimeText(53), "1:15 PM");
    EXPECT_EQ(CNoteEditRules::TimeText(95), "11:45 PM");
    std::set<std::string> texts;
    for (int i = 0; i < CNoteEditRules::kTimeEntries; ++i)
        texts.insert(CNoteEditRules::TimeText(i));
    EXPECT_EQ(texts.size(), 96u);
}

TEST(NoteEditTimeList, PreselectsTheQuarterHourAtOrBeforeTheTime) {
    EXPECT_EQ(CNoteEditRules::TimeIndexOf(COleDateTime(2026, 1, 1, 9, 40, 0)), 38);
    EXPECT_EQ(CNoteEditRules::TimeIndexOf(COleDateTime(2026, 1, 1, 0, 0, 0)), 0);
    EXPECT_EQ(CNoteEditRules::TimeIndexOf(COleDateTime(2026, 1, 1, 23, 59, 59)), 95);
    EXPECT_EQ(CNoteEditRules::TimeIndexOf(COleDateTime(2026, 1, 1, 12, 15, 0)), 49);
    COleDateTime broken;
    broken.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(CNoteEditRules::TimeIndexOf(broken), 0);

    int hour = -1;
    int minute = -1;
    CNoteEditRules::TimeOfIndex(38, hour, minute);
    EXPECT_EQ(hour, 9);
    EXPECT_EQ(minute, 30);
    CNoteEditRules::TimeOfIndex(96, hour, minute); // past the list: midnight, never garbage
    EXPECT_EQ(hour, 0);
    EXPECT_EQ(minute, 0);
}

TEST(NoteEditFieldsTest, NewNoteStartsOnTheInitialDayWithTheDefaults) {
    const CNoteEditFields f = NewNote();
    EXPECT_EQ(f.m_strCaption, "  New Note");
    EXPECT_EQ(f.m_nTimeIndex, 38);
    EXPECT_EQ(f.m_dtStartDate, kToday);
    EXPECT_EQ(f.m_dtEndDate, kToday + CUtility::OneDay);
    EXPECT_TRUE(f.m_bRemind);
    EXPECT_FALSE(f.m_bRepeat);
    EXPECT_FALSE(f.m_bEnd);
    EXPECT_FALSE(f.m_bWeekDay);
    EXPECT_EQ(f.m_nRepeatEvery, 1);
    EXPECT_EQ(f.m_nRemindDays, 0);
}

TEST(NoteEditFieldsTest, ExistingNotesShowTheirValues) {
    const CTestClock clock(kNow);
    CRecurringNote note("Rent", "pay", COleDateTime(2026, 12, 20, 14, 50, 0), 3, kRepeatYear, 2, 7,
                        1, 6, 5, 11, 1);
    note.m_dtEnd = COleDateTime(2030, 1, 1, 0, 0, 0);
    const CNoteEditFields f = CNoteEditFields::FromNote(note);
    EXPECT_EQ(f.m_strCaption, "Rent");
    EXPECT_EQ(f.m_nTimeIndex, 14 * 4 + 3);
    EXPECT_EQ(f.m_wCategoryID, 7);
    EXPECT_TRUE(f.m_bRepeat && f.m_bWeekDay && f.m_bEnd && f.m_bRemind);
    EXPECT_EQ(f.m_dtEndDate, COleDateTime(2030, 1, 1, 0, 0, 0));
    EXPECT_EQ(f.m_nRepeatEvery, 2);
    EXPECT_EQ(f.m_nRepeatUnit, kRepeatYear);
    EXPECT_EQ(f.m_nRemindDays, 3);
    EXPECT_EQ(f.m_nWeekDay, 5);
    EXPECT_EQ(f.m_nOrdinal, 4);
    EXPECT_EQ(f.m_nMonth, 10);

    note.m_bHistory = 1;
    note.m_dtEnd.SetStatus(COleDateTime::null);
    const CNoteEditFields history = CNoteEditFields::FromNote(note);
    EXPECT_EQ(history.m_strCaption, "Rent (History)");
    EXPECT_FALSE(history.m_bEnd);
    EXPECT_EQ(history.m_dtEndDate, COleDateTime(2026, 12, 21, 0, 0, 0));
    EXPECT_EQ(CNoteEditFields::ModeFor(&note, false), kEditHistory);
}

TEST(NoteEditFieldsTest, DamagedRuleValuesSelectNothing) {
    const CTestClock clock(kNow);
    CRecurringNote note("x", "", kNow, 0, kRepeatMonth, 1, 0, 1, 9, 0, 13, 0);
    const CNoteEditFields f = CNoteEditFields::FromNote(note);
    EXPECT_EQ(f.m_nWeekDay, -1);
    EXPECT_EQ(f.m_nOrdinal, -1);
    EXPECT_EQ(f.m_nMonth, -1); // monthly: the month list is not used at all
}

TEST(NoteEditFieldsTest, OnlyHistoryCopiesOfAlarmsAreReadOnly) {
    CNote memo(kNoteMemo, "m", "", kNow, 0);
    memo.m_bHistory = 1;
    EXPECT_EQ(CNoteEditFields::ModeFor(&memo, false), kEditNote);
    EXPECT_EQ(CNoteEditFields::ModeFor(nullptr, false), kEditNote);
    EXPECT_EQ(CNoteEditFields::ModeFor(&memo, true), kEditHoliday);
}

TEST(NoteEditEnablingRules, WithoutRepetitionNoEndAndNoRule) {
    CNoteEditFields f = Repeating(kRepeatMonth);
    f.m_bEnd = 1;
    f.m_bRepeat = 0;
    const CNoteEditEnabling e = CNoteEditRules::Apply(f, kEditNote);
    EXPECT_FALSE(f.m_bEnd);
    EXPECT_FALSE(e.m_bEnd);
    EXPECT_FALSE(e.m_bEndDate);
    EXPECT_FALSE(e.m_bEvery);
    EXPECT_FALSE(e.m_bUnit);
    EXPECT_FALSE(e.m_bWeekDay);
    EXPECT_FALSE(e.m_bOrdinal || e.m_bWeekDayList || e.m_bMonth || e.m_bOf);
}

TEST(NoteEditEnablingRules, TickingRepeatFillsInOneMonth) {
    CNoteEditFields f = NewNote();
    f.m_bRepeat = 1;
    f.m_nRepeatEvery = 0;
    const CNoteEditEnabling e = CNoteEditRules::Apply(f, kEditNote);
    EXPECT_EQ(f.m_nRepeatEvery, 1);
    EXPECT_EQ(f.m_nRepeatUnit, kRepeatMonth);
    EXPECT_TRUE(e.m_bEvery && e.m_bUnit && e.m_bEnd && e.m_bWeekDay);
    EXPECT_FALSE(e.m_bEndDate); // until "End" is ticked
}

TEST(NoteEditEnablingRules, WeekDayRuleOnlyForMonthsAndYears) {
    for (int unit = kRepeatMinute; unit <= kRepeatYear; ++unit) {
        CNoteEditFields f = Repeating(unit);
        const CNoteEditEnabling e = CNoteEditRules::Apply(f, kEditNote);
        EXPECT_EQ(e.m_bWeekDay, unit == kRepeatMonth || unit == kRepeatYear) << unit;
        EXPECT_EQ(e.m_bOf, unit == kRepeatYear) << unit;
    }
}

TEST(NoteEditEnablingRules, WeekDayRuleStartsOnTheFirstSundayOfJanuary) {
    CNoteEditFields monthly = Repeating(kRepeatMonth);
    monthly.m_bWeekDay = 1;
    CNoteEditEnabling e = CNoteEditRules::Apply(monthly, kEditNote);
    EXPECT_TRUE(e.m_bOrdinal && e.m_bWeekDayList);
    EXPECT_FALSE(e.m_bMonth);
    EXPECT_EQ(monthly.m_nOrdinal, 0);
    EXPECT_EQ(monthly.m_nWeekDay, 0);
    EXPECT_EQ(monthly.m_nMonth, -1);

    CNoteEditFields yearly = Repeating(kRepeatYear);
    yearly.m_bWeekDay = 1;
    yearly.m_nWeekDay = 3;
    e = CNoteEditRules::Apply(yearly, kEditNote);
    EXPECT_TRUE(e.m_bMonth && e.m_bOf);
    EXPECT_EQ(yearly.m_nMonth, 0);
    EXPECT_EQ(yearly.m_nWeekDay, 3); // a choice made is kept
}

TEST(NoteEditEnablingRules, DailyRemindersFireAtTheTimeItself) {
    CNoteEditFields f = Repeating(kRepeatDay);
    f.m_nRemindDays = 5;
    CNoteEditEnabling e = CNoteEditRules::Apply(f, kEditNote);
    EXPECT_FALSE(e.m_bDays);
    EXPECT_EQ(f.m_nRemindDays, 0);

    f.m_nRepeatUnit = kRepeatWeek;
    f.m_nRemindDays = 5;
    e = CNoteEditRules::Apply(f, kEditNote);
    EXPECT_TRUE(e.m_bDays);
    EXPECT_EQ(f.m_nRemindDays, 5);
}

TEST(NoteEditEnablingRules, WithoutReminderNoDaysAndNoTime) {
    CNoteEditFields f = Repeating(kRepeatYear);
    f.m_bRemind = 0;
    f.m_nRemindDays = 4;
    const CNoteEditEnabling e = CNoteEditRules::Apply(f, kEditNote);
    EXPECT_FALSE(e.m_bDays);
    EXPECT_FALSE(e.m_bTime);
    EXPECT_EQ(f.m_nRemindDays, 0);
}

TEST(NoteEditEnablingRules, OneTimeNoteKeepsItsDaysWhateverTheIdleUnitSays) {
    CNoteEditFields f = NewNote(); // unit list without a choice
    f.m_nRemindDays = 2;
    CNoteEditEnabling e = CNoteEditRules::Apply(f, kEditNote);
    EXPECT_TRUE(e.m_bDays);
    EXPECT_EQ(f.m_nRemindDays, 2);

    f.m_nRepeatUnit = kRepeatMinute; // left over from unticking "Repeat Every"
    e = CNoteEditRules::Apply(f, kEditNote);
    EXPECT_TRUE(e.m_bDays);
    EXPECT_EQ(f.m_nRemindDays, 2);
}

TEST(NoteEditEnablingRules, HistoryCopiesOpenOnlyTitleAndText) {
    CNoteEditFields f = Repeating(kRepeatYear);
    f.m_bWeekDay = 1;
    f.m_bEnd = 1;
    const CNoteEditEnabling e = CNoteEditRules::Apply(f, kEditHistory);
    for (bool enabled : {e.m_bCategory, e.m_bStartDate, e.m_bTime, e.m_bRepeat, e.m_bEvery,
                         e.m_bUnit, e.m_bWeekDay, e.m_bOrdinal, e.m_bWeekDayList, e.m_bMonth,
                         e.m_bEnd, e.m_bEndDate, e.m_bRemind, e.m_bDays})
        EXPECT_FALSE(enabled);
    EXPECT_TRUE(f.m_bEnd); // shown as it was, only locked
}

TEST(NoteEditEnablingRules, HolidayItemsKeepTheirDateAndWeekDayRuleOpen) {
    CNoteEditFields f = Repeating(kRepeatYear);
    f.m_bRemind = 0;
    f.m_nTimeIndex = 10;
    f.m_bEnd = 1;
    CNoteEditEnabling e = CNoteEditRules::Apply(f, kEditHoliday);
    EXPECT_EQ(f.m_nTimeIndex, -1);
    EXPECT_FALSE(f.m_bEnd);
    EXPECT_FALSE(e.m_bRepeat || e.m_bEvery || e.m_bUnit || e.m_bRemind || e.m_bDays || e.m_bTime);
    EXPECT_FALSE(e.m_bCategory || e.m_bEnd || e.m_bEndDate);
    EXPECT_TRUE(e.m_bStartDate && e.m_bWeekDay);

    f.m_bWeekDay = 1; // and the rule stays editable on every later run
    e = CNoteEditRules::Apply(f, kEditHoliday);
    EXPECT_TRUE(e.m_bOrdinal && e.m_bWeekDayList && e.m_bMonth);
    EXPECT_FALSE(e.m_bEvery || e.m_bUnit || e.m_bTime);
}

TEST(NoteEditDatePickers, StartPastTheEndPushesTheEndToTheNextDay) {
    CNoteEditFields f = NewNote();
    f.m_dtEndDate = COleDateTime(2026, 12, 20, 0, 0, 0);
    f.m_dtStartDate = COleDateTime(2026, 12, 19, 0, 0, 0);
    CNoteEditRules::StartDateChanged(f);
    EXPECT_EQ(f.m_dtEndDate, COleDateTime(2026, 12, 20, 0, 0, 0));
    f.m_dtStartDate = COleDateTime(2026, 12, 25, 0, 0, 0);
    CNoteEditRules::StartDateChanged(f);
    EXPECT_EQ(f.m_dtEndDate, COleDateTime(2026, 12, 26, 0, 0, 0));
}

TEST(NoteEditDatePickers, EndMustFollowTheStartDayAndNow) {
    CNoteEditFields f = NewNote(); // starts today
    f.m_dtEndDate = kToday;
    EXPECT_FALSE(CNoteEditRules::EndDateRuleHolds(f, kNow));
    EXPECT_FALSE(CNoteEditRules::EndDateChanged(f, kNow));
    EXPECT_EQ(f.m_dtEndDate, kToday + CUtility::OneDay);
    EXPECT_TRUE(CNoteEditRules::EndDateRuleHolds(f, kNow));

    f.m_dtStartDate = COleDateTime(2027, 3, 1, 0, 0, 0);
    f.m_dtEndDate = COleDateTime(2027, 3, 1, 0, 0, 0); // the start day itself
    EXPECT_FALSE(CNoteEditRules::EndDateChanged(f, kNow));
    EXPECT_EQ(f.m_dtEndDate, COleDateTime(2027, 3, 2, 0, 0, 0));

    // A start long past: the first day that keeps the rule is tomorrow.
    f.m_dtStartDate = COleDateTime(2026, 1, 1, 0, 0, 0);
    f.m_dtEndDate = COleDateTime(2026, 6, 1, 0, 0, 0);
    EXPECT_FALSE(CNoteEditRules::EndDateChanged(f, kNow));
    EXPECT_EQ(f.m_dtEndDate, COleDateTime(2026, 12, 9, 0, 0, 0));
    f.m_dtEndDate = COleDateTime(2027, 6, 1, 0, 0, 0);
    EXPECT_TRUE(CNoteEditRules::EndDateChanged(f, kNow));
    EXPECT_EQ(f.m_dtEndDate, COleDateTime(2027, 6, 1, 0, 0, 0));
}
