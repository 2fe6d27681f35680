#include "reminders/AlarmScheduler.h"

#include "reminders/NoteWindows.h"
#include "reminders/SnoozeInput.h"
#include "store/CalendarData.h"
#include "store/NoteCasts.h"
#include "store/ProgramFlags.h"
#include "zadad/Utility.h"

#include <algorithm>
#include <utility>

namespace {

// The notes FindNextAlarm considers: armed reminders of live notes.
bool IsArmed(const CNote& note) {
    return note.m_bRemind && !note.m_bAlarmActive && !note.m_bHistory && note.m_bActive;
}

// The notes that can ring: one-time and recurring ones, never a holiday.
COneTimeNote* AsTimed(CNote* note) {
    if (!note || note->m_nType == kNoteHoliday) return nullptr;
    return AsOneTime(*note);
}

COleDateTime StartOfDay(COleDateTime t) {
    CUtility::GetStartOfDay(t);
    return t;
}

// A series is over once its next occurrence falls on or after the day of its
// end date: no occurrence beyond the end may ring.
bool SeriesEnded(const CRecurringNote& note) {
    if (note.m_dtEnd.GetStatus() != COleDateTime::valid) return false;
    return StartOfDay(note.m_dtOccurrence) >= StartOfDay(note.m_dtEnd);
}

} // namespace

void CAlarmScheduler::Tick(const COleDateTime& now) {
    CheckAlarms(now);
    UpdateCountdowns(now);
}

bool CAlarmScheduler::IsPaused() const {
    return g_nEditorsOpen != 0 || g_bOptionsOpen;
}

void CAlarmScheduler::CheckAlarms(const COleDateTime& now) {
    if (m_bChecking || IsPaused()) return;
    if (m_data.GetNextAlarmID() == 0 || !(m_data.GetNextAlarmTime() < now)) return;
    m_bChecking = true;
    // Every due note rings in its own window. Each is looked up again just
    // before it rings, since opening one window may change the notes. A note
    // that is being edited waits (it cannot be met while the check pauses for
    // editors, but must never make this loop go round for ever).
    const DueList due = DueNotes(now);
    int room = std::min(kMaxRingsPerTick, kMaxRingingAtOnce - due.ringing);
    for (const WORD id : due.ids) {
        if (room <= 0) break;
        CNote* note = m_data.LookupNote(id);
        if (!note || !IsArmed(*note) || note->m_bEditing) continue;
        Ring(*note);
        --room;
    }
    m_data.FindNextAlarm();
    m_bChecking = false;
}

CAlarmScheduler::DueList CAlarmScheduler::DueNotes(const COleDateTime& now) const {
    std::vector<std::pair<COleDateTime, WORD>> due;
    DueList list;
    for (const auto& [id, note] : m_data.m_noteManager.Notes()) {
        if (note->m_bAlarmActive && !note->m_bHistory) ++list.ringing;
        const COneTimeNote* timed = AsTimed(note.get());
        if (timed && IsArmed(*timed) && timed->m_dtAlarm < now)
            due.emplace_back(timed->m_dtAlarm, id);
    }
    // Equal times keep the ID order, as the next-alarm scan would take them.
    std::stable_sort(due.begin(), due.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    list.ids.reserve(due.size());
    for (const auto& entry : due)
        list.ids.push_back(entry.second);
    return list;
}

void CAlarmScheduler::Ring(CNote& note) {
    // Marked first: the note leaves the next-alarm scan even if no window opens.
    note.m_bAlarmActive = 1;
    if (m_pWindows) m_pWindows->ShowAlarm(note);
}

void CAlarmScheduler::UpdateCountdowns(const COleDateTime& now) {
    if (!m_pWindows) return;
    for (CNote* note : m_pWindows->NotesWithWindows()) {
        if (note->m_bActive && !note->m_bHistory && note->m_pNoteWnd && note->m_bShowCountdown)
            m_pWindows->UpdateCountdown(*note, now);
    }
}

COneTimeNote* CAlarmScheduler::TimedNote(WORD id) const {
    return AsTimed(m_data.LookupNote(id));
}

bool CAlarmScheduler::Snooze(WORD id, int hours, int minutes) {
    if (hours < 0 || hours > CSnoozeInput::kMaxHours || minutes < 0 ||
        minutes > CSnoozeInput::kMaxMinutes)
        return false;
    COneTimeNote* note = TimedNote(id);
    if (!note) return false;
    const COleDateTime now = COleDateTime::GetCurrentTime();
    note->m_dtAlarm = now + CUtility::OneMinute * CSnoozeInput::TotalMinutes(hours, minutes);
    // A one-time note moves with its reminder; a recurring one keeps its
    // occurrence, only the reminder comes again.
    if (note->m_nType == kNoteOneTime) note->m_dtStart = note->m_dtAlarm;
    EndAlarm(*note, now, false, false);
    return true;
}

void CAlarmScheduler::Acknowledge(WORD id) {
    COneTimeNote* note = TimedNote(id);
    if (!note) return;
    if (note->m_nType == kNoteOneTime) {
        EndAlarm(*note, note->m_dtOccurrence, true, true);
        return;
    }
    if (CRecurringNote* recurring = AsRecurring(*note)) AcknowledgeRecurring(*recurring);
}

void CAlarmScheduler::AcknowledgeRecurring(CRecurringNote& note) {
    const COleDateTime acknowledged = note.m_dtOccurrence;
    note.m_dtLastOccurrence = acknowledged;
    note.AdvanceOccurrence(0); // past the occurrence just acknowledged
    EndAlarm(note, acknowledged, SeriesEnded(note), true);
}

void CAlarmScheduler::Delete(WORD id) {
    CNote* note = m_data.LookupNote(id);
    if (!note || note->m_nType == kNoteHoliday) return;
    EndAlarm(*note, COleDateTime::GetCurrentTime(), true, false);
}

void CAlarmScheduler::EndAlarm(CNote& note, const COleDateTime& when, bool deleteNote,
                               bool keepHistory) {
    note.m_bAlarmActive = 0;
    m_data.CloseAlarm(static_cast<WORD>(note.m_nID), when, deleteNote, keepHistory);
    NotifyChanged();
}

void CAlarmScheduler::NotifyChanged() {
    if (m_onChanged) m_onChanged();
}
