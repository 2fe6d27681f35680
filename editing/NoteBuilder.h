#pragma once
// Turns the editor's fields into a note: a memo, a one-time note or a
// recurring note, or the changes to a history copy or a holiday item.

#include "editing/NoteEditFields.h"

#include <memory>

class CNote;
class CRecurringNote;

class CNoteBuilder {
public:
    // The note the fields describe, or nullptr when its end date lies before
    // its first alarm: a series that would be over before it began.
    static std::unique_ptr<CNote> Build(const CNoteEditFields& f);
    // A history copy takes only the new title and text.
    static void ApplyToHistory(const CNoteEditFields& f, CNote& note);
    // A holiday item takes its date, name, plain text and weekday rule.
    static void ApplyToHoliday(const CNoteEditFields& f, CRecurringNote& holiday);
};
