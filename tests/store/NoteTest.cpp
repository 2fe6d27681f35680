#include "store/NoteCasts.h"
#include "store/NoteWndHandle.h"
#include "store/OneTimeNote.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/TestClock.h"
#include "zadad/Archive.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

COleDateTime Date(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return COleDateTime(y, mo, d, h, mi, s);
}

class NoteTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }
    CTestClock m_clock{Date(2026, 12, 8, 9, 30, 0)};
};

// Records what the note tells its window.
class RecordingWnd : public CNoteWndHandle {
public:
    explicit RecordingWnd(bool editing) : m_editing(editing) {}
    bool IsEditingNote() const override { return m_editing; }
    void NoteDeleted() override { ++m_deletedCalls; }
    bool m_editing;
    int m_deletedCalls = 0;
};

// Gives every field a copy could take over a value unlike the defaults.
void FillAppearanceAndState(CNote& note) {
    note.m_rcWindow = RECT{10, 20, 110, 220};
    note.m_rcWindowAlt = RECT{11, 21, 111, 221};
    note.m_nWndFlag = 7;
    note.m_bTopMost = 0;
    note.m_nReserved1 = 99;
    note.m_crTitle = RGB(1, 2, 3);
    note.m_crBack = RGB(4, 5, 6);
    note.m_bShowCountdown = 1;
    note.m_bAlarmActive = 1;
    note.m_bEditing = 1;
    note.m_nID = 612;
    note.m_bHistory = 1;
    note.m_dtEnd = Date(2027, 1, 1);
    note.m_lfFont.lfHeight = 33;
    note.m_lfFont.SetFaceName("Courier");
    note.m_nCountdownParts = 3;
    note.m_bActive = 0;
    note.m_bHasWindowRect = 1;
    note.m_bOnDesktop = 1;
}

TEST_F(NoteTest, NewNoteDefaults) {
    g_crNoteTitleDefault = RGB(10, 20, 30);
    g_crNoteBackDefault = RGB(40, 50, 60);
    const CNote note(kNoteMemo, "Title", "Body", Date(2026, 5, 1, 8, 0, 0), 3);
    EXPECT_EQ(note.m_nType, kNoteMemo);
    EXPECT_EQ(note.m_strTitle, "Title");
    EXPECT_EQ(note.m_strText, "Body");
    EXPECT_EQ(note.m_dtStart, Date(2026, 5, 1, 8, 0, 0));
    EXPECT_EQ(note.m_dtEnd.GetStatus(), COleDateTime::null);
    EXPECT_EQ(note.m_wCategoryID, 3);
    EXPECT_EQ(note.m_nWndFlag, 0);
    EXPECT_EQ(note.m_bTopMost, 1);
    EXPECT_EQ(note.m_bActive, 1);
    EXPECT_EQ(note.m_bShowCountdown, 0);
    EXPECT_EQ(note.m_nCountdownParts, 15);
    EXPECT_EQ(note.m_nID, 0);
    EXPECT_EQ(note.m_bRemind, 0);
    EXPECT_EQ(note.m_rcWindow, RECT{});
    EXPECT_EQ(note.m_crTitle, RGB(10, 20, 30));
    EXPECT_EQ(note.m_crBack, RGB(40, 50, 60));
    EXPECT_EQ(note.m_lfFont, DefaultNoteFont());
}

TEST_F(NoteTest, DefaultFontIsTheSystemFontMadeSmallLightArial) {
    const LOGFONT system = SystemFontLogFont();
    const LOGFONT font = DefaultNoteFont();
    EXPECT_EQ(font.lfHeight, 10);
    EXPECT_EQ(font.lfWeight, 200);
    EXPECT_EQ(font.FaceName(), "Arial");
    EXPECT_EQ(font.lfWidth, system.lfWidth);
    EXPECT_EQ(font.lfPitchAndFamily, system.lfPitchAndFamily);
    EXPECT_EQ(font.lfCharSet, system.lfCharSet);
}

