#pragma once
// When reminders fall due and what acknowledging them does to the note. The
// one-second tick calls Tick; the alarm window calls the acknowledge, snooze
// and delete operations. Every change to the notes is reported through the
// change handler, so the caller can redraw and save.

#include "zadad/OleDateTime.h"
#include "zadad/WinTypes.h"

#include <functional>
#include <vector>

class CCalendarData;
class CNote;
class CNoteWindows;
class COneTimeNote;
class CRecurringNote;

class CAlarmScheduler {
public:
    // A long absence can leave thousands of reminders overdue. Opening a
    // window for each at once would freeze the program for minutes and eat
    // gigabytes, so they come a few per tick, and no more ring together than
    // anyone could answer; the rest ring as earlier ones are acknowledged.
    static constexpr int kMaxRingsPerTick = 10;
    static constexpr int kMaxRingingAtOnce = 50;

    explicit CAlarmScheduler(CCalendarData& data) : m_data(data) {}

    // The windows that ring and count down (not owned). Without them a due
    // note is only marked as ringing.
    void SetWindows(CNoteWindows* windows) { m_pWindows = windows; }
    void SetChangeHandler(std::function<void()> handler) { m_onChanged = std::move(handler); }

    // One tick: CheckAlarms, then UpdateCountdowns.
    void Tick(const COleDateTime& now);
    // Rings every note whose alarm time lies strictly before now. Waits while
    // a note editor or the options sheet is open.
    void CheckAlarms(const COleDateTime& now);
    // The countdown lines of the notes on the desktop that show one; only
    // the notes with a window are looked at.
    void UpdateCountdowns(const COleDateTime& now);

    // "OK" with "Remind me again after" ticked: rings again after the given
    // time. False, and nothing changed, when the time is out of range.
    bool Snooze(WORD id, int hours, int minutes);
    // "OK" without snooze: a one-time note retires (kept as history when the
    // option is on), a recurring one moves on to its next occurrence or, at
    // the end of its series, retires too.
    void Acknowledge(WORD id);
    // "Delete" from the note's window: gone without a history copy.
    void Delete(WORD id);

private:
    bool IsPaused() const;
    // The notes whose alarm lies strictly before now, earliest first, and
    // how many are ringing already.
    struct DueList {
        std::vector<WORD> ids;
        int ringing = 0;
    };
    DueList DueNotes(const COleDateTime& now) const;
    // The note with this ID when it can carry an alarm (one-time or recurring).
    COneTimeNote* TimedNote(WORD id) const;
    void Ring(CNote& note);
    void AcknowledgeRecurring(CRecurringNote& note);
    // The end every alarm shares: the note stops ringing, then CloseAlarm.
    void EndAlarm(CNote& note, const COleDateTime& when, bool deleteNote, bool keepHistory);
    void NotifyChanged();

    CCalendarData& m_data;
    CNoteWindows* m_pWindows = nullptr;
    std::function<void()> m_onChanged;
    // The window may run an event loop while it opens; a tick arriving then
    // must not start a second round.
    bool m_bChecking = false;
};
