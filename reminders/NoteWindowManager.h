#pragma once
// The notes' own windows: opens a note's window when its alarm is due or when
// it is put on the desktop, rewrites the countdown lines on the tick, and
// gives the windows what they need of the rest of the program (the data, the
// alarm flows, the note editor, the news that notes changed, the listener to
// alarms starting and ending). The answers of a desktop notification reach
// the ringing window through here.

#include "reminders/AlarmNotifier.h"
#include "reminders/NoteWindows.h"

#include <QPointer>
#include <QRect>

#include <functional>
#include <vector>

class CAlarmScheduler;
class CCalendarData;
class CNoteWnd;
class QWidget;

class CNoteWindowManager : public CNoteWindows, public CAlarmNotifier::Answers {
public:
    // Opens the note editor on the note with the window as parent. True when
    // the editor replaced the note (the window then looks it up again by ID).
    using PropertiesRunner = std::function<bool(CNote& note, QWidget* parent)>;

    CNoteWindowManager(CCalendarData& data, CAlarmScheduler& scheduler);

    void ShowAlarm(CNote& note) override;
    void UpdateCountdown(CNote& note, const COleDateTime& now) override;
    std::vector<CNote*> NotesWithWindows() override;
    // At the note's saved place.
    void ShowOnDesktop(CNote& note) override;
    // Centred on x, just below y (-1, -1: the saved place).
    void ShowOnDesktop(CNote& note, int x, int y);
    // Notes dropped together at (x, y), holidays left out: one under the
    // other, in columns when they reach the bottom of the screen.
    void ShowNotesAt(const std::vector<CNote*>& notes, int x, int y);

    // The note's window, if it has one of this kind.
    static CNoteWnd* WindowOf(const CNote& note);

    CCalendarData& Data() { return m_data; }
    CAlarmScheduler& Scheduler() { return m_scheduler; }

    // The notes changed through a window (moved, edited, closed): the views
    // redraw and the data is saved.
    void SetChangeHandler(std::function<void()> handler) { m_onChanged = std::move(handler); }
    void NotesChanged() const;

    // Hears of every alarm that starts or ends (not owned; nullptr for none).
    void SetAlarmListener(CAlarmListener* listener) { m_pAlarmListener = listener; }
    void AlarmStarted(const CNote& note) const;
    void AlarmEnded(WORD id) const;
    // CAlarmNotifier::Answers: the note's window answers as its "OK" does.
    // Nothing happens unless the note is there and its window rings.
    void AcknowledgeAlarm(WORD id) override;
    void SnoozeAlarm(WORD id, int hours, int minutes) override;

    void SetPropertiesRunner(PropertiesRunner runner) { m_runProperties = std::move(runner); }
    bool HasProperties() const { return static_cast<bool>(m_runProperties); }
    bool RunProperties(CNote& note, QWidget* parent) const;

    // The primary screen, where new windows go, and the whole desktop, which
    // a saved window must still touch.
    static QRect ScreenRect();
    static QRect DesktopRect();

private:
    // A window just opened, from now on among the manager's.
    CNoteWnd* Track(CNoteWnd* window);
    CNoteWnd* WindowOf(WORD id) const;

    CCalendarData& m_data;
    CAlarmScheduler& m_scheduler;
    std::function<void()> m_onChanged;
    PropertiesRunner m_runProperties;
    CAlarmListener* m_pAlarmListener = nullptr;
    // The windows opened so far; a window that deleted itself reads null and
    // is dropped on the next look.
    std::vector<QPointer<CNoteWnd>> m_windows;
};
