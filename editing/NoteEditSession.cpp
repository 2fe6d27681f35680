#include "editing/NoteEditSession.h"

#include "editing/NoteBuilder.h"
#include "editing/NoteEditRules.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "store/NoteCasts.h"
#include "store/ProgramFlags.h"

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
