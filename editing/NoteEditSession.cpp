#include "editing/NoteEditSession.h"

#include "editing/NoteBuilder.h"
#include "editing/NoteEditRules.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "store/NoteCasts.h"
#include "store/ProgramFlags.h"

namespace {

// Whether the fields still say when the note rings just as before.
bool SameTiming(const CNoteEditFields& a, const CNoteEditFields& b) {
    return a.m_dtStartDate == b.m_dtStartDate && a.m_nTimeIndex == b.m_nTimeIndex &&
           a.m_bRepeat == b.m_bRepeat && a.m_nRepeatEvery == b.m_nRepeatEvery &&
           a.m_nRepeatUnit == b.m_nRepeatUnit && a.m_bWeekDay == b.m_bWeekDay &&
           a.m_nOrdinal == b.m_nOrdinal && a.m_nWeekDay == b.m_nWeekDay &&
           a.m_nMonth == b.m_nMonth && a.m_bEnd == b.m_bEnd &&
           (!a.m_bEnd || a.m_dtEndDate == b.m_dtEndDate) && a.m_bRemind == b.m_bRemind &&
           a.m_nRemindDays == b.m_nRemindDays;
}

// A new title or text leaves the reminder where it stood: a snoozed alarm
// still comes back when it was asked to, an acknowledged occurrence does not
// ring again. (A one-time note moved with its snooze, so its start goes too.)
void KeepReminder(const CNote& old, CNote& built) {
    const COneTimeNote* from = AsOneTime(old);
    COneTimeNote* to = AsOneTime(built);
    if (!from || !to || from->m_nType != to->m_nType) return;
    if (to->m_nType == kNoteOneTime) to->m_dtStart = from->m_dtStart;
    to->m_dtAlarm = from->m_dtAlarm;
    to->m_dtOccurrence = from->m_dtOccurrence;
    if (const CRecurringNote* series = AsRecurring(old))
        if (CRecurringNote* copy = AsRecurring(built))
            copy->m_dtLastOccurrence = series->m_dtLastOccurrence;
}

} // namespace

bool CNoteEditSession::CanEdit(const CNote& note) {
    return !note.m_bEditing && note.m_nType != kNoteHoliday && !note.m_bAlarmActive;
}

CNoteEditSession::CNoteEditSession(CCalendarData* data, CNote* note)
    : m_pData(data), m_pNote(note), m_nNoteID(note ? note->m_nID : 0),
      m_nMode(CNoteEditFields::ModeFor(note, data == nullptr)) {
    if (m_pNote) m_pNote->m_bEditing = 1;
    ++g_nEditorsOpen;
}

CNoteEditSession::~CNoteEditSession() {
    --g_nEditorsOpen;
    m_pReplacedNote.reset();
    if (m_bReplaced || !m_pNote) return;
    // Looked up again: the note may have gone while the editor was open.
    CNote* note = m_pData ? m_pData->LookupNote(static_cast<WORD>(m_nNoteID)) : m_pNote;
    if (note == m_pNote) note->m_bEditing = 0;
}

CNoteEditFields CNoteEditSession::InitialFields(const COleDateTime& initial) const {
    return m_pNote ? CNoteEditFields::FromNote(*m_pNote) : CNoteEditFields::ForNewNote(initial);
}

CNoteEditSession::Outcome CNoteEditSession::Commit(const CNoteEditFields& f,
                                                   const COleDateTime& now) {
    if (m_nMode != kEditHistory && f.m_bEnd && !CNoteEditRules::EndDateRuleHolds(f, now)) {
        Warn(kEndDateWarning);
        return kKeepOpen;
    }
    if (m_nMode == kEditHistory) {
        CNoteBuilder::ApplyToHistory(f, *m_pNote);
        return kDone;
    }
    if (m_nMode == kEditHoliday) {
        if (CRecurringNote* holiday = m_pNote ? AsRecurring(*m_pNote) : nullptr)
            CNoteBuilder::ApplyToHoliday(f, *holiday);
        return kDone;
    }
    return CommitNote(f);
}

CNoteEditSession::Outcome CNoteEditSession::CommitNote(const CNoteEditFields& f) {
    std::unique_ptr<CNote> built = CNoteBuilder::Build(f);
    if (!built) {
        Warn(kExpiredWarning);
        return kKeepOpen;
    }
    if (!m_pNote) {
        // A store without a free ID has told the user; the fields stay.
        m_pNote = m_pData->AddNote(std::move(built));
        return m_pNote ? kDone : kKeepOpen;
    }
    // The new object takes the old one's place and window: its look, and the
    // saved position, which the window needs to find its place again.
    if (SameTiming(CNoteEditFields::FromNote(*m_pNote), f)) KeepReminder(*m_pNote, *built);
    built->CopyAppearance(*m_pNote);
    built->m_bHasWindowRect = m_pNote->m_bHasWindowRect;
    const WORD id = static_cast<WORD>(m_nNoteID);
    m_pReplacedNote = m_pData->ReplaceNote(id, std::move(built));
    m_pNote = m_pData->LookupNote(id);
    m_bReplaced = true;
    return kDone;
}

void CNoteEditSession::Warn(const char* text) {
    CMessageBox::Current().Show(text, kCaptionWarning, CMessageBox::kIconWarning,
                                CMessageBox::kButtonsOk);
}
