#pragma once
// The real tray for tests that drive the whole program: a program directory
// of their own, the test clock, the message boxes and the sound answered by
// fakes, a tray icon that can be clicked, and the note windows the tray rings
// through; the editor and the calendar window when asked for. Start builds
// the tray and starts it as the program does (without the logo), Stop ends it
// as the program ends and destroys it. The directory and the clock outlive a
// Stop, so a test can start the program again on the same data file.

#include "tests/support/FakeAudioBackEnd.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"
#include "zadad/WinTypes.h"

#include <QApplication>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CAlarmListener;
class CCalendarData;
class CCalendarRunner;
class CEditorCommands;
class CFakeTrayIcon;
class CNote;
class CNoteWindowManager;
class CTrayWnd;

class CTrayHarness {
public:
    // What Start builds beside the tray and its note windows.
    struct Setup {
        bool holidays = false;            // the holiday list, attached before the data file loads
        bool editor = false;              // the note editor's commands
        bool calendar = false;            // the calendar window (it needs the editor too)
        CAlarmListener* alarms = nullptr; // hears the note windows ring
    };
    explicit CTrayHarness(const COleDateTime& now);
    ~CTrayHarness();
    CTrayHarness(const CTrayHarness&) = delete;
    CTrayHarness& operator=(const CTrayHarness&) = delete;

    // False when the tray could not be created; the program's flags start afresh.
    [[nodiscard]] bool Start(const Setup& setup);
    // The tray, the windows, the editor and the calendar ended in the order
    // the program ends them, and the events they leave behind handled.
    void Stop();
    // Stop, and Start again as before.
    [[nodiscard]] bool Restart();

    CTempHome& Home() { return m_home; }
    CTestClock& Clock() { return m_clock; }
    CFakeMessageBox& Box() { return m_box; }
    CFakeAudioBackEnd& Audio() { return m_audio; }
    std::vector<std::string>& Log() { return m_log; }
    CFakeTrayIcon& Icon() { return *m_icon; }
    CTrayWnd& Tray() { return *m_tray; }
    CCalendarData& Data();
    const CCalendarData& Data() const;
    CNoteWindowManager& Windows() { return *m_windows; }
    CEditorCommands& Editor() { return *m_editor; }
    CCalendarRunner& Calendar() { return *m_calendar; }

    // The clock set to when, and the tray's one-second tick run.
    void TickAt(const COleDateTime& when);
    // The first note titled title; with history, only a history copy (1) or
    // only a note that is none (0).
    CNote* FindNote(const std::string& title, std::optional<BOOL> history = std::nullopt) const;

    // Runs then once ready holds, checking every few milliseconds for two
    // seconds (then runs it anyway); the check goes on inside modal loops.
    QTimer* Poll(std::function<bool()> ready, std::function<void()> then);
    // Runs action on the next modal dialog of type Dialog once it is up; it
    // may open only after posted clicks have been handled.
    template <typename Dialog> void WhenShown(std::function<void(Dialog&)> action);
    // Whether the dialog WhenShown waited for came up.
    bool DialogSeen() const { return m_bDialogSeen; }
    // Handles events until done holds, for two seconds at most; true when it does.
    static bool WaitUntil(const std::function<bool()>& done);
    // What the program's event loop does between ticks: windows queue events
    // as they come and go (the window system's expose and geometry events,
    // polish, layout, deferred deletes); left waiting, the queues grow with
    // every alarm.
    static void FlushEvents();

private:
    // The polls' and the waits' limit: two seconds in steps of 5 ms.
    static constexpr int kMaxPolls = 400;
    static constexpr int kPollMs = 5;

    CTempHome m_home;
    CTestClock m_clock;
    CFakeMessageBox m_box;
    CFakeAudioBackEnd m_audio;
    std::vector<std::string> m_log;
    Setup m_setup;
    CFakeTrayIcon* m_icon = nullptr;
    std::unique_ptr<CTrayWnd> m_tray;
    std::unique_ptr<CNoteWindowManager> m_windows;
    std::unique_ptr<CEditorCommands> m_editor;
    std::unique_ptr<CCalendarRunner> m_calendar;
    bool m_bDialogSeen = false;
};

template <typename Dialog> void CTrayHarness::WhenShown(std::function<void(Dialog&)> action) {
    m_bDialogSeen = false;
    const auto dialog = [] { return qobject_cast<Dialog*>(QApplication::activeModalWidget()); };
    Poll([dialog] { return dialog() != nullptr; },
         [this, dialog, action = std::move(action)] {
             Dialog* shown = dialog();
             m_bDialogSeen = shown != nullptr;
             if (shown) action(*shown);
         });
}
