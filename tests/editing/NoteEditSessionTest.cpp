#include "editing/NoteEditSession.h"

#include "editing/NoteEditRules.h"
#include "store/CalendarData.h"
#include "store/NoteWndHandle.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 40, 0);

// A window that stays while its note's editor replaces the note.
class CEditingWindow : public CNoteWndHandle {
public:
    bool IsEditingNote() const override {
        ++m_nAsked; // only a note going away asks
        return true;
    }
    void NoteDeleted() override { ++m_nDeleted; }
    int m_nDeleted = 0;
    mutable int m_nAsked = 0;
};

class NoteEditSessionTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    CNote* AddOneTime(const std::string& title, const COleDateTime& start) {
        return m_data.AddNote(
            std::make_unique<COneTimeNote>(kNoteOneTime, title, "text", start, 0, 1, 1));
    }

    static CNoteEditFields EndingOn(const COleDateTime& end) {
        CNoteEditFields f = CNoteEditFields::ForNewNote(kNow);
        f.m_bRepeat = 1;
        f.m_nRepeatUnit = kRepeatMonth;
        f.m_bEnd = 1;
        f.m_dtEndDate = end;
        return f;
    }

    CTestClock m_clock{kNow};
    CFakeMessageBox m_box;
    CCalendarData m_data;
};

} // namespace

TEST_F(NoteEditSessionTest, RefusesNotesAlreadyOpenHolidaysAndRingingNotes) {
    CNote* note = AddOneTime("n", kNow + CUtility::OneDay);
    EXPECT_TRUE(CNoteEditSession::CanEdit(*note));
    note->m_bEditing = 1;
    EXPECT_FALSE(CNoteEditSession::CanEdit(*note));
    note->m_bEditing = 0;
    note->m_bAlarmActive = 1;
    EXPECT_FALSE(CNoteEditSession::CanEdit(*note));
    note->m_bAlarmActive = 0;
    note->m_nType = kNoteHoliday;
    EXPECT_FALSE(CNoteEditSession::CanEdit(*note));
}

TEST_F(NoteEditSessionTest, MarksTheNoteAndCountsTheEditorWhileOpen) {
    CNote* note = AddOneTime("n", kNow + CUtility::OneDay);
    {
        CNoteEditSession session(&m_data, note);
        EXPECT_TRUE(note->m_bEditing);
        EXPECT_EQ(g_nEditorsOpen, 1);
        CNoteEditSession second(&m_data, nullptr);
        EXPECT_EQ(g_nEditorsOpen, 2);
    }
    EXPECT_FALSE(note->m_bEditing); // cancelled: the note is as it was
    EXPECT_EQ(g_nEditorsOpen, 0);
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(note->m_nID)), note);
}

TEST_F(NoteEditSessionTest, NoteDeletedWhileOpenIsNotTouchedAfterwards) {
    CNote* note = AddOneTime("n", kNow + CUtility::OneDay);
    const WORD id = static_cast<WORD>(note->m_nID);
    {
        CNoteEditSession session(&m_data, note);
        m_data.DeleteNote(id);
    } // must not write to the deleted note
    EXPECT_EQ(m_data.LookupNote(id), nullptr);
}

TEST_F(NoteEditSessionTest, NewNoteIsAddedUnderANewID) {
    CNoteEditSession session(&m_data, nullptr);
    CNoteEditFields f = session.InitialFields(kNow);
    f.m_strTitle = "Call";
    ASSERT_EQ(session.Commit(f, kNow), CNoteEditSession::kDone);
    ASSERT_NE(session.Note(), nullptr);
    EXPECT_EQ(session.Note()->m_nID, 600);
    EXPECT_EQ(m_data.LookupNote(600)->m_strTitle, "Call");
    EXPECT_EQ(m_data.GetNextAlarmID(), 600);
    EXPECT_FALSE(session.Replaced());
}

