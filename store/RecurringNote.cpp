#include "store/RecurringNote.h"

#include "store/NoteCasts.h"
#include "zadad/Utility.h"

#include <cstdio>

CRecurringNote::CRecurringNote() : CRecurringNote(COleDateTime::GetCurrentTime()) {}

CRecurringNote::CRecurringNote(const COleDateTime& created) : COneTimeNote(created) {
    m_level = Level::kRecurring;
    m_nType = kNoteRecurring;
    m_dtLastOccurrence = m_dtStart;
}

CRecurringNote::CRecurringNote(const std::string& title, const std::string& text,
                               const COleDateTime& start, int remindDays, int repeatUnit,
                               int repeatEvery, WORD categoryID, BOOL byWeekDay, int weekDay,
                               int weekOrdinal, int month, BOOL remind)
    : COneTimeNote(kNoteRecurring, title, text, start, remindDays, categoryID, remind) {
    m_level = Level::kRecurring;
    m_dtOccurrence = start;
    m_dtAlarm = start;
    m_dtStart = start;
    m_dtLastOccurrence = start;
    m_bHistory = 0;
    m_nRepeatUnit = repeatUnit;
    m_nRepeatEvery = repeatEvery;
    m_bByWeekDay = byWeekDay;
    // A weekday rule counts from yesterday so that a matching day later
    // today, or the rest of this month, is not lost.
    if (byWeekDay) m_dtLastOccurrence = COleDateTime::GetCurrentTime() - CUtility::OneDay;
    m_nWeekDay = weekDay;
    m_nWeekOrdinal = weekOrdinal;
    m_nMonth = month;
    AdvanceOccurrence(1);
}

CRecurringNote::CRecurringNote(const CRecurringNote& src) : CRecurringNote() {
    CopyFrom(src);
}

std::string CRecurringNote::GetTypeText() const {
    static const char* const kUnitWords[] = {"minute", "hour", "day", "week", "month", "year"};
    char number[16];
    std::snprintf(number, sizeof number, "%d ", m_nRepeatEvery);
    std::string text = number;
    if (m_nRepeatUnit >= kRepeatMinute && m_nRepeatUnit <= kRepeatYear) {
        text += kUnitWords[m_nRepeatUnit];
        if (m_nRepeatEvery > 1) text += 's';
    }
    return text;
}

std::unique_ptr<CNote> CRecurringNote::Clone() const {
    return std::make_unique<CRecurringNote>(*this);
}

void CRecurringNote::CopyFrom(const CNote& src) {
    COneTimeNote::CopyFrom(src);
    if (const CRecurringNote* recurring = AsRecurring(src)) {
        m_nRepeatUnit = recurring->m_nRepeatUnit;
        m_dtLastOccurrence = recurring->m_dtLastOccurrence;
        m_nRepeatEvery = recurring->m_nRepeatEvery;
        m_bByWeekDay = recurring->m_bByWeekDay;
        m_nWeekOrdinal = recurring->m_nWeekOrdinal;
        m_nWeekDay = recurring->m_nWeekDay;
        m_nMonth = recurring->m_nMonth;
    }
}
