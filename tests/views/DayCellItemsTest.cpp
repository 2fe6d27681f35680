// What a day cell shows for each kind of note, its heading, and what the
// calendar's note commands may do with each kind.
#include "views/DayCellItems.h"
#include "almanac/HolidayNote.h"
#include "store/RecurringNote.h"
#include "views/NoteCommandRules.h"
#include "views/NoteCommands.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const COleDateTime kAt(2026, 12, 7, 14, 30, 0);

std::unique_ptr<CNote> Holiday() {
    return std::make_unique<CHolidayNote>("Boxing Day", "", 12, 26, 1, 0, 0, 0, 0, 1);
}
std::unique_ptr<CNote> Memo() {
    return std::make_unique<CNote>(kNoteMemo, "Library", "", kAt, 0);
}
std::unique_ptr<CNote> Reminder() {
    return std::make_unique<COneTimeNote>(kNoteOneTime, "Dentist", "", kAt, 0, 0, 1);
}
std::unique_ptr<CNote> Weekly(BOOL remind) {
    return std::make_unique<CRecurringNote>("Choir", "", kAt, 0, kRepeatWeek, 1, 0, 0, 1, 1, 1,
                                            remind);
}
std::unique_ptr<CNote> WeeklyReminder() {
    return Weekly(1);
}
std::unique_ptr<CNote> WeeklyQuiet() {
    return Weekly(0);
}
std::unique_ptr<CNote> History() {
    auto note = Reminder();
    note->m_bHistory = 1;
    return note;
}
std::unique_ptr<CNote> Ringing() {
    auto note = Reminder();
    note->m_bAlarmActive = 1;
    return note;
}

struct ItemCase {
    std::unique_ptr<CNote> (*make)();
    const char* twelveHour;
    const char* twentyFourHour;
    int icon;
    bool holiday;
};

TEST(DayCellItems, EachKindOfNote) {
    // Icons in order: memo, memo with reminder, memo in history, then the
    // same three for one-time and for recurring notes.
    const ItemCase cases[] = {
        {Holiday, "Boxing Day", "Boxing Day", -1, true},
        {Memo, "Library", "Library", 0, false},
        {Reminder, "2:30 PM Dentist", "14:30 Dentist", 4, false},
        {History, "2:30 PM Dentist", "14:30 Dentist", 5, false},
        {WeeklyQuiet, "Choir", "Choir", 6, false},
        {WeeklyReminder, "2:30 PM Choir", "14:30 Choir", 7, false},
    };
    for (const ItemCase& c : cases) {
        std::unique_ptr<CNote> note = c.make();
        note->m_nID = 612;
        SCOPED_TRACE(note->m_strTitle);
        const std::string formats[] = {"%#I:%M %p", "%#H:%M"};
        const char* texts[] = {c.twelveHour, c.twentyFourHour};
        for (int i = 0; i < 2; ++i) {
            std::vector<CDayCellItem> items = DayCellEntries({CNoteOccurrence(kAt, note.get())});
            ASSERT_EQ(items.size(), 1u);
            EXPECT_EQ(items[0].wNoteID, 612);
            EXPECT_FALSE(items[0].bDescribed);
            DescribeItem(items[0], note.get(), formats[i]);
            EXPECT_TRUE(items[0].bDescribed);
            EXPECT_EQ(items[0].strText, texts[i]);
            EXPECT_EQ(items[0].nIcon, c.icon);
            EXPECT_EQ(items[0].bHoliday, c.holiday);
        }
    }
}

TEST(DayCellItems, TheDaysOrderIsKeptAndAGoneNoteShowsNothing) {
    auto early = Reminder();
    auto late = Memo();
    early->m_nID = 600;
    late->m_nID = 601;
    std::vector<CDayCellItem> items =
        DayCellEntries({CNoteOccurrence(kAt, late.get()), CNoteOccurrence(kAt, early.get())});
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].wNoteID, 601);
    EXPECT_EQ(items[1].wNoteID, 600);
    DescribeItem(items[1], nullptr, "%#H:%M");
    EXPECT_TRUE(items[1].bDescribed);
    EXPECT_EQ(items[1].strText, "");
    EXPECT_EQ(items[1].nIcon, -1);
}

TEST(DayCellItems, HeadingsMarkTodayOnScreenOnly) {
    struct {
        const char* what;
        bool month, today, printing;
        std::vector<std::string> expected;
    } const cases[] = {
        {"month grid", true, false, false, {"7"}},
        {"today on screen", true, true, false, {"7 *"}},
        {"today printed", true, true, true, {"7"}},
        {"week grid, longest first",
         false,
         false,
         false,
         {"Monday, December 07", "Mon, Dec 07", "Mon 7", "7"}},
        {"today in the week grid",
         false,
         true,
         false,
         {"Monday, December 07 *", "Mon, Dec 07 *", "Mon 7 *", "7 *"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellHeadings(kAt, c.month, c.today, c.printing), c.expected) << c.what;
}

struct MenuCase {
    std::unique_ptr<CNote> (*make)(); // nullptr: no note selected
    std::vector<int> commands;
    std::vector<bool> enabled;
    bool canDrag;
};

TEST(NoteCommandRules, MenuAndDragForEachKind) {
    const MenuCase cases[] = {
        {nullptr, {kNoteCmdNew}, {true}, false},
        {Holiday, {kNoteCmdNew}, {true}, false},
        {Memo,
         {kNoteCmdNew, kNoteCmdEdit, kNoteCmdClone, kNoteCmdDelete},
         {true, true, true, true},
         true},
        {History, {kNoteCmdNew, kNoteCmdEdit, kNoteCmdDelete}, {true, true, true}, true},
        // A ringing note belongs to its alarm window until acknowledged.
        {Ringing,
         {kNoteCmdNew, kNoteCmdEdit, kNoteCmdClone, kNoteCmdDelete},
         {true, false, false, false},
         false},
    };
    for (const MenuCase& c : cases) {
        const std::unique_ptr<CNote> note = c.make ? c.make() : nullptr;
        SCOPED_TRACE(note ? note->m_strTitle + (note->m_bHistory ? " (history)" : "") +
                                (note->m_bAlarmActive ? " (ringing)" : "")
                          : "no note");
        std::vector<int> commands;
        std::vector<bool> enabled;
        for (const NoteMenuEntry& entry : NoteMenuEntries(note.get())) {
            commands.push_back(entry.nCommand);
            enabled.push_back(entry.bEnabled);
        }
        EXPECT_EQ(commands, c.commands);
        EXPECT_EQ(enabled, c.enabled);
        if (note) {
            EXPECT_EQ(CanDragNote(*note), c.canDrag);
        }
    }
}

TEST(NoteCommandRules, MenuTextsAndTheDeleteQuestion) {
    const auto note = Memo();
    std::vector<std::string> texts;
    for (const NoteMenuEntry& entry : NoteMenuEntries(note.get()))
        texts.push_back(entry.strText);
    EXPECT_EQ(texts, (std::vector<std::string>{"New", "Update", "Clone", "Delete"}));
    EXPECT_EQ(DeleteQuestion(*note), "Do you want to delete \"Library \"?");
}

} // namespace
