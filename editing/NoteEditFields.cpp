#include "editing/NoteEditFields.h"

#include "editing/NoteEditRules.h"
#include "store/NoteCasts.h"
#include "zadad/Utility.h"

namespace {

constexpr const char* kNewNoteCaption = "  New Note";
constexpr const char* kHistorySuffix = " (History)";

// A list index from a stored 1-based value; -1 (nothing chosen) when the
// value does not name an entry, so a damaged record cannot select past the end.
int IndexOf(int oneBased, int count) {
    return oneBased >= 1 && oneBased <= count ? oneBased - 1 : -1;
}

void LoadRepetition(const CRecurringNote& note, CNoteEditFields& f) {
    f.m_bRepeat = 1;
    f.m_nRepeatEvery = note.m_nRepeatEvery;
    f.m_nRemindDays = note.m_nRemindDays;
    f.m_nRepeatUnit = note.m_nRepeatUnit >= kRepeatMinute && note.m_nRepeatUnit <= kRepeatYear
                          ? note.m_nRepeatUnit
                          : -1;
    if (!note.m_bByWeekDay) return;
    f.m_nOrdinal = IndexOf(note.m_nWeekOrdinal, CNoteEditRules::kOrdinals);
    f.m_nWeekDay = IndexOf(note.m_nWeekDay, CNoteEditRules::kWeekDays);
    if (note.m_nRepeatUnit == kRepeatYear)
        f.m_nMonth = IndexOf(note.m_nMonth, CNoteEditRules::kMonths);
    f.m_bWeekDay = 1;
}

} // namespace

COleDateTime DateOnly(const COleDateTime& dt) {
    COleDateTime day = dt;
    CUtility::GetStartOfDay(day);
    return day;
}

CNoteEditFields CNoteEditFields::ForNewNote(const COleDateTime& initial) {
    CNoteEditFields f;
    f.m_strCaption = kNewNoteCaption;
    f.m_nTimeIndex = CNoteEditRules::TimeIndexOf(initial);
    f.m_dtStartDate = DateOnly(initial);
    f.m_dtEndDate = f.m_dtStartDate + CUtility::OneDay;
    return f;
}

CNoteEditFields CNoteEditFields::FromNote(const CNote& note) {
    CNoteEditFields f;
    f.m_strCaption = note.m_strTitle;
    if (note.m_bHistory) f.m_strCaption += kHistorySuffix;
    f.m_dtStartDate = DateOnly(note.m_dtStart);
    if (note.m_dtEnd.GetStatus() != COleDateTime::null) {
        f.m_bEnd = 1;
        f.m_dtEndDate = DateOnly(note.m_dtEnd);
    } else {
        f.m_dtEndDate = f.m_dtStartDate + CUtility::OneDay;
    }
    f.m_nTimeIndex = CNoteEditRules::TimeIndexOf(note.m_dtStart);
    f.m_wCategoryID = note.m_wCategoryID;
    f.m_bRemind = note.m_bRemind;
    if (const CRecurringNote* recurring = AsRecurring(note))
        LoadRepetition(*recurring, f);
    else if (const COneTimeNote* oneTime = AsOneTime(note))
        f.m_nRemindDays = oneTime->m_nRemindDays;
    f.m_strTitle = note.m_strTitle;
    f.m_strText = note.m_strText;
    f.m_strPlainText = note.m_strText;
    return f;
}

NoteEditMode CNoteEditFields::ModeFor(const CNote* note, bool holidayItem) {
    if (holidayItem) return kEditHoliday;
    if (note && note->m_bHistory && note->m_nType != kNoteMemo) return kEditHistory;
    return kEditNote;
}
