#pragma once
// Short ways to make the notes the store tests need.

#include "store/RecurringNote.h"

#include <memory>
#include <string>

inline std::unique_ptr<CNote> MakeMemo(const std::string& title, const COleDateTime& start,
                                       WORD category = 0) {
    return std::make_unique<CNote>(kNoteMemo, title, "", start, category);
}

inline std::unique_ptr<COneTimeNote> MakeOneTime(const std::string& title,
                                                 const COleDateTime& start, BOOL remind = 0,
                                                 int remindDays = 0, WORD category = 0) {
    return std::make_unique<COneTimeNote>(kNoteOneTime, title, "", start, remindDays, category,
                                          remind);
}

// Repeats every `every` units on the start's day and time.
inline std::unique_ptr<CRecurringNote> MakeRepeated(const std::string& title,
                                                    const COleDateTime& start, int unit,
                                                    int every = 1, BOOL remind = 0,
                                                    int remindDays = 0, WORD category = 0) {
    return std::make_unique<CRecurringNote>(title, "", start, remindDays, unit, every, category, 0,
                                            1, 1, 1, remind);
}

// A holiday as the holiday list makes it: a yearly note of kind 10.
inline std::unique_ptr<CRecurringNote> MakeHoliday(const std::string& title, int month, int day) {
    auto note = MakeRepeated(title, COleDateTime(2000, month, day, 0, 0, 0), kRepeatYear);
    note->m_nType = kNoteHoliday;
    note->m_wCategoryID = 999;
    return note;
}
