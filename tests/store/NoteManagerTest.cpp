#include "store/NoteManager.h"

#include "tests/store/NoteFactory.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

namespace {

const COleDateTime kNoon(2026, 12, 8, 12, 0, 0);

class NoteManagerTest : public ::testing::Test {
protected:
    CTestClock m_clock{COleDateTime(2026, 12, 8, 9, 30, 0)};
    CNoteManager m_manager;

    CNote* AddMemo(const std::string& title = "memo") {
        return m_manager.Add(MakeMemo(title, kNoon));
    }
    CNote* AddWithID(int id) {
        auto note = MakeMemo("stored", kNoon);
        note->m_nID = id;
        return m_manager.Add(std::move(note));
    }
};

// ---- IDs -------------------------------------------------------------------

TEST_F(NoteManagerTest, NotesCountFrom600AndHolidaysFrom1) {
    EXPECT_EQ(AddMemo()->m_nID, 600);
    EXPECT_EQ(m_manager.Add(MakeHoliday("New Year", 1, 1))->m_nID, 1);
    EXPECT_EQ(AddMemo()->m_nID, 601);
    EXPECT_EQ(m_manager.Add(MakeHoliday("Christmas", 12, 25))->m_nID, 2);
    EXPECT_EQ(m_manager.m_nHolidayCount, 2);
    EXPECT_EQ(m_manager.m_nNextID, 602);
}

TEST_F(NoteManagerTest, DeletedIDsAreNotHandedOutAgain) {
    AddMemo();
    const int second = AddMemo()->m_nID;
    m_manager.Delete(static_cast<WORD>(second));
    EXPECT_EQ(m_manager.Lookup(static_cast<WORD>(second)), nullptr);
    EXPECT_EQ(AddMemo()->m_nID, second + 1);
    m_manager.RemoveAll();
    EXPECT_EQ(m_manager.GetCount(), 0u);
    EXPECT_EQ(AddMemo()->m_nID, second + 2);
}

TEST_F(NoteManagerTest, AStoredIDIsKeptWhenFree) {
    EXPECT_EQ(AddWithID(4000)->m_nID, 4000);
    EXPECT_EQ(m_manager.Lookup(4000)->m_strTitle, "stored");
    // The counter is not moved by a stored ID, but never hands it out.
    m_manager.m_nNextID = 3999;
    EXPECT_EQ(AddMemo()->m_nID, 3999);
    EXPECT_EQ(AddMemo()->m_nID, 4001);
}

TEST_F(NoteManagerTest, AnIDAlreadyHeldOrOutOfRangeGivesTheNewcomerAnIDOfItsOwn) {
    CNote* first = AddWithID(700);
    CNote* second = AddWithID(700);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second->m_nID, 700);
    EXPECT_EQ(m_manager.Lookup(700), first);
    EXPECT_EQ(m_manager.Lookup(static_cast<WORD>(second->m_nID)), second);
    // Below 600 belongs to holidays; above 65535 does not fit a key.
    for (int id : {5, 599, 65536, 70000, -3}) {
        CNote* note = AddWithID(id);
        ASSERT_NE(note, nullptr) << id;
        EXPECT_GE(note->m_nID, 600) << id;
        EXPECT_LE(note->m_nID, 65535) << id;
    }
    EXPECT_EQ(m_manager.GetCount(), 7u);
}

TEST_F(NoteManagerTest, PastTheLastKeyTheLowestFreeIDIsTaken) {
    AddMemo();                        // 600
    const int gap = AddMemo()->m_nID; // 601
    AddMemo();                        // 602
    m_manager.Delete(static_cast<WORD>(gap));
    m_manager.m_nNextID = 65535;
    EXPECT_EQ(AddMemo()->m_nID, 65535);
    EXPECT_EQ(AddMemo()->m_nID, gap);
    EXPECT_EQ(AddMemo()->m_nID, 603);
    EXPECT_EQ(m_manager.GetCount(), 5u);
}

TEST_F(NoteManagerTest, AddingFailsWhenEveryNoteIDIsTaken) {
    const std::size_t capacity = CNoteManager::kLastNoteID - CNoteManager::kFirstNoteID + 1;
    for (std::size_t i = 0; i < capacity; ++i)
        ASSERT_NE(AddMemo(), nullptr) << i;
    EXPECT_EQ(AddMemo("one too many"), nullptr);
    EXPECT_EQ(m_manager.GetCount(), capacity);
    // Freeing one makes room again, under that very ID.
    m_manager.Delete(12345);
    EXPECT_EQ(AddMemo()->m_nID, 12345);
}

