// Opening the calendar window over a store of 60,000 notes, from nothing to
// its first complete paint (frame, toolbar, month title, almanac line and
// the month or week of the calendar with its notes), in month and in week
// mode; and the frame alone, painted again whenever the window changes size.
#include "bench/StoreBenchData.h"
#include "store/CalendarData.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/FramePainter.h"
#include "views/MainWnd.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The store of 60,000 notes, made once before the benchmarks run.
CCalendarData* s_pStore = nullptr;

void BM_OpenToFirstPaint(benchmark::State& state) {
    CCalendarData& data = *s_pStore;
    data.m_bMonthView = static_cast<BOOL>(state.range(0));
    CRecordingCalendarActions actions(data);
    for (auto _ : state) {
        auto window = std::make_unique<CMainWnd>(data, actions);
        window->show();
        window->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel(state.range(0) ? "month" : "week");
}
BENCHMARK(BM_OpenToFirstPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_PaintFrame(benchmark::State& state) {
    CRecordingCalendarActions actions(*s_pStore);
    const CMainWnd window(*s_pStore, actions);
    CFrameLook look;
    CPicture windowTexture, toolbarTexture;
    windowTexture.Load(153u);
    toolbarTexture.Load(152u);
    look.windowTexture = &windowTexture;
    look.toolbarTexture = &toolbarTexture;
    look.labelFont = window.font();
    for (auto _ : state)
        benchmark::DoNotOptimize(CFramePainter::PaintFrame(window.size(), window.Layout(), look));
}
BENCHMARK(BM_PaintFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The store is made at the benchmarks' fixed instant, and the window opens on that day.
    CBenchClock clock;
    CClock::Install(&clock);
    CCalendarData store;
    FillLargeStore(store);
    s_pStore = &store;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CClock::Install(nullptr);
    return 0;
}