TEST_F(NoteTest, LoaderObjectsCarryTheirKindAndWindowFlag) {
    const CNote memo;
    const COneTimeNote oneTime;
    const CRecurringNote recurring;
    EXPECT_EQ(memo.m_nType, kNoteMemo);
    EXPECT_EQ(oneTime.m_nType, kNoteOneTime);
    EXPECT_EQ(recurring.m_nType, kNoteRecurring);
    EXPECT_EQ(memo.m_nWndFlag, 1);
    EXPECT_EQ(recurring.m_nWndFlag, 1);
    EXPECT_EQ(memo.m_dtEnd.GetStatus(), COleDateTime::null);
}

TEST_F(NoteTest, OneTimeNoteSetsItsAlarmAndCountdown) {
    const COneTimeNote note(kNoteOneTime, "Pay", "", Date(2026, 12, 20, 14, 0, 0), 3, 1, 1);
    EXPECT_EQ(note.m_bRemind, 1);
    EXPECT_EQ(note.m_nRemindDays, 3);
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 12, 20, 14, 0, 0));
    EXPECT_EQ(note.m_dtAlarm, Date(2026, 12, 17, 14, 0, 0));
    EXPECT_EQ(note.m_bShowCountdown, 1);

    const COneTimeNote silent(kNoteOneTime, "Pay", "", Date(2026, 12, 20), 3, 1, 0);
    EXPECT_EQ(silent.m_bShowCountdown, 0);
    g_bShowCountdownDefault = 0;
    const COneTimeNote optionOff(kNoteOneTime, "Pay", "", Date(2026, 12, 20), 3, 1, 1);
    EXPECT_EQ(optionOff.m_bShowCountdown, 0);
}

TEST_F(NoteTest, ResetAlarmStartsOverFromTheStart) {
    COneTimeNote note(kNoteOneTime, "x", "", Date(2026, 3, 1, 12, 0, 0), 0, 0, 1);
    note.m_dtOccurrence = Date(2026, 4, 1);
    note.m_dtAlarm = Date(2026, 3, 30);
    note.m_nRemindDays = 2;
    note.ResetAlarm();
    EXPECT_EQ(note.m_dtOccurrence, Date(2026, 3, 1, 12, 0, 0));
    EXPECT_EQ(note.m_dtAlarm, Date(2026, 2, 27, 12, 0, 0));
}

TEST_F(NoteTest, CopyTakesContentAndAppearanceButNotIdentityOrWindowState) {
    CNote src(kNoteMemo, "Title", "{\\rtf1 body}", Date(2026, 6, 1), 4);
    FillAppearanceAndState(src);
    src.m_bRemind = 1;
    RecordingWnd wnd(false);
    src.m_pNoteWnd = &wnd;

    const CNote copy(src);
    EXPECT_EQ(copy.m_strTitle, "Title");
    EXPECT_EQ(copy.m_strText, "{\\rtf1 body}");
    EXPECT_EQ(copy.m_nType, kNoteMemo);
    EXPECT_EQ(copy.m_bHistory, 1);
    EXPECT_EQ(copy.m_bRemind, 1);
    EXPECT_EQ(copy.m_dtStart, Date(2026, 6, 1));
    EXPECT_EQ(copy.m_dtEnd, Date(2027, 1, 1));
    EXPECT_EQ(copy.m_wCategoryID, 4);
    // Appearance travels with the copy.
    EXPECT_EQ(copy.m_rcWindow, src.m_rcWindow);
    EXPECT_EQ(copy.m_rcWindowAlt, src.m_rcWindowAlt);
    EXPECT_EQ(copy.m_nWndFlag, 7);
    EXPECT_EQ(copy.m_bTopMost, 0);
    EXPECT_EQ(copy.m_nReserved1, 99);
    EXPECT_EQ(copy.m_crTitle, RGB(1, 2, 3));
    EXPECT_EQ(copy.m_crBack, RGB(4, 5, 6));
    EXPECT_EQ(copy.m_bShowCountdown, 1);
    // A copy is a new note: no ID, no window, not being edited or ringing.
    EXPECT_EQ(copy.m_nID, 0);
    EXPECT_EQ(copy.m_pNoteWnd, nullptr);
    EXPECT_EQ(copy.m_bEditing, 0);
    EXPECT_EQ(copy.m_bAlarmActive, 0);
    // And it keeps its own defaults for these.
    EXPECT_EQ(copy.m_lfFont, DefaultNoteFont());
    EXPECT_EQ(copy.m_nCountdownParts, 15);
    EXPECT_EQ(copy.m_bActive, 1);
    EXPECT_EQ(copy.m_bHasWindowRect, 0);
    EXPECT_EQ(copy.m_bOnDesktop, 0);
    src.m_pNoteWnd = nullptr;
}

