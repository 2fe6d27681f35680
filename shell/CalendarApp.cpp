#include "shell/CalendarApp.h"

#include "options/ProgramSettings.h"
#include "reminders/AlarmNotifier.h"
#include "reminders/DBusNotifications.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/QtAudioBackEnd.h"
#include "res/Resources.h"
#include "res/StringTable.h"
#include "shell/CalendarRunner.h"
#include "shell/EditorCommands.h"
#include "shell/SignalWatcher.h"
#include "shell/SingleInstance.h"
#include "shell/SleepWatcher.h"
#include "shell/StartupLog.h"
#include "shell/SystemTrayIcon.h"
#include "shell/TrayWnd.h"

#include <QTimer>

CCalendarApp::CCalendarApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("orrindale"));
    setApplicationVersion(QString::fromStdString(LoadString(IDS_VERSION)));
    // The program lives in the tray: closing its last window (a note, the
    // editor, a message box) must not end it.
    setQuitOnLastWindowClosed(false);
}

CCalendarApp::~CCalendarApp() {
    m_calendar.reset();
    m_editorCommands.reset();
    // The notes go with the tray; their ringing windows tell the notifier.
    m_tray.reset();
    m_noteWindows.reset();
    m_notifier.reset();
    m_notifications.reset();
    m_audio.reset();
    CMessageBox::Install(nullptr);
}

bool CCalendarApp::InitInstance(const CCommandLine& commandLine, CSingleInstance& instance) {
    setWindowIcon(resources::Icon(resources::kIconProgram));
    CMessageBox::Install(&m_messageBox);
    instance.Listen();
    connect(&instance, &CSingleInstance::CommandReceived, this, &CCalendarApp::OnCommandLine);
    CProgramSettings::Load();
    m_audio = std::make_unique<CQtAudioBackEnd>();
    m_tray = std::make_unique<CTrayWnd>(std::make_unique<CSystemTrayIcon>());
    m_noteWindows = std::make_unique<CNoteWindowManager>(m_tray->Data(), m_tray->Scheduler());
    m_noteWindows->SetChangeHandler([this] { m_tray->NotesChanged(); });
    m_tray->SetNoteWindows(m_noteWindows.get());
    m_notifications = std::make_unique<CDBusNotifications>();
    m_notifier = std::make_unique<CAlarmNotifier>(*m_notifications, *m_noteWindows,
                                                  [] { return g_bDesktopNotification != 0; });
    m_noteWindows->SetAlarmListener(m_notifier.get());
    m_editorCommands = std::make_unique<CEditorCommands>(*m_tray, m_noteWindows.get());
    m_calendar = std::make_unique<CCalendarRunner>(*m_tray, *m_editorCommands, m_noteWindows.get());
    // exit, not quit: quit first asks every window to close, and a ringing
    // alarm window refuses until it is acknowledged, which would keep a
    // program that has already saved and removed its icon running unseen.
    connect(
        m_tray.get(), &CTrayWnd::Ended, this, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    if (!m_tray->Create(commandLine)) return false;
    m_bStarted = true;
    WatchTheSystem();
    if (m_bExitRequested) m_tray->Exit(CTrayWnd::ExitCause::Command);
    // The first pass of the event loop: the icon is on screen now.
    QTimer::singleShot(0, this, [] { CStartupLog::Mark("ready"); });
    return true;
}

void CCalendarApp::WatchTheSystem() {
    auto* endSignals = new CSignalWatcher(this);
    connect(endSignals, &CSignalWatcher::EndRequested, m_tray.get(),
            [this] { m_tray->Exit(CTrayWnd::ExitCause::Signal); });
    // The session may end the program without asking: the data is saved now.
    connect(this, &QGuiApplication::commitDataRequest, m_tray.get(),
            [this] { m_tray->SaveForSessionEnd(); });
    // The system bus is asked only once the program is up.
    QTimer::singleShot(0, this, [this] {
        auto* sleep = new CSleepWatcher(this);
        connect(sleep, &CSleepWatcher::Sleeping, m_tray.get(), &CTrayWnd::SetSleeping);
    });
}

void CCalendarApp::OnCommandLine(const QString& commandLine) {
    // "exit" during start-up waits until the data has been read: ending
    // earlier would save an empty data file over the user's.
    if (!m_bStarted) {
        if (commandLine == QLatin1String("exit")) m_bExitRequested = true;
        return;
    }
    m_tray->OnCommandLine(commandLine);
}
