#pragma once
// CRecurringNote: a note that repeats every N minutes, hours, days, weeks,
// months or years, or on a weekday rule (the 2nd Tuesday, the last Friday of
// May) for months and years.

#include "store/OneTimeNote.h"

enum RepeatUnit : int {
    kRepeatMinute = 0,
    kRepeatHour = 1,
    kRepeatDay = 2,
    kRepeatWeek = 3,
    kRepeatMonth = 4,
    kRepeatYear = 5,
};

class CRecurringNote : public COneTimeNote {
public:
    CRecurringNote();
    explicit CRecurringNote(const COleDateTime& created);
    CRecurringNote(const std::string& title, const std::string& text, const COleDateTime& start,
                   int remindDays, int repeatUnit, int repeatEvery, WORD categoryID, BOOL byWeekDay,
                   int weekDay, int weekOrdinal, int month, BOOL remind);
    CRecurringNote(const CRecurringNote& src);

    void Serialize(CArchive& ar) override;
    // The repetition text: "2 weeks", "1 day".
    std::string GetTypeText() const override;
    std::unique_ptr<CNote> Clone() const override;
    void CopyFrom(const CNote& src) override;

    // Moves m_dtOccurrence and m_dtAlarm on: from the start when fromStart is
    // set (creation), else past the occurrence acknowledged last.
    void AdvanceOccurrence(BOOL fromStart);
    // The occurrence that follows the reference time from; changes nothing.
    // Virtual so that holidays moved by a rule of their own (Easter) can answer.
    virtual COleDateTime GetNextOccurrence(const COleDateTime& from, BOOL fromStart) const;

    int m_nRepeatUnit = kRepeatDay;
    COleDateTime m_dtLastOccurrence;
    int m_nRepeatEvery = 1;
    BOOL m_bByWeekDay = 0;
    int m_nWeekOrdinal = 1; // 1-4 = 1st-4th, 5 = last
    int m_nWeekDay = 1;     // 1 = Sunday ... 7 = Saturday
    int m_nMonth = 1;       // month of a yearly weekday rule
};