TEST_F(NoteEditSessionTest, EditedNoteIsReplacedUnderItsIDWithItsLook) {
    CNote* old = AddOneTime("old", kNow + CUtility::OneDay);
    const WORD id = static_cast<WORD>(old->m_nID);
    old->m_rcWindow = {10, 20, 210, 170};
    old->m_rcWindowAlt = {10, 20, 210, 190};
    old->m_bHasWindowRect = 1;
    old->m_bTopMost = 0;
    old->m_crTitle = RGB(1, 2, 3);
    old->m_crBack = RGB(4, 5, 6);
    old->m_bShowCountdown = 0;
    CEditingWindow window;
    old->m_pNoteWnd = &window;

    CNoteEditSession session(&m_data, old);
    CNoteEditFields f = session.InitialFields(kNow);
    f.m_strTitle = "new";
    f.m_bRepeat = 1;
    f.m_nRepeatUnit = kRepeatWeek;
    ASSERT_EQ(session.Commit(f, kNow), CNoteEditSession::kDone);

    CNote* now = m_data.LookupNote(id);
    ASSERT_EQ(now, session.Note());
    EXPECT_TRUE(session.Replaced());
    EXPECT_EQ(now->m_nID, id);
    EXPECT_EQ(now->m_nType, kNoteRecurring);
    EXPECT_EQ(now->m_strTitle, "new");
    EXPECT_EQ(now->m_rcWindow, (RECT{10, 20, 210, 170}));
    EXPECT_EQ(now->m_rcWindowAlt, (RECT{10, 20, 210, 190}));
    EXPECT_TRUE(now->m_bHasWindowRect);
    EXPECT_FALSE(now->m_bTopMost);
    EXPECT_EQ(now->m_crTitle, RGB(1, 2, 3));
    EXPECT_EQ(now->m_crBack, RGB(4, 5, 6));
    EXPECT_FALSE(now->m_bShowCountdown);
    EXPECT_FALSE(now->m_bAlarmActive);
    EXPECT_FALSE(now->m_bEditing);
    EXPECT_EQ(window.m_nDeleted, 0); // the window outlives the old object
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 1u);
}

TEST_F(NoteEditSessionTest, ReplacedObjectLivesUntilTheEditorCloses) {
    CNote* old = AddOneTime("old", kNow + CUtility::OneDay);
    CEditingWindow window; // it may still paint the old object while the editor closes
    old->m_pNoteWnd = &window;
    {
        CNoteEditSession session(&m_data, old);
        ASSERT_EQ(session.Commit(session.InitialFields(kNow), kNow), CNoteEditSession::kDone);
        EXPECT_EQ(window.m_nAsked, 0);
        EXPECT_EQ(old->m_strTitle, "old");
    }
    EXPECT_EQ(window.m_nAsked, 1);
    EXPECT_EQ(window.m_nDeleted, 0);
}

TEST_F(NoteEditSessionTest, ReplacingTheNextAlarmFindsTheNextOneAgain) {
    CNote* soon = AddOneTime("soon", kNow + CUtility::OneHour);
    AddOneTime("later", kNow + CUtility::SevenDay);
    ASSERT_EQ(m_data.GetNextAlarmID(), soon->m_nID);
    const int soonID = soon->m_nID;

    CNoteEditSession session(&m_data, soon);
    CNoteEditFields f = session.InitialFields(kNow);
    f.m_bRemind = 0; // now a memo: it rings no more
    ASSERT_EQ(session.Commit(f, kNow), CNoteEditSession::kDone);
    EXPECT_NE(m_data.GetNextAlarmID(), soonID);
    EXPECT_EQ(m_data.LookupNote(static_cast<WORD>(m_data.GetNextAlarmID()))->m_strTitle, "later");
}

// A reminder snoozed to 10:07:30 whose title is then changed: it still rings
// at 10:07:30. A new time, though, is a new reminder.
TEST_F(NoteEditSessionTest, NewTitleKeepsASnoozedReminderNewTimeDoesNot) {
    const COleDateTime snoozed = kNow + COleDateTimeSpan(0, 0, 27, 30);
    struct Case {
        const char* name;
        std::function<std::unique_ptr<COneTimeNote>()> make;
        bool moveTime;
    };
    const COleDateTime start(2026, 12, 8, 9, 0, 0);
    const auto daily = [start] {
        return std::make_unique<CRecurringNote>("daily", "", start, 0, kRepeatDay, 1, 0, 0, 1, 1, 1,
                                                1);
    };
    const auto once = [start] {
        return std::make_unique<COneTimeNote>(kNoteOneTime, "once", "", start, 0, 0, 1);
    };
    for (const Case& c : {Case{"daily", daily, false}, Case{"one-time", once, false},
                          Case{"daily, new time", daily, true}}) {
        SCOPED_TRACE(c.name);
        m_data.RemoveAllNotes();
        CNote* note = m_data.AddNote(c.make());
        auto* timed = dynamic_cast<COneTimeNote*>(note);
        ASSERT_NE(timed, nullptr);
        // As the alarm window's snooze leaves it.
        timed->m_dtAlarm = snoozed;
        if (timed->m_nType == kNoteOneTime) timed->m_dtStart = snoozed;
        const COleDateTime occurrence = timed->m_dtOccurrence;
        const WORD id = static_cast<WORD>(note->m_nID);
        {
            CNoteEditSession session(&m_data, note);
            CNoteEditFields f = session.InitialFields(kNow);
            f.m_strTitle = "renamed";
            if (c.moveTime) f.m_nTimeIndex += 4 * 3; // an hour later
            ASSERT_EQ(session.Commit(f, kNow), CNoteEditSession::kDone);
        }
        const auto* edited = dynamic_cast<const COneTimeNote*>(m_data.LookupNote(id));
        ASSERT_NE(edited, nullptr);
        EXPECT_EQ(edited->m_strTitle, "renamed");
        if (c.moveTime) {
            EXPECT_EQ(edited->m_dtAlarm, COleDateTime(2026, 12, 8, 12, 0, 0));
            continue;
        }
        EXPECT_EQ(edited->m_dtAlarm, snoozed);
        EXPECT_EQ(edited->m_dtOccurrence, occurrence);
        EXPECT_EQ(m_data.GetNextAlarmTime(), snoozed);
    }
}

