#include "shell/TrayCalendarActions.h"

#include "editing/NoteEditRouter.h"
#include "options/OptionSheet.h"
#include "reminders/NoteWindowManager.h"
#include "shell/TrayCommands.h"
#include "shell/TrayWnd.h"

#include <QPoint>

class CTrayCalendarActions::CActing {
public:
    explicit CActing(int& count) : m_count(count) { ++m_count; }
    ~CActing() { --m_count; }
    CActing(const CActing&) = delete;
    CActing& operator=(const CActing&) = delete;

private:
    int& m_count;
};

CTrayCalendarActions::CTrayCalendarActions(CTrayWnd& tray, CNoteEditRouter& router,
                                           CNoteWindowManager* windows)
    : m_tray(tray), m_router(router), m_pWindows(windows) {}

bool CTrayCalendarActions::EditNote(CNote* note, const COleDateTime& start, QWidget* parent) {
    const CActing acting(m_nActing);
    const bool changed = m_router.EditNote(note, parent, start, 0) == QDialog::Accepted;
    if (changed) m_tray.NotesChanged();
    return changed;
}

void CTrayCalendarActions::ShowNotesAt(const std::vector<CNote*>& notes, const QPoint& screenPos) {
    const CActing acting(m_nActing);
    if (m_pWindows) m_pWindows->ShowNotesAt(notes, screenPos.x(), screenPos.y());
}

void CTrayCalendarActions::NotesChanged() {
    const CActing acting(m_nActing);
    m_tray.NotesChanged();
}

bool CTrayCalendarActions::RunOptions(QWidget* parent) {
    const CActing acting(m_nActing);
    if (COptionSheet::Run(m_tray.Data(), parent) != QDialog::Accepted) return false;
    // The sheet wrote the data file and read it again. The note colours come
    // from the textures, and the desktop notes are made with them.
    m_tray.Saved();
    m_tray.ComputeTextureColors();
    m_tray.ShowDesktopNotes();
    return true;
}

void CTrayCalendarActions::OpenHelp() {
    m_tray.Commands().Contents();
}

void CTrayCalendarActions::OpenHomePage() {
    m_tray.Commands().HomePage();
}
