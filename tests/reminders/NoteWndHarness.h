#pragma once
// What the note window tests share: the data with its alarm flows and the
// window layer, a test clock, the fake sound and message box, and helpers to
// make notes, run the one-second tick and find the windows.

#include "reminders/AlarmScheduler.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/FakeAudioBackEnd.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include <memory>

class NoteWndTest : public ::testing::Test {
protected:
    NoteWndTest() : m_scheduler(m_data), m_windows(m_data, m_scheduler) {
        m_scheduler.SetWindows(&m_windows);
        m_data.m_nStopAlarmSeconds = 0;
        m_data.m_nAlarmSound = CAlarmSignal::kSpeaker;
    }
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override {
        m_data.RemoveAllNotes(); // every window goes with its note
        Flush();
        ResetProgramFlags();
    }

    static void Flush() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    COleDateTime Now() const { return m_clock.Now(); }

    // Focus moves only within the active window.
    static void Activate(QWidget* window) {
        QApplication::setActiveWindow(window);
        QCoreApplication::processEvents();
    }

    // A one-time note with a reminder that falls due at `alarm`.
    COneTimeNote* AddOneTime(const std::string& title, const COleDateTime& alarm) {
        auto note =
            std::make_unique<COneTimeNote>(kNoteOneTime, title, "Bring the card", alarm, 0, 0, 1);
        return static_cast<COneTimeNote*>(m_data.AddNote(std::move(note)));
    }

    // A daily note with a reminder whose first occurrence is `first`.
    CRecurringNote* AddDaily(const std::string& title, const COleDateTime& first) {
        auto note = std::make_unique<CRecurringNote>(title, "Water the plants", first, 0,
                                                     kRepeatDay, 1, 0, 0, 1, 1, 1, 1);
        return static_cast<CRecurringNote*>(m_data.AddNote(std::move(note)));
    }

    CNote* AddMemo(const std::string& title) {
        return m_data.AddNote(
            std::make_unique<CNote>(kNoteMemo, title, "Just a thought", Now(), 0));
    }

    // One second passes and the tray's tick runs.
    void Tick() {
        m_clock.Advance(CUtility::OneSecond);
        m_scheduler.Tick(Now());
        Flush();
    }

    static CNoteWnd* WindowOf(const CNote* note) {
        return note ? CNoteWindowManager::WindowOf(*note) : nullptr;
    }

    int HistoryCopies() const {
        int count = 0;
        for (const auto& entry : m_data.m_noteManager.Notes())
            if (entry.second->m_bHistory) ++count;
        return count;
    }

    CTempHome m_home;
    CTestClock m_clock;
    CFakeAudioBackEnd m_audio;
    CFakeMessageBox m_box;
    CCalendarData m_data;
    CAlarmScheduler m_scheduler;
    CNoteWindowManager m_windows;
};
