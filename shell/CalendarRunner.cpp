#include "shell/CalendarRunner.h"

#include "shell/TrayWnd.h"
#include "views/MainWnd.h"

#include <QEventLoop>

CCalendarRunner::CCalendarRunner(CTrayWnd& tray, CNoteEditRouter& router,
                                 CNoteWindowManager* windows)
    : m_tray(tray), m_actions(tray, router, windows) {
    connect(&m_tray, &CTrayWnd::NotesEdited, this, &CCalendarRunner::OnNotesChanged);
    m_tray.SetCalendarRunner([this] { Run(); });
}

CCalendarRunner::~CCalendarRunner() {
    m_tray.SetCalendarRunner(nullptr);
}

CMainWnd* CCalendarRunner::Window() const {
    return m_pWindow;
}

void CCalendarRunner::Run() {
    CMainWnd window(m_tray.Data(), m_actions);
    m_pWindow = &window;
    m_tray.SetCalendarWindow(&window);
    // Modal for the tray, which waits here, but not for the notes' own
    // windows: an alarm that rings meanwhile can be answered.
    QEventLoop loop;
    connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    window.show();
    window.raise();
    window.activateWindow();
    loop.exec(QEventLoop::DialogExec);
    m_tray.SetCalendarWindow(nullptr);
    m_pWindow = nullptr;
}

void CCalendarRunner::OnNotesChanged() {
    if (m_pWindow && !m_actions.IsActing()) m_pWindow->NotesChangedElsewhere();
}
