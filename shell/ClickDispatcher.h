#pragma once
// Turns the tray icon's mouse events into commands. A single click waits for
// the double-click time, so that a double-click never opens the calendar as
// well. A click or a Ctrl-click opens the calendar, a Shift-click or a
// double-click creates a new note. While the tray is busy a click brings the
// calendar window forward instead; a click still waiting when the tray gets
// busy is delivered once it is idle again.
//
// The icon reports the first press of a double-click as a click and the second
// as a double-click; nothing follows the double-click.

class CClickDispatcher {
public:
    // The keys held down during a click, as flags.
    enum Modifier : int { kNoModifier = 0, kShift = 0x0004, kControl = 0x0008 };

    // What the dispatcher drives. Post... run the action later, from the
    // event loop, so that a modal window never opens inside an icon event.
    class Target {
    public:
        virtual ~Target() = default;
        virtual int GetTrayState() const = 0;
        virtual void StartClickTimer() = 0; // repeats every double-click time
        virtual void StopClickTimer() = 0;
        virtual void PostClick(int modifier) = 0; // comes back as Click(modifier)
        virtual void PostMenu() = 0;              // comes back as Menu()
        virtual void BringCalendarToFront() = 0;
        virtual void NewNote() = 0;
        virtual void OpenCalendar() = 0;
        virtual void ShowMenu() = 0;
    };

    explicit CClickDispatcher(Target& target) : m_target(target) {}

    // Events of the icon.
    void IconClicked(int modifier);
    void IconDoubleClicked();
    void IconRightClicked();
    // The double-click time has passed (again) since a click.
    void ClickTimer();

    // The posted actions arriving.
    void Click(int modifier);
    void Menu();

    bool IsClickPending() const { return m_bClickPending; }

private:
    bool IsIdle() const;

    Target& m_target;
    bool m_bClickPending = false;
    int m_nPendingClick = kNoModifier;
};
