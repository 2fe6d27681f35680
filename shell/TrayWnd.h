#pragma once
// CTrayWnd: the program's hidden main object. It owns the calendar data,
// keeps the notification-area icon and turns its clicks into commands, runs
// the one-second alarm tick, and saves the data at every regular save point
// (the calendar window closing, the program ending) and a few seconds after
// any other change to the notes.
//
// Without a notification area it shows a small window with the menu's
// commands instead, and adds the icon as soon as a notification area appears.

#include "reminders/AlarmScheduler.h"
#include "shell/AutoSave.h"
#include "shell/ClickDispatcher.h"
#include "shell/TrayMenuStyle.h"
#include "shell/TrayState.h"
#include "store/CalendarData.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class CCommandLine;
class CCommandWnd;
class CTrayCommands;
class CTrayIconHost;

class CTrayWnd : public QObject, private CClickDispatcher::Target {
    Q_OBJECT
public:
    static constexpr int kAlarmTickMs = 1000;
    // How often a missing notification area is looked for again.
    static constexpr int kIconRetryTicks = 5;
    static constexpr int kStringTip = 57605;
    // The longest start-up waits for the tray to show the icon.
    static constexpr int kIconDrawnWaitMs = 100;

    explicit CTrayWnd(std::unique_ptr<CTrayIconHost> icon, QObject* parent = nullptr);
    ~CTrayWnd() override;

    // Start-up, in this order: the logo (unless the command line is exactly
    // "nologo"), the icon, the data file, the note colours from the textures,
    // the notes that sit on the desktop, the one-second tick.
    bool Create(const CCommandLine& commandLine);
    // Removes the icon, saves and emits Ended. Final.
    void Exit();

    int GetState() const { return m_nState; }
    bool IsClosing() const { return m_nState == kTrayClosing; }
    // An import or export starts; false when the tray is not idle.
    bool BeginBusy();
    void EndBusy();

    CCalendarData& Data() { return m_data; }
    CAlarmScheduler& Scheduler() { return m_scheduler; }
    CTrayCommands& Commands() { return *m_commands; }

    // Saves "Note.Dat" now (a regular save point).
    bool Save();
    // The data file was just written by someone else.
    void Saved() { m_autoSave.Saved(); }
    // The notes changed: they are saved within a few seconds.
    void NotesChanged();
    // Saves a change that is still waiting. True when nothing is left unsaved.
    bool FlushChanges() { return m_autoSave.Flush(); }

    // The program-wide note colours from the window and toolbar textures.
    void ComputeTextureColors();
    void ShowDesktopNotes();

    // The windows of the rest of the program, as they arrive. The calendar,
    // note editor and options runners run their window modally; a command
    // whose runner is missing is disabled.
    void SetNoteWindows(CNoteWindows* windows);
    void SetCalendarRunner(std::function<void()> run);
    void SetNoteEditorRunner(std::function<void()> run);
    void SetOptionsRunner(std::function<void()> run);
    // The calendar window while it is open, to bring forward on a click.
    void SetCalendarWindow(QWidget* window) { m_pCalendarWnd = window; }
    // Replaces the start-up logo (tests).
    void SetLogoRunner(std::function<void()> run) { m_runLogo = std::move(run); }
    bool HasCalendar() const { return static_cast<bool>(m_runCalendar); }
    bool HasNoteEditor() const { return static_cast<bool>(m_runNoteEditor); }
    bool HasOptions() const { return static_cast<bool>(m_runOptions); }

    bool HasIcon() const;
    // The window used without a notification area, or null.
    CCommandWnd* CommandWindow() const { return m_pCommandWnd.get(); }
    bool IsAlarmTimerActive() const { return m_alarmTimer.isActive(); }
    // The double-click time (tests shorten it).
    void SetClickInterval(int ms) { m_clickTimer.setInterval(ms); }
    CClickDispatcher& Dispatcher() { return m_dispatcher; }

public slots:
    void OpenCalendar() override;
    void NewNote() override;
    void Options();
    // A later copy was started with this command line.
    void OnCommandLine(const QString& commandLine);
    void SetSleeping(bool sleeping);
    void Tick();

signals:
    // The icon is gone and the data saved: the program may end.
    void Ended();
    // Notes changed (NotesChanged): whatever shows notes reads them again.
    void NotesEdited();

private:
    // CClickDispatcher::Target
    int GetTrayState() const override { return m_nState; }
    void StartClickTimer() override { m_clickTimer.start(); }
    void StopClickTimer() override { m_clickTimer.stop(); }
    void PostClick(int modifier) override;
    void PostMenu() override;
    void BringCalendarToFront() override;
    void ShowMenu() override;

    void RunLogo();
    void AddIcon();
    void RetryIcon();
    void ShowCommandWindow();
    void ConnectIcon();
    void ReturnToIdle();

    CCalendarData m_data;
    CAlarmScheduler m_scheduler;
    CNoteWindows* m_pNoteWindows = nullptr;
    CAutoSave m_autoSave;
    CClickDispatcher m_dispatcher;
    CTrayMenuStyle m_menuStyle;
    std::unique_ptr<CTrayIconHost> m_icon;
    CTrayCommands* m_commands = nullptr;
    std::unique_ptr<CCommandWnd> m_pCommandWnd;
    QPointer<QWidget> m_pCalendarWnd;
    QTimer m_alarmTimer;
    QTimer m_clickTimer;
    std::function<void()> m_runLogo;
    std::function<void()> m_runCalendar;
    std::function<void()> m_runNoteEditor;
    std::function<void()> m_runOptions;
    int m_nState = kTrayIdle;
    int m_nStateBeforeSleep = kTrayIdle;
    int m_nIconRetry = 0;
    bool m_bLoaded = false;
    bool m_bMenuOpen = false;
};
