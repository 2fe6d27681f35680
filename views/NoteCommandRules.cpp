#include "views/NoteCommandRules.h"

#include "store/Note.h"
#include "views/NoteCommands.h"
#include "zadad/Utility.h"

namespace {

constexpr int kNewNoteHour = 9;

bool IsOwnNote(const CNote& note) {
    return note.m_nType != kNoteHoliday;
}

bool IsRinging(const CNote& note) {
    return note.m_bAlarmActive != 0;
}

} // namespace

bool CanEditNote(const CNote& note) {
    return IsOwnNote(note) && !IsRinging(note);
}

bool CanCloneNote(const CNote& note) {
    return IsOwnNote(note) && !note.m_bHistory && !IsRinging(note);
}

bool CanDeleteNote(const CNote& note) {
    return IsOwnNote(note) && !IsRinging(note);
}

bool CanDragNote(const CNote& note) {
    return IsOwnNote(note) && !IsRinging(note);
}

std::vector<NoteMenuEntry> NoteMenuEntries(const CNote* note) {
    std::vector<NoteMenuEntry> entries{{kNoteCmdNew, "New", true}};
    if (!note || !IsOwnNote(*note)) return entries;
    entries.push_back({kNoteCmdEdit, "Update", CanEditNote(*note)});
    if (!note->m_bHistory) entries.push_back({kNoteCmdClone, "Clone", CanCloneNote(*note)});
    entries.push_back({kNoteCmdDelete, "Delete", CanDeleteNote(*note)});
    return entries;
}

std::string DeleteQuestion(const CNote& note) {
    return "Do you want to delete \"" + note.m_strTitle + " \"?";
}

COleDateTime NewNoteStart(const COleDateTime& day, const COleDateTime& now) {
    COleDateTime start = day;
    CUtility::GetStartOfDay(start);
    if (!CUtility::IsSameDate(day, now)) return start + COleDateTimeSpan(0, kNewNoteHour, 0, 0);
    // The hour after now, counted from the day's start, so 23:20 gives the next midnight.
    return start + COleDateTimeSpan(0, now.GetHour() + 1, 0, 0);
}
