// The one-second tick with 100 notes on the desktop that show a countdown:
// the alarm check and the 100 countdown lines rewritten, then the repaint
// that follows, all on the user-interface thread. And the tick of a large
// store with only a few notes on the desktop, as the program mostly idles.
#include "reminders/AlarmScheduler.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "store/CalendarData.h"
#include "store/OneTimeNote.h"
#include "zadad/Clock.h"
#include "zadad/Utility.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QThread>

#include <memory>
#include <string>

namespace {

// The bench moves time by hand, one second per tick.
class CBenchClock : public CClock {
public:
    COleDateTime Now() const override { return m_now; }
    COleDateTime m_now = COleDateTime(2026, 12, 8, 9, 30, 0);
};

constexpr int kNotes = 100;
constexpr int kLargeStoreNotes = 60000;
constexpr int kLargeStoreWindows = 3;
// In the program the next tick comes a second later, when the display has
// long shown the last one; the repaint bench waits this long, untimed.
constexpr unsigned long kSettleMilliseconds = 30;

// Desktop notes counting down (or not) among notes that stay off the
// desktop, on a clock of the bench's own.
class CDesktop {
public:
    CDesktop(int notes, int onDesktop, bool countdowns)
        : m_scheduler(m_data), m_windows(m_data, m_scheduler) {
        CClock::Install(&m_clock);
        m_scheduler.SetWindows(&m_windows);
        for (int i = 0; i < notes; ++i) {
            const COleDateTime when = m_clock.m_now + COleDateTimeSpan(i % 7, i % 24, i, 0);
            auto note = std::make_unique<COneTimeNote>(kNoteOneTime, "Note " + std::to_string(i),
                                                       "Something to remember", when, 0, 0, 0);
            note->m_bShowCountdown = countdowns;
            CNote* added = m_data.AddNote(std::move(note));
            if (i < onDesktop)
                m_windows.ShowOnDesktop(*added, 40 + (i % 10) * 70, 40 + (i / 10) * 60);
        }
        QCoreApplication::processEvents();
    }
    ~CDesktop() {
        m_data.RemoveAllNotes();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        CClock::Install(nullptr);
    }
    void Tick() {
        m_clock.m_now += CUtility::OneSecond;
        m_scheduler.Tick(m_clock.m_now);
    }

private:
    CBenchClock m_clock;
    CCalendarData m_data;
    CAlarmScheduler m_scheduler;
    CNoteWindowManager m_windows;
};

// The tick alone: the alarm check and the countdown texts (0: 100 notes
// counting down; 1: the same notes without countdowns).
void BM_Tick(benchmark::State& state) {
    CDesktop desktop(kNotes, kNotes, state.range(0) == 0);
    for (auto _ : state)
        desktop.Tick();
}
BENCHMARK(BM_Tick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The tick of a program idling in the tray: 60,000 notes, three of them on
// the desktop counting down.
void BM_TickLargeStore(benchmark::State& state) {
    CDesktop desktop(kLargeStoreNotes, kLargeStoreWindows, true);
    for (auto _ : state)
        desktop.Tick();
}
BENCHMARK(BM_TickLargeStore)->Unit(benchmark::kMicrosecond);

// The tick and the repaint of the 100 countdown lines it causes.
void BM_TickAndRepaint(benchmark::State& state) {
    CDesktop desktop(kNotes, kNotes, true);
    for (auto _ : state) {
        desktop.Tick();
        QCoreApplication::processEvents();
        state.PauseTiming();
        QThread::msleep(kSettleMilliseconds);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TickAndRepaint)->Iterations(100)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