TEST_F(NoteManagerTest, HolidaysStopAt599AndNeverTakeNoteIDs) {
    for (int i = 1; i <= CNoteManager::kLastHolidayID; ++i)
        ASSERT_EQ(m_manager.Add(MakeHoliday("h", 1, 1))->m_nID, i);
    EXPECT_EQ(m_manager.Add(MakeHoliday("one too many", 1, 2)), nullptr);
    EXPECT_EQ(AddMemo()->m_nID, 600);
    EXPECT_EQ(m_manager.GetCount(), 600u);
}

// ---- Replace, Delete, RemoveAll -------------------------------------------

TEST_F(NoteManagerTest, ReplaceHandsBackThePreviousNote) {
    CNote* original = AddMemo("before");
    const WORD id = static_cast<WORD>(original->m_nID);
    std::unique_ptr<CNote> previous = m_manager.Replace(id, MakeMemo("after", kNoon));
    EXPECT_EQ(previous.get(), original);
    EXPECT_EQ(m_manager.Lookup(id)->m_strTitle, "after");
    EXPECT_EQ(m_manager.Lookup(id)->m_nID, id);
    EXPECT_EQ(m_manager.GetCount(), 1u);
}

TEST_F(NoteManagerTest, RemoveAllKeepsTheNoteCounterAndRestartsHolidays) {
    m_manager.Add(MakeHoliday("h", 1, 1));
    m_manager.Add(MakeOneTime("soon", kNoon, 1));
    ASSERT_NE(m_manager.m_nNextAlarmID, 0);
    m_manager.RemoveAll();
    EXPECT_EQ(m_manager.GetCount(), 0u);
    EXPECT_EQ(m_manager.m_nNextAlarmID, 0);
    EXPECT_EQ(m_manager.m_nHolidayCount, 0);
    EXPECT_EQ(m_manager.m_nNextID, 601);
    EXPECT_EQ(m_manager.Add(MakeHoliday("h", 1, 1))->m_nID, 1);
}

// ---- the next alarm ----------------------------------------------------------

TEST_F(NoteManagerTest, AddingAReminderMayMakeItTheNextAlarm) {
    const CNote* later = m_manager.Add(MakeOneTime("later", kNoon + CUtility::OneDay, 1));
    EXPECT_EQ(m_manager.m_nNextAlarmID, later->m_nID);
    const CNote* sooner = m_manager.Add(MakeOneTime("sooner", kNoon, 1));
    EXPECT_EQ(m_manager.m_nNextAlarmID, sooner->m_nID);
    EXPECT_EQ(m_manager.m_dtNextAlarm, kNoon);
    // Neither a note without reminder nor a history copy takes the place.
    m_manager.Add(MakeOneTime("no reminder", kNoon - CUtility::OneDay, 0));
    auto history = MakeOneTime("history", kNoon - CUtility::OneDay, 1);
    history->m_bHistory = 1;
    m_manager.Add(std::move(history));
    EXPECT_EQ(m_manager.m_nNextAlarmID, sooner->m_nID);
}

TEST_F(NoteManagerTest, TheAlarmIsLeadDaysBeforeTheOccurrence) {
    const CNote* note = m_manager.Add(MakeOneTime("two days ahead", kNoon, 1, 2));
    EXPECT_EQ(m_manager.m_nNextAlarmID, note->m_nID);
    EXPECT_EQ(m_manager.m_dtNextAlarm, kNoon - CUtility::OneDay * 2);
}

