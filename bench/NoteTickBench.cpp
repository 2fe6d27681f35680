// The one-second tick with 100 notes on the desktop that show a countdown:
// the alarm check, the 100 countdown lines rewritten, and the repaint that
// follows, all on the user-interface thread.
#include "reminders/AlarmScheduler.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "store/CalendarData.h"
#include "store/OneTimeNote.h"
#include "zadad/Clock.h"
#include "zadad/Utility.h"

#include <benchmark/benchmark.h>

#include <QApplication>

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

void BM_TickWithCountdowns(benchmark::State& state) {
    CBenchClock clock;
    CClock::Install(&clock);
    CCalendarData data;
    CAlarmScheduler scheduler(data);
    CNoteWindowManager windows(data, scheduler);
    scheduler.SetWindows(&windows);
    for (int i = 0; i < kNotes; ++i) {
        const COleDateTime when = clock.m_now + COleDateTimeSpan(i % 7, i % 24, i, 0);
        auto note = std::make_unique<COneTimeNote>(kNoteOneTime, "Note " + std::to_string(i),
                                                   "Something to remember", when, 0, 0, 0);
        note->m_bShowCountdown = state.range(0) != 2;
        windows.ShowOnDesktop(*data.AddNote(std::move(note)), 40 + (i % 10) * 70,
                              40 + (i / 10) * 60);
    }
    QCoreApplication::processEvents();
    const bool paint = state.range(0) != 0;
    for (auto _ : state) {
        clock.m_now += CUtility::OneSecond;
        scheduler.Tick(clock.m_now);
        if (paint) QCoreApplication::processEvents();
    }
    data.RemoveAllNotes();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CClock::Install(nullptr);
}
// 0: the tick alone; 1: the tick and the repaint of every countdown line;
// 2: the same windows without countdowns, for what an idle tick costs.
BENCHMARK(BM_TickWithCountdowns)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
