#pragma once
// CHolidayNote: one holiday of "Holiday.txt" as a note that recurs every
// year, so the calendar finds holidays by the same occurrence queries as
// notes. Easter, Good Friday and Election Day (m_nSpecial 1) take their date
// from a rule of their own instead of the yearly repetition. Holidays are
// never written to the data file.

#include "store/RecurringNote.h"

#include <memory>
#include <string>

class CHolidayNote : public CRecurringNote {
public:
    // Category of every holiday.
    static constexpr WORD kHolidayCategory = 999;

    // A holiday on a fixed date (month and day in the leap year 2000, so that
    // 29 February exists) or, with byWeekday, on the weekOrdinal-th weekday of
    // ruleMonth (5 = the last).
    CHolidayNote(const std::string& name, const std::string& description, int month, int day,
                 int interval, BOOL byWeekday, int weekday, int weekOrdinal, int ruleMonth,
                 BOOL active);
    // Easter, Good Friday or Election Day, told apart by name.
    CHolidayNote(const std::string& name, const std::string& description, BOOL active);
    CHolidayNote(const CHolidayNote& src);
    ~CHolidayNote() override;

    // The record of one line of "Holiday.txt", or nullptr when the line is no
    // holiday or names a fixed date no year has (31 April).
    static std::unique_ptr<CHolidayNote> FromLine(const std::string& line);

    void Serialize(CArchive& ar) override; // holidays stay out of the data file
    std::string GetTypeText() const override;
    std::unique_ptr<CNote> Clone() const override;
    void CopyFrom(const CNote& src) override;
    // The first holiday date at or after from (a holiday at 00:00 asked later
    // that day answers with the next year's); invalid when none is left.
    COleDateTime GetNextOccurrence(const COleDateTime& from, BOOL fromStart) const override;

    int m_nSpecial = 0; // 1 for Easter, Good Friday and Election Day

private:
    CHolidayNote();
    void SetHolidayDefaults(const std::string& name, const std::string& description,
                            const COleDateTime& start, BOOL active);
    COleDateTime NextRuleDate(const COleDateTime& from) const;
};

// The holiday fields of a note whose kind code says it is a holiday.
inline const CHolidayNote* AsHoliday(const CNote& note) {
    if (note.m_nType != kNoteHoliday) return nullptr;
    return dynamic_cast<const CHolidayNote*>(&note);
}