TEST_F(NoteTest, CopyAppearanceLeavesContentAlone) {
    CNote src(kNoteMemo, "Source", "", Date(2026, 6, 1), 4);
    FillAppearanceAndState(src);
    CNote dst(kNoteMemo, "Target", "", Date(2026, 7, 1), 2);
    dst.m_bAlarmActive = 1;
    dst.CopyAppearance(src);
    EXPECT_EQ(dst.m_strTitle, "Target");
    EXPECT_EQ(dst.m_dtStart, Date(2026, 7, 1));
    EXPECT_EQ(dst.m_wCategoryID, 2);
    EXPECT_EQ(dst.m_nID, 0);
    EXPECT_EQ(dst.m_rcWindow, src.m_rcWindow);
    EXPECT_EQ(dst.m_crBack, RGB(4, 5, 6));
    EXPECT_EQ(dst.m_bAlarmActive, 0);
    EXPECT_EQ(dst.m_bOnDesktop, 0);
}

TEST_F(NoteTest, CopiesOfOneTimeAndRecurringNotesTakeTheirOwnFields) {
    COneTimeNote oneTime(kNoteOneTime, "A", "", Date(2026, 12, 20), 2, 1, 1);
    oneTime.m_dtOccurrence = Date(2026, 12, 21);
    oneTime.m_dtAlarm = Date(2026, 12, 19, 6, 0, 0);
    oneTime.m_nReserved2 = 5;
    const COneTimeNote oneTimeCopy(oneTime);
    EXPECT_EQ(oneTimeCopy.m_nType, kNoteOneTime);
    EXPECT_EQ(oneTimeCopy.m_nRemindDays, 2);
    EXPECT_EQ(oneTimeCopy.m_dtOccurrence, Date(2026, 12, 21));
    EXPECT_EQ(oneTimeCopy.m_dtAlarm, Date(2026, 12, 19, 6, 0, 0));

    CRecurringNote recurring("R", "", Date(2026, 12, 20, 9, 0, 0), 1, kRepeatMonth, 2, 3, 1, 6, 5,
                             7, 1);
    recurring.m_dtLastOccurrence = Date(2026, 11, 27, 9, 0, 0);
    const CRecurringNote recurringCopy(recurring);
    EXPECT_EQ(recurringCopy.m_nType, kNoteRecurring);
    EXPECT_EQ(recurringCopy.m_nRepeatUnit, kRepeatMonth);
    EXPECT_EQ(recurringCopy.m_nRepeatEvery, 2);
    EXPECT_EQ(recurringCopy.m_dtLastOccurrence, Date(2026, 11, 27, 9, 0, 0));
    EXPECT_EQ(recurringCopy.m_bByWeekDay, 1);
    EXPECT_EQ(recurringCopy.m_nWeekDay, 6);
    EXPECT_EQ(recurringCopy.m_nWeekOrdinal, 5);
    EXPECT_EQ(recurringCopy.m_nMonth, 7);
    EXPECT_EQ(recurringCopy.m_dtOccurrence, recurring.m_dtOccurrence);
    EXPECT_EQ(recurringCopy.m_dtAlarm, recurring.m_dtAlarm);
    EXPECT_EQ(recurringCopy.m_nRemindDays, 1);
}

