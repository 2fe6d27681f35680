#include "reminders/NoteWindowManager.h"

#include "reminders/NotePlacement.h"
#include "reminders/NoteWnd.h"
#include "store/CalendarData.h"
#include "store/Note.h"

#include <QGuiApplication>
#include <QScreen>

CNoteWindowManager::CNoteWindowManager(CCalendarData& data, CAlarmScheduler& scheduler)
    : m_data(data), m_scheduler(scheduler) {}

CNoteWnd* CNoteWindowManager::WindowOf(const CNote& note) {
    return dynamic_cast<CNoteWnd*>(note.m_pNoteWnd);
}

void CNoteWindowManager::ShowAlarm(CNote& note) {
    CNoteWnd* window = WindowOf(note);
    const bool existed = window != nullptr;
    if (!window) {
        if (note.m_pNoteWnd) return; // a window of another kind holds the note
        window = Track(new CNoteWnd(*this, CNoteWnd::kAlarmMode, note, CNotePlacement::kNoPosition,
                                    CNotePlacement::kNoPosition));
    }
    // A window busy with its own "OK" or "Delete" is not restarted.
    if (window->IsBusy()) return;
    window->StartAlarm(existed);
}

void CNoteWindowManager::UpdateCountdown(CNote& note, const COleDateTime& now) {
    if (CNoteWnd* window = WindowOf(note)) window->UpdateCountdown(now);
}

std::vector<CNote*> CNoteWindowManager::NotesWithWindows() {
    std::erase_if(m_windows, [](const QPointer<CNoteWnd>& window) { return window.isNull(); });
    std::vector<CNote*> notes;
    notes.reserve(m_windows.size());
    for (CNoteWnd* window : m_windows) {
        // While the window runs the editor its note may be replaced under it;
        // the window looks it up again when the editor closes.
        if (window->IsEditingNote()) continue;
        CNote* note = window->Note();
        if (note && note->m_pNoteWnd == window) notes.push_back(note);
    }
    return notes;
}

CNoteWnd* CNoteWindowManager::Track(CNoteWnd* window) {
    m_windows.emplace_back(window);
    return window;
}

void CNoteWindowManager::ShowOnDesktop(CNote& note) {
    ShowOnDesktop(note, CNotePlacement::kNoPosition, CNotePlacement::kNoPosition);
}

void CNoteWindowManager::ShowOnDesktop(CNote& note, int x, int y) {
    if (CNoteWnd* window = WindowOf(note)) {
        window->ShowAgainAt(x, y);
        return;
    }
    if (note.m_pNoteWnd) return;
    note.m_bAlarmActive = 0;
    Track(new CNoteWnd(*this, CNoteWnd::kDesktopMode, note, x, y));
    NotesChanged();
}

void CNoteWindowManager::ShowNotesAt(const std::vector<CNote*>& notes, int x, int y) {
    const QRect screen = ScreenRect();
    CDropPoints points(x, y, screen.width(), screen.height());
    for (CNote* note : notes) {
        if (!note || note->m_nType == kNoteHoliday) continue;
        ShowOnDesktop(*note, points.X(), points.Y());
        points.Advance();
    }
}

void CNoteWindowManager::NotesChanged() const {
    if (m_onChanged) m_onChanged();
}

void CNoteWindowManager::AlarmStarted(const CNote& note) const {
    if (m_pAlarmListener) m_pAlarmListener->AlarmStarted(note);
}

void CNoteWindowManager::AlarmEnded(WORD id) const {
    if (m_pAlarmListener) m_pAlarmListener->AlarmEnded(id);
}

CNoteWnd* CNoteWindowManager::WindowOf(WORD id) const {
    const CNote* note = m_data.LookupNote(id);
    return note ? WindowOf(*note) : nullptr;
}

void CNoteWindowManager::AcknowledgeAlarm(WORD id) {
    if (CNoteWnd* window = WindowOf(id)) window->AnswerAlarm(false, 0, 0);
}

void CNoteWindowManager::SnoozeAlarm(WORD id, int hours, int minutes) {
    if (CNoteWnd* window = WindowOf(id)) window->AnswerAlarm(true, hours, minutes);
}

bool CNoteWindowManager::RunProperties(CNote& note, QWidget* parent) const {
    return m_runProperties && m_runProperties(note, parent);
}

QRect CNoteWindowManager::ScreenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect CNoteWindowManager::DesktopRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
}
