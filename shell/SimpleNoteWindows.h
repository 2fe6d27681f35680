#pragma once
// The notes' windows until the real note window takes over: a due reminder
// shows a plain box with the note's title and text, and closing the box
// acknowledges the alarm. Desktop notes and countdowns have no window yet.

#include "reminders/NoteWindows.h"

class CAlarmScheduler;

class CSimpleNoteWindows : public CNoteWindows {
public:
    explicit CSimpleNoteWindows(CAlarmScheduler& scheduler) : m_scheduler(scheduler) {}

    void ShowAlarm(CNote& note) override;
    void UpdateCountdown(CNote&, const COleDateTime&) override {}
    void ShowOnDesktop(CNote&) override {}

private:
    CAlarmScheduler& m_scheduler;
};