TEST_F(NoteTest, CloneKeepsTheClass) {
    const CNote memo(kNoteMemo, "m", "", Date(2026, 1, 1), 0);
    const COneTimeNote oneTime(kNoteOneTime, "o", "", Date(2026, 12, 20), 0, 0, 1);
    const CRecurringNote recurring("r", "", Date(2026, 12, 20), 0, kRepeatWeek, 2, 0, 0, 1, 1, 1,
                                   0);
    const auto memoClone = memo.Clone();
    const auto oneTimeClone = oneTime.Clone();
    const auto recurringClone = recurring.Clone();
    EXPECT_EQ(memoClone->GetTypeText(), "Memo");
    EXPECT_EQ(oneTimeClone->GetTypeText(), "One Time");
    EXPECT_NE(dynamic_cast<COneTimeNote*>(oneTimeClone.get()), nullptr);
    const auto* asRecurring = dynamic_cast<CRecurringNote*>(recurringClone.get());
    ASSERT_NE(asRecurring, nullptr);
    EXPECT_EQ(asRecurring->m_nRepeatEvery, 2);
    EXPECT_EQ(asRecurring->GetTypeText(), "2 weeks");
}

// The casts read both the kind code and the class the object was made as,
// copies and clones included: a kind code that promises more than the
// class holds gives no pointer.
TEST_F(NoteTest, CastsNeedKindAndClassToAgree) {
    const auto made = [](int level) -> std::unique_ptr<CNote> {
        if (level == 0) return std::make_unique<CNote>(Date(2026, 1, 1));
        if (level == 1) return std::make_unique<COneTimeNote>(Date(2026, 1, 1));
        return std::make_unique<CRecurringNote>(Date(2026, 1, 1));
    };
    struct Case {
        int level; // 0 CNote, 1 COneTimeNote, 2 CRecurringNote
        int type;
        bool oneTime, recurring;
    } cases[] = {
        {0, kNoteMemo, false, false},      {0, kNoteOneTime, false, false},
        {0, kNoteRecurring, false, false}, {1, kNoteMemo, false, false},
        {1, kNoteOneTime, true, false},    {1, kNoteRecurring, true, false},
        {2, kNoteOneTime, true, false},    {2, kNoteRecurring, true, true},
        {2, kNoteHoliday, true, true},
    };
    for (const Case& c : cases) {
        for (const bool cloned : {false, true}) {
            std::unique_ptr<CNote> note = made(c.level);
            note->m_nType = c.type;
            if (cloned) note = note->Clone();
            SCOPED_TRACE(testing::Message() << c.level << "/" << c.type << (cloned ? " clone" : ""));
            EXPECT_EQ(AsOneTime(*note) != nullptr, c.oneTime);
            EXPECT_EQ(AsRecurring(*note) != nullptr, c.recurring);
        }
    }
}

TEST_F(NoteTest, CopyFromANoteOfAnotherClassTakesOnlyTheCommonPart) {
    CNote memo(kNoteMemo, "memo", "", Date(2026, 1, 1), 0);
    COneTimeNote oneTime(kNoteOneTime, "o", "", Date(2026, 12, 20), 4, 0, 1);
    oneTime.CopyFrom(memo);
    EXPECT_EQ(oneTime.m_strTitle, "memo");
    EXPECT_EQ(oneTime.m_nRemindDays, 4);
}

TEST_F(NoteTest, DeletingANoteTellsItsWindowUnlessTheWindowIsEditingIt) {
    RecordingWnd wnd(false);
    {
        auto note = std::make_unique<CNote>(kNoteMemo, "x", "", Date(2026, 1, 1), 0);
        note->m_pNoteWnd = &wnd;
    }
    EXPECT_EQ(wnd.m_deletedCalls, 1);

    RecordingWnd editing(true);
    {
        auto note = std::make_unique<CNote>(kNoteMemo, "x", "", Date(2026, 1, 1), 0);
        note->m_pNoteWnd = &editing;
    }
    EXPECT_EQ(editing.m_deletedCalls, 0);
}

