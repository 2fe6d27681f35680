#include "editing/NoteBuilder.h"

#include "editing/NoteEditRules.h"
#include "store/NoteCasts.h"
#include "zadad/Utility.h"

namespace {

// A note without a reminder stands one second into its day, so that it sorts
// after the day's start yet shows no time of its own.
constexpr COleDateTimeSpan kUntimed = CUtility::OneSecond;

COleDateTime StartOf(const CNoteEditFields& f) {
    if (!f.m_bRemind) return f.m_dtStartDate + kUntimed;
    int hour = 0;
    int minute = 0;
    CNoteEditRules::TimeOfIndex(f.m_nTimeIndex, hour, minute);
    return f.m_dtStartDate + COleDateTimeSpan(0, hour, minute, 0);
}

// The weekday rule counts only where the editor offers it, for months and
// years: any other series keeps its own start as the anchor.
BOOL UsesWeekDayRule(const CNoteEditFields& f) {
    return f.m_bWeekDay && (f.m_nRepeatUnit == kRepeatMonth || f.m_nRepeatUnit == kRepeatYear);
}

std::unique_ptr<CNote> MakeNote(const CNoteEditFields& f) {
    const COleDateTime start = StartOf(f);
    if (f.m_bRepeat)
        return std::make_unique<CRecurringNote>(f.m_strTitle, f.m_strText, start, f.m_nRemindDays,
                                                f.m_nRepeatUnit, f.m_nRepeatEvery, f.m_wCategoryID,
                                                UsesWeekDayRule(f), f.m_nWeekDay + 1,
                                                f.m_nOrdinal + 1, f.m_nMonth + 1, f.m_bRemind);
    if (f.m_bRemind)
        return std::make_unique<COneTimeNote>(kNoteOneTime, f.m_strTitle, f.m_strText, start,
                                              f.m_nRemindDays, f.m_wCategoryID, 1);
    return std::make_unique<CNote>(kNoteMemo, f.m_strTitle, f.m_strText, f.m_dtStartDate,
                                   f.m_wCategoryID);
}

} // namespace

std::unique_ptr<CNote> CNoteBuilder::Build(const CNoteEditFields& f) {
    std::unique_ptr<CNote> note = MakeNote(f);
    note->m_bHistory = 0;
    note->m_bTopMost = 1;
    if (!f.m_bEnd) {
        note->m_dtEnd.SetStatus(COleDateTime::null);
        return note;
    }
    note->m_dtEnd = DateOnly(f.m_dtEndDate);
    if (const CRecurringNote* recurring = AsRecurring(*note))
        if (note->m_dtEnd < recurring->m_dtAlarm) return nullptr;
    return note;
}

void CNoteBuilder::ApplyToHistory(const CNoteEditFields& f, CNote& note) {
    note.m_strText = f.m_strText;
    note.m_strTitle = f.m_strTitle;
}

void CNoteBuilder::ApplyToHoliday(const CNoteEditFields& f, CRecurringNote& holiday) {
    holiday.m_dtStart = f.m_dtStartDate;
    holiday.m_strTitle = f.m_strTitle;
    holiday.m_strText = f.m_strPlainText;
    holiday.m_bActive = 1;
    holiday.m_bByWeekDay = f.m_bWeekDay;
    // A list left without a choice keeps what the item had.
    if (f.m_nWeekDay >= 0) holiday.m_nWeekDay = f.m_nWeekDay + 1;
    if (f.m_nOrdinal >= 0) holiday.m_nWeekOrdinal = f.m_nOrdinal + 1;
    if (f.m_nMonth >= 0) holiday.m_nMonth = f.m_nMonth + 1;
}
