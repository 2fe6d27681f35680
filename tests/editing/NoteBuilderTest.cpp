#include "editing/NoteBuilder.h"

#include "editing/NoteEditRules.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 40, 0);

class NoteBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    // A note on the 20th of this month at 18:15 with the given choices.
    static CNoteEditFields Fields(BOOL remind, BOOL repeat) {
        CNoteEditFields f = CNoteEditFields::ForNewNote(kNow);
        f.m_strTitle = "Dentist";
        f.m_strText = "{\\rtf1 bring the card}";
        f.m_wCategoryID = 2;
        f.m_dtStartDate = COleDateTime(2026, 12, 20, 0, 0, 0);
        f.m_nTimeIndex = 18 * 4 + 1;
        f.m_bRemind = remind;
        f.m_bRepeat = repeat;
        if (repeat) f.m_nRepeatUnit = kRepeatMonth;
        return f;
    }

    CTestClock m_clock{kNow};
};

} // namespace

TEST_F(NoteBuilderTest, WithoutReminderOrRepetitionAMemoAtMidnight) {
    const auto note = CNoteBuilder::Build(Fields(0, 0));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->m_nType, kNoteMemo);
    EXPECT_EQ(note->m_dtStart, COleDateTime(2026, 12, 20, 0, 0, 0));
    EXPECT_FALSE(note->m_bRemind);
    EXPECT_FALSE(note->m_bShowCountdown);
    EXPECT_EQ(note->m_dtEnd.GetStatus(), COleDateTime::null);
    EXPECT_EQ(note->m_strTitle, "Dentist");
    EXPECT_EQ(note->m_strText, "{\\rtf1 bring the card}");
    EXPECT_EQ(note->m_wCategoryID, 2);
}

TEST_F(NoteBuilderTest, ReminderWithoutRepetitionAOneTimeNoteAtTheChosenTime) {
    CNoteEditFields f = Fields(1, 0);
    f.m_nRemindDays = 3;
    const auto note = CNoteBuilder::Build(f);
    const auto* oneTime = dynamic_cast<const COneTimeNote*>(note.get());
    ASSERT_NE(oneTime, nullptr);
    EXPECT_EQ(note->m_nType, kNoteOneTime);
    EXPECT_TRUE(note->m_bRemind);
    EXPECT_EQ(oneTime->m_dtOccurrence, COleDateTime(2026, 12, 20, 18, 15, 0));
    EXPECT_EQ(oneTime->m_dtAlarm, COleDateTime(2026, 12, 17, 18, 15, 0));
    EXPECT_TRUE(note->m_bShowCountdown);
    EXPECT_TRUE(note->m_bTopMost);
    EXPECT_FALSE(note->m_bHistory);
}

TEST_F(NoteBuilderTest, CountdownFollowsTheOptionForNewReminders) {
    g_bShowCountdownDefault = 0;
    EXPECT_FALSE(CNoteBuilder::Build(Fields(1, 0))->m_bShowCountdown);
}

TEST_F(NoteBuilderTest, MonthlyWithTwoDaysWarning) {
    CNoteEditFields f = Fields(1, 1);
    f.m_nRemindDays = 2;
    const auto note = CNoteBuilder::Build(f);
    const auto* recurring = dynamic_cast<const CRecurringNote*>(note.get());
    ASSERT_NE(recurring, nullptr);
    EXPECT_EQ(note->m_nType, kNoteRecurring);
    EXPECT_EQ(recurring->m_nRepeatUnit, kRepeatMonth);
    EXPECT_EQ(recurring->m_nRepeatEvery, 1);
    EXPECT_EQ(recurring->m_dtOccurrence, COleDateTime(2026, 12, 20, 18, 15, 0));
    EXPECT_EQ(recurring->m_dtAlarm, COleDateTime(2026, 12, 18, 18, 15, 0));
    EXPECT_FALSE(recurring->m_bByWeekDay);
}

TEST_F(NoteBuilderTest, RepetitionWithoutReminderStandsOneSecondIntoItsDay) {
    const auto note = CNoteBuilder::Build(Fields(0, 1));
    EXPECT_EQ(note->m_nType, kNoteRecurring);
    EXPECT_FALSE(note->m_bRemind);
    EXPECT_EQ(note->m_dtStart, COleDateTime(2026, 12, 20, 0, 0, 1));
}

TEST_F(NoteBuilderTest, WeekDayRuleTakesTheListsOneBased) {
    CNoteEditFields f = Fields(1, 1);
    f.m_nRepeatUnit = kRepeatYear;
    f.m_bWeekDay = 1;
    f.m_nOrdinal = 4; // "Last"
    f.m_nWeekDay = 1; // "Monday"
    f.m_nMonth = 4;   // "May"
    const auto note = CNoteBuilder::Build(f);
    const auto* recurring = dynamic_cast<const CRecurringNote*>(note.get());
    ASSERT_NE(recurring, nullptr);
    EXPECT_TRUE(recurring->m_bByWeekDay);
    EXPECT_EQ(recurring->m_nWeekOrdinal, 5);
    EXPECT_EQ(recurring->m_nWeekDay, 2);
    EXPECT_EQ(recurring->m_nMonth, 5);
    EXPECT_EQ(recurring->m_dtOccurrence, COleDateTime(2027, 5, 31, 18, 15, 0));
}

