#include "store/OneTimeNote.h"

#include "store/NoteCasts.h"

#include "store/ProgramFlags.h"

COneTimeNote::COneTimeNote() : COneTimeNote(COleDateTime::GetCurrentTime()) {}

COneTimeNote::COneTimeNote(const COleDateTime& created) : CNote(created) {
    m_level = Level::kOneTime;
    m_nType = kNoteOneTime;
    ResetAlarm();
}

COneTimeNote::COneTimeNote(int type, const std::string& title, const std::string& text,
                           const COleDateTime& start, int remindDays, WORD categoryID, BOOL remind)
    : CNote(type, title, text, start, categoryID) {
    m_level = Level::kOneTime;
    m_bRemind = remind;
    m_bHistory = 0;
    m_nRemindDays = remindDays;
    m_bShowCountdown = remind && g_bShowCountdownDefault ? 1 : 0;
    ResetAlarm();
}

COneTimeNote::COneTimeNote(const COneTimeNote& src) : COneTimeNote() {
    CopyFrom(src);
}

std::string COneTimeNote::GetTypeText() const {
    return "One Time";
}

std::unique_ptr<CNote> COneTimeNote::Clone() const {
    return std::make_unique<COneTimeNote>(*this);
}

void COneTimeNote::CopyFrom(const CNote& src) {
    CNote::CopyFrom(src);
    // Only a note with a reminder has alarm fields to take over.
    if (const COneTimeNote* oneTime = AsOneTime(src)) {
        m_dtAlarm = oneTime->m_dtAlarm;
        m_nRemindDays = oneTime->m_nRemindDays;
        m_dtOccurrence = oneTime->m_dtOccurrence;
    }
}

void COneTimeNote::ResetAlarm() {
    m_dtAlarm = m_dtStart;
    m_dtOccurrence = m_dtStart;
    m_dtAlarm -= COleDateTimeSpan(m_nRemindDays, 0, 0, 0);
}
