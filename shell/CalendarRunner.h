#pragma once
// Opens the calendar window for the tray and keeps it in step with the
// rest of the program while it is open: when notes change anywhere else
// (an alarm acknowledged or deleted in its window, a desktop note edited
// through its "Properties"), the calendar reads them again at once, before
// it could draw a note that is gone.

#include "shell/TrayCalendarActions.h"

#include <QObject>
#include <QPointer>

class CMainWnd;

class CCalendarRunner : public QObject {
    Q_OBJECT
public:
    // Becomes the tray's calendar: its click, Ctrl-click and "Calendar".
    CCalendarRunner(CTrayWnd& tray, CNoteEditRouter& router, CNoteWindowManager* windows);
    ~CCalendarRunner() override;

    // Shows the calendar window and returns once it has closed.
    void Run();
    // The window while it is open, else null.
    CMainWnd* Window() const;
    CTrayCalendarActions& Actions() { return m_actions; }

private:
    void OnNotesChanged();

    CTrayWnd& m_tray;
    CTrayCalendarActions m_actions;
    QPointer<CMainWnd> m_pWindow;
};
