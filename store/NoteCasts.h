#pragma once
// The kind of a note is told by m_nType; these reach the fields of that kind.
// They check the object's class as well, so a note whose kind code and class
// disagree is treated as a plain note instead of being read as something it
// is not.

#include "store/RecurringNote.h"

#include <utility>

// One-time, recurring and holiday notes: the ones with an occurrence.
inline const COneTimeNote* AsOneTime(const CNote& note) {
    if (note.m_nType != kNoteOneTime && note.m_nType != kNoteRecurring &&
        note.m_nType != kNoteHoliday)
        return nullptr;
    if (note.GetLevel() < CNote::Level::kOneTime) return nullptr;
    return static_cast<const COneTimeNote*>(&note);
}

// Recurring and holiday notes: the ones with a repetition rule.
inline const CRecurringNote* AsRecurring(const CNote& note) {
    if (note.m_nType != kNoteRecurring && note.m_nType != kNoteHoliday) return nullptr;
    if (note.GetLevel() < CNote::Level::kRecurring) return nullptr;
    return static_cast<const CRecurringNote*>(&note);
}

inline COneTimeNote* AsOneTime(CNote& note) {
    return const_cast<COneTimeNote*>(AsOneTime(std::as_const(note)));
}

inline CRecurringNote* AsRecurring(CNote& note) {
    return const_cast<CRecurringNote*>(AsRecurring(std::as_const(note)));
}
