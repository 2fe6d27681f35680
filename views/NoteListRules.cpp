#include "views/NoteListRules.h"

#include "store/NoteManager.h"
#include "store/RecurringNote.h"
#include "views/NoteCommands.h"
#include "views/NoteListRows.h"

namespace {

bool IsHoliday(const CNote* note) {
    return note && note->m_nType == kNoteHoliday;
}

} // namespace

std::vector<NoteMenuEntry> NoteListMenu(const CNote* firstSelected) {
    std::vector<NoteMenuEntry> entries{{kNoteCmdNew, "New", true}};
    if (firstSelected && !IsHoliday(firstSelected)) {
        entries.push_back({kNoteCmdEdit, "Update", true});
        entries.push_back({kNoteCmdClone, "Clone", true});
        entries.push_back({kNoteCmdDelete, "Delete", true});
    }
    return entries;
}

std::string NoteListDeleteQuestion(int selectedRows) {
    return "Delete " + std::to_string(selectedRows) + " Note(s) ?";
}

bool MoveNoteByDays(CNote& note, int days) {
    if (IsHoliday(&note) || note.m_bHistory) return false;
    note.m_dtStart += COleDateTimeSpan(days, 0, 0, 0);
    if (note.m_nType == kNoteRecurring) {
        if (auto* repeated = dynamic_cast<CRecurringNote*>(&note)) {
            repeated->m_dtOccurrence = note.m_dtStart;
            repeated->m_dtLastOccurrence = note.m_dtStart;
            repeated->AdvanceOccurrence(1);
        }
    } else if (note.m_nType == kNoteOneTime) {
        if (auto* timed = dynamic_cast<COneTimeNote*>(&note)) timed->ResetAlarm();
    }
    return true;
}

int SortAfterHeaderClick(int sortOrder, int column) {
    switch (column) {
    case kColumnTime:
        return sortOrder == kSortDateAscending ? kSortDateDescending : kSortDateAscending;
    case kColumnNote:
        return sortOrder == kSortTitleAscending ? kSortTitleDescending : kSortTitleAscending;
    default:
        return sortOrder;
    }
}

int SortColumn(int sortOrder) {
    switch (sortOrder) {
    case kSortDateAscending:
    case kSortDateDescending:
        return kColumnTime;
    case kSortTitleAscending:
    case kSortTitleDescending:
        return kColumnNote;
    default:
        return -1;
    }
}

bool SortDescending(int sortOrder) {
    return sortOrder == kSortDateDescending || sortOrder == kSortTitleDescending;
}