TEST_F(NoteEditSessionTest, EndDateOfTodayKeepsTheEditorOpen) {
    CNoteEditSession session(&m_data, nullptr);
    const CNoteEditFields f = EndingOn(COleDateTime(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(session.Commit(f, kNow), CNoteEditSession::kKeepOpen);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text,
              "End Date must be one day later than start Date and later than today!");
    EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconWarning);
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 0u);
}

TEST_F(NoteEditSessionTest, SeriesOverBeforeItBeginsKeepsTheEditorOpen) {
    CNoteEditSession session(&m_data, nullptr);
    CNoteEditFields f = EndingOn(COleDateTime(2026, 12, 9, 0, 0, 0));
    f.m_dtStartDate = COleDateTime(2026, 12, 8, 0, 0, 0);
    f.m_nTimeIndex = 4; // 01:00 today has passed: the first occurrence is next month
    EXPECT_EQ(session.Commit(f, kNow), CNoteEditSession::kKeepOpen);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "The note is already expired!");
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 0u);
}

TEST_F(NoteEditSessionTest, HistoryCopyChangesOnlyTitleAndTextInPlace) {
    CNote* copy = AddOneTime("done", kNow - CUtility::OneDay);
    copy->m_bHistory = 1;
    const WORD id = static_cast<WORD>(copy->m_nID);
    const COleDateTime start = copy->m_dtStart;

    CNoteEditSession session(&m_data, copy);
    EXPECT_EQ(session.Mode(), kEditHistory);
    CNoteEditFields f = session.InitialFields(kNow);
    f.m_strTitle = "done, and well";
    f.m_strText = "{\\rtf1 notes}";
    f.m_bRepeat = 1; // locked controls; whatever they hold is not used
    f.m_bEnd = 1;
    f.m_dtEndDate = COleDateTime(2000, 1, 1, 0, 0, 0);
    ASSERT_EQ(session.Commit(f, kNow), CNoteEditSession::kDone);
    EXPECT_EQ(m_data.LookupNote(id), copy);
    EXPECT_FALSE(session.Replaced());
    EXPECT_EQ(copy->m_strTitle, "done, and well");
    EXPECT_EQ(copy->m_strText, "{\\rtf1 notes}");
    EXPECT_EQ(copy->m_nType, kNoteOneTime);
    EXPECT_EQ(copy->m_dtStart, start);
    EXPECT_TRUE(copy->m_bHistory);
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(NoteEditSessionTest, HolidayItemIsChangedInPlaceWithoutAStore) {
    CRecurringNote item("New Holiday", "", COleDateTime(2000, 1, 1, 0, 0, 0), 0, kRepeatYear, 1, 0,
                        0, 1, 1, 1, 0);
    {
        CNoteEditSession session(nullptr, &item);
        EXPECT_EQ(session.Mode(), kEditHoliday);
        CNoteEditFields f = session.InitialFields(COleDateTime(2002, 1, 1, 0, 0, 0));
        f.m_strTitle = "Founders Day";
        f.m_strPlainText = "parade";
        f.m_dtStartDate = COleDateTime(2002, 4, 2, 0, 0, 0);
        ASSERT_EQ(session.Commit(f, kNow), CNoteEditSession::kDone);
    }
    EXPECT_EQ(item.m_strTitle, "Founders Day");
    EXPECT_EQ(item.m_strText, "parade");
    EXPECT_EQ(item.m_dtStart, COleDateTime(2002, 4, 2, 0, 0, 0));
    EXPECT_FALSE(item.m_bEditing);
}
