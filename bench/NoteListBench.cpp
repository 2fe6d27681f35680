// The notes list over a store of 60,000 notes: listing a period again (as
// after every change of notes), by each period, and sorting all notes by
// title, each to its first paint.
#include "bench/StoreBenchData.h"
#include "store/CalendarData.h"
#include "store/NoteManager.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/NoteList.h"
#include "views/NoteListRows.h"
#include "views/NoteListWnd.h"
#include "views/SortHeaderCtrl.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The clock stands at the benchmarks' fixed instant while they run, and the
// store of 60,000 notes is made once, on first use.
const CBenchClock s_clock;

CCalendarData& Store() {
    static const std::unique_ptr<CCalendarData> store = [] {
        CClock::Install(&s_clock);
        auto data = std::make_unique<CCalendarData>();
        FillLargeStore(*data);
        return data;
    }();
    return *store;
}

void BM_Refill(benchmark::State& state) {
    CRecordingCalendarActions actions(Store());
    Store().m_nListFilter = static_cast<int>(state.range(0));
    CNoteListWnd wnd(Store(), actions);
    wnd.resize(800, 500);
    wnd.show();
    for (auto _ : state) {
        wnd.Refill();
        wnd.repaint();
    }
    state.counters["rows"] = wnd.List().RowCount();
}
BENCHMARK(BM_Refill)
    ->Arg(kRangeToday)
    ->Arg(kRangeWeek)
    ->Arg(kRangeMonth)
    ->Arg(kRangeAll)
    ->Unit(benchmark::kMillisecond);

void BM_SortAllByTitle(benchmark::State& state) {
    CRecordingCalendarActions actions(Store());
    Store().m_nListFilter = kRangeAll;
    CNoteListWnd wnd(Store(), actions);
    wnd.resize(800, 500);
    wnd.show();
    for (auto _ : state) {
        emit wnd.List().Header().sectionClicked(kColumnNote);
        wnd.repaint();
    }
}
BENCHMARK(BM_SortAllByTitle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