TEST_F(NoteBuilderTest, WeekDayBoxLeftTickedForAShortUnitDoesNotMoveTheSeries) {
    CNoteEditFields f = Fields(1, 1);
    f.m_bWeekDay = 1;
    f.m_nOrdinal = 0;
    f.m_nWeekDay = 0;
    f.m_nRepeatUnit = kRepeatDay; // "Week Day" is greyed out now, still ticked
    const auto note = CNoteBuilder::Build(f);
    const auto* recurring = dynamic_cast<const CRecurringNote*>(note.get());
    ASSERT_NE(recurring, nullptr);
    EXPECT_FALSE(recurring->m_bByWeekDay);
    EXPECT_EQ(recurring->m_dtOccurrence, COleDateTime(2026, 12, 20, 18, 15, 0));
}

TEST_F(NoteBuilderTest, EndDateIsStoredAtMidnight) {
    CNoteEditFields f = Fields(1, 1);
    f.m_bEnd = 1;
    f.m_dtEndDate = COleDateTime(2027, 6, 1, 0, 0, 0);
    const auto note = CNoteBuilder::Build(f);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->m_dtEnd, COleDateTime(2027, 6, 1, 0, 0, 0));
}

TEST_F(NoteBuilderTest, SeriesEndingBeforeItsFirstAlarmIsRefused) {
    CNoteEditFields f = Fields(1, 1);
    f.m_bEnd = 1;
    f.m_dtEndDate = COleDateTime(2026, 12, 20, 0, 0, 0); // the first alarm is at 18:15 that day
    EXPECT_EQ(CNoteBuilder::Build(f), nullptr);
    f.m_dtEndDate = COleDateTime(2026, 12, 21, 0, 0, 0);
    EXPECT_NE(CNoteBuilder::Build(f), nullptr);
}

TEST_F(NoteBuilderTest, HistoryCopyTakesOnlyTitleAndText) {
    COneTimeNote note(kNoteOneTime, "old", "old text", kNow, 1, 3, 1);
    note.m_bHistory = 1;
    CNoteEditFields f = Fields(0, 1);
    f.m_strTitle = "new";
    CNoteBuilder::ApplyToHistory(f, note);
    EXPECT_EQ(note.m_strTitle, "new");
    EXPECT_EQ(note.m_strText, "{\\rtf1 bring the card}");
    EXPECT_EQ(note.m_dtStart, kNow);
    EXPECT_EQ(note.m_wCategoryID, 3);
    EXPECT_TRUE(note.m_bRemind);
    EXPECT_TRUE(note.m_bHistory);
}

TEST_F(NoteBuilderTest, HolidayItemTakesDateNamePlainTextAndRule) {
    CRecurringNote holiday("New Holiday", "", COleDateTime(2000, 1, 1, 0, 0, 0), 0, kRepeatYear, 1,
                           0, 0, 1, 1, 1, 0);
    holiday.m_bActive = 0;
    CNoteEditFields f = CNoteEditFields::FromNote(holiday);
    f.m_strTitle = "Harvest Day";
    f.m_strPlainText = "a day off";
    f.m_dtStartDate = COleDateTime(2002, 9, 14, 0, 0, 0);
    f.m_bWeekDay = 1;
    f.m_nOrdinal = 1;
    f.m_nWeekDay = 4;
    f.m_nMonth = 8;
    CNoteBuilder::ApplyToHoliday(f, holiday);
    EXPECT_EQ(holiday.m_strTitle, "Harvest Day");
    EXPECT_EQ(holiday.m_strText, "a day off");
    EXPECT_EQ(holiday.m_dtStart, COleDateTime(2002, 9, 14, 0, 0, 0));
    EXPECT_TRUE(holiday.m_bActive);
    EXPECT_TRUE(holiday.m_bByWeekDay);
    EXPECT_EQ(holiday.m_nWeekOrdinal, 2);
    EXPECT_EQ(holiday.m_nWeekDay, 5);
    EXPECT_EQ(holiday.m_nMonth, 9);

    f.m_bWeekDay = 0;
    f.m_nOrdinal = f.m_nWeekDay = f.m_nMonth = -1;
    CNoteBuilder::ApplyToHoliday(f, holiday);
    EXPECT_FALSE(holiday.m_bByWeekDay);
    EXPECT_EQ(holiday.m_nWeekDay, 5); // an empty list keeps the item's value
}