TEST_F(NoteTest, TypeTexts) {
    const CNote memo(kNoteMemo, "", "", Date(2026, 1, 1), 0);
    EXPECT_EQ(memo.GetTypeText(), "Memo");
    const COneTimeNote oneTime(kNoteOneTime, "", "", Date(2027, 1, 1), 0, 0, 1);
    EXPECT_EQ(oneTime.GetTypeText(), "One Time");
    CRecurringNote recurring;
    const char* const singular[] = {"1 minute", "1 hour", "1 day", "1 week", "1 month", "1 year"};
    const char* const plural[] = {"2 minutes", "2 hours",  "2 days",
                                  "2 weeks",   "2 months", "2 years"};
    for (int unit = kRepeatMinute; unit <= kRepeatYear; ++unit) {
        recurring.m_nRepeatUnit = unit;
        recurring.m_nRepeatEvery = 1;
        EXPECT_EQ(recurring.GetTypeText(), singular[unit]);
        recurring.m_nRepeatEvery = 2;
        EXPECT_EQ(recurring.GetTypeText(), plural[unit]);
    }
    recurring.m_nRepeatUnit = 6;
    recurring.m_nRepeatEvery = 3;
    EXPECT_EQ(recurring.GetTypeText(), "3 ");
}

TEST_F(NoteTest, IconIndexFollowsKindThenHistoryThenReminder) {
    CRecurringNote note;
    for (int type = kNoteMemo; type <= kNoteRecurring; ++type) {
        note.m_nType = type;
        note.m_bHistory = 0;
        note.m_bRemind = 0;
        EXPECT_EQ(note.GetIconIndex(), 3 * type);
        note.m_bRemind = 1;
        EXPECT_EQ(note.GetIconIndex(), 3 * type + 1);
        note.m_bHistory = 1;
        EXPECT_EQ(note.GetIconIndex(), 3 * type + 2); // history wins over the reminder
    }
    EXPECT_EQ(note.GetIconIndex(), 8);
    note.m_nType = kNoteHoliday;
    EXPECT_EQ(note.GetIconIndex(), -1);
    note.m_nType = -1;
    EXPECT_EQ(note.GetIconIndex(), -1);
}

TEST_F(NoteTest, TimeLeftTextUnits) {
    const CNote note(kNoteMemo, "", "", Date(2026, 1, 1), 0);
    EXPECT_EQ(note.GetTimeLeftText(0.5), "12 hrs");
    EXPECT_EQ(note.GetTimeLeftText(1.0 / 24), "1 hr");
    EXPECT_EQ(note.GetTimeLeftText(40), "40 days");
    EXPECT_EQ(note.GetTimeLeftText(-0.001), "Expired");
    EXPECT_EQ(note.GetTimeLeftText(1.0), "1 day");
    EXPECT_EQ(note.GetTimeLeftText(1.9), "1 day");
    EXPECT_EQ(note.GetTimeLeftText(30.99), "30 days");
    EXPECT_EQ(note.GetTimeLeftText(31.0), "31 days");
    EXPECT_EQ(note.GetTimeLeftText(23.0 / 24 + 0.5 / 24), "23 hrs");
    EXPECT_EQ(note.GetTimeLeftText(59.0 / 1440), "59 mins");
    EXPECT_EQ(note.GetTimeLeftText(1.0 / 1440), "1 min");
    EXPECT_EQ(note.GetTimeLeftText(0.0), "0 mins");
    EXPECT_EQ(note.GetTimeLeftText(-1.5), "Expired");
    // An exact hour built from seconds still counts as the hour.
    EXPECT_EQ(note.GetTimeLeftText(3600.0 / 86400.0), "1 hr");
}

TEST_F(NoteTest, TimeLeftTextOfHistoryAndOfNonsense) {
    CNote note(kNoteMemo, "", "", Date(2026, 1, 1), 0);
    note.m_bHistory = 1;
    EXPECT_EQ(note.GetTimeLeftText(5.0), "History");
    EXPECT_EQ(note.GetTimeLeftText(-5.0), "History");
    note.m_bHistory = 0;
    EXPECT_EQ(note.GetTimeLeftText(std::numeric_limits<double>::quiet_NaN()), "Expired");
    EXPECT_EQ(note.GetTimeLeftText(-std::numeric_limits<double>::infinity()), "Expired");
    EXPECT_EQ(note.GetTimeLeftText(1e20), "1000000000 days"); // no integer overflow
    EXPECT_EQ(note.GetTimeLeftText(std::numeric_limits<double>::infinity()), "1000000000 days");
    EXPECT_EQ(note.GetTimeLeftText(3e6), "3000000 days");
}

} // namespace
