#pragma once
// CCalendarApp: the running program. It puts the real message boxes in place,
// listens for later copies, starts the tray and ends the program when the
// tray has ended, whether by its menu, by a later copy started with "exit",
// by a signal to end (SIGTERM from the desktop session) or by the session
// manager asking for the data to be saved.

#include "shell/WidgetMessageBox.h"

#include <QApplication>

#include <memory>

class CAlarmNotifier;
class CCalendarRunner;
class CCommandLine;
class CDBusNotifications;
class CEditorCommands;
class CNoteWindowManager;
class CQtAudioBackEnd;
class CSingleInstance;
class CTrayWnd;

class CCalendarApp : public QApplication {
    Q_OBJECT
public:
    CCalendarApp(int& argc, char** argv);
    ~CCalendarApp() override;

    // Starts the tray; false when this process should end at once.
    bool InitInstance(const CCommandLine& commandLine, CSingleInstance& instance);

    CTrayWnd* Tray() const { return m_tray.get(); }
    // The notes' own windows (desktop notes and alarms).
    CNoteWindowManager* NoteWindows() const { return m_noteWindows.get(); }

private:
    void OnCommandLine(const QString& commandLine);
    void WatchTheSystem();

    CWidgetMessageBox m_messageBox;
    std::unique_ptr<CQtAudioBackEnd> m_audio;
    std::unique_ptr<CTrayWnd> m_tray;
    std::unique_ptr<CNoteWindowManager> m_noteWindows;
    // A desktop notification for each ringing alarm.
    std::unique_ptr<CDBusNotifications> m_notifications;
    std::unique_ptr<CAlarmNotifier> m_notifier;
    // The note editor and the options sheet, for the tray and the note windows.
    std::unique_ptr<CEditorCommands> m_editorCommands;
    // The calendar window, opened from the tray.
    std::unique_ptr<CCalendarRunner> m_calendar;
    bool m_bStarted = false;
    bool m_bExitRequested = false;
};