TEST_F(NoteManagerTest, FindNextAlarmSkipsWhatCannotRing) {
    auto add = [&](const char* title, int hoursAhead, auto tweak) {
        auto note = MakeOneTime(title, kNoon + CUtility::OneHour * hoursAhead, 1);
        tweak(*note);
        return m_manager.Add(std::move(note))->m_nID;
    };
    add("ringing", 1, [](CNote& n) { n.m_bAlarmActive = 1; });
    add("inactive", 2, [](CNote& n) { n.m_bActive = 0; });
    add("history", 3, [](CNote& n) { n.m_bHistory = 1; });
    add("no reminder", 4, [](CNote& n) { n.m_bRemind = 0; });
    const int first = add("first of two", 5, [](CNote&) {});
    add("second of two", 5, [](CNote&) {});
    m_manager.FindNextAlarm();
    EXPECT_EQ(m_manager.m_nNextAlarmID, first);
    EXPECT_EQ(m_manager.m_dtNextAlarm, kNoon + CUtility::OneHour * 5);

    m_manager.Delete(static_cast<WORD>(first));
    EXPECT_EQ(m_manager.m_nNextAlarmID, first + 1);
}

TEST_F(NoteManagerTest, FindNextAlarmWithNothingDue) {
    m_manager.FindNextAlarm();
    EXPECT_EQ(m_manager.m_nNextAlarmID, 0);
    AddMemo();
    m_manager.FindNextAlarm();
    EXPECT_EQ(m_manager.m_nNextAlarmID, 0);
    EXPECT_EQ(m_manager.m_dtNextAlarm, COleDateTime(2100, 1, 1, 0, 0, 0));
}

TEST_F(NoteManagerTest, ReplacingTheNextAlarmLooksForTheNextOneAgain) {
    const int soon = m_manager.Add(MakeOneTime("soon", kNoon, 1))->m_nID;
    const int later = m_manager.Add(MakeOneTime("later", kNoon + CUtility::OneDay, 1))->m_nID;
    ASSERT_EQ(m_manager.m_nNextAlarmID, soon);
    // Moved beyond the other one: that one becomes next.
    m_manager.Replace(static_cast<WORD>(soon), MakeOneTime("moved", kNoon + CUtility::SevenDay, 1));
    EXPECT_EQ(m_manager.m_nNextAlarmID, later);
    // Another note moved before it takes over.
    m_manager.Replace(static_cast<WORD>(soon), MakeOneTime("back", kNoon, 1));
    EXPECT_EQ(m_manager.m_nNextAlarmID, soon);
}

// ---- the keep test -----------------------------------------------------------

TEST_F(NoteManagerTest, OnlyARepeatedNotePastItsEndIsNotCurrent) {
    auto repeated = MakeRepeated("daily", kNoon, kRepeatDay);
    EXPECT_TRUE(CNoteManager::IsCurrent(*repeated, kNoon)); // no end date
    repeated->m_dtEnd = COleDateTime(2026, 12, 10, 0, 0, 0);
    EXPECT_TRUE(CNoteManager::IsCurrent(*repeated, COleDateTime(2026, 12, 9, 23, 59, 0)));
    EXPECT_FALSE(CNoteManager::IsCurrent(*repeated, COleDateTime(2026, 12, 10, 0, 0, 0)));
    EXPECT_FALSE(CNoteManager::IsCurrent(*repeated, COleDateTime(2026, 12, 10, 9, 0, 0)));
    repeated->m_bHistory = 1;
    EXPECT_TRUE(CNoteManager::IsCurrent(*repeated, COleDateTime(2027, 1, 1, 0, 0, 0)));

    auto once = MakeOneTime("once", kNoon);
    once->m_dtEnd = COleDateTime(2000, 1, 1, 0, 0, 0);
    EXPECT_TRUE(CNoteManager::IsCurrent(*once, kNoon));
}

TEST_F(NoteManagerTest, TheOccurrenceShownDependsOnTheKind) {
    const COleDateTime later(2027, 3, 1, 8, 0, 0);
    auto memo = MakeMemo("memo", kNoon);
    EXPECT_EQ(CNoteManager::GetOccurrence(*memo, later), kNoon);
    auto once = MakeOneTime("once", kNoon);
    once->m_dtOccurrence = later;
    EXPECT_EQ(CNoteManager::GetOccurrence(*once, kNoon), later);
    once->m_bHistory = 1;
    EXPECT_EQ(CNoteManager::GetOccurrence(*once, kNoon), kNoon);
    auto weekly = MakeRepeated("weekly", kNoon, kRepeatWeek);
    EXPECT_EQ(CNoteManager::GetOccurrence(*weekly, kNoon + CUtility::OneDay),
              kNoon + CUtility::SevenDay);
}

} // namespace
