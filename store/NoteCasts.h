#pragma once
// The kind of a note is told by m_nType; these reach the fields of that kind.
// They check the object as well, so a note whose kind code and class disagree
// is treated as a plain note instead of being read as something it is not.

#include "store/RecurringNote.h"

inline const COneTimeNote* AsOneTime(const CNote& note) {
    if (note.m_nType != kNoteOneTime && note.m_nType != kNoteRecurring &&
        note.m_nType != kNoteHoliday)
        return nullptr;
    return dynamic_cast<const COneTimeNote*>(&note);
}

inline const CRecurringNote* AsRecurring(const CNote& note) {
    if (note.m_nType != kNoteRecurring && note.m_nType != kNoteHoliday) return nullptr;
    return dynamic_cast<const CRecurringNote*>(&note);
}
