// Switching months in the calendar pane over a store of 60,000 notes: the
// occurrence query, the day cells with their items and moon marks, and a
// paint of the whole grid into an off-screen image, as one step of the
// navigation arrows.
#include "bench/StoreBenchData.h"
#include "store/CalendarData.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/CalendarPane.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

CCalendarData& LargeStore() {
    static CCalendarData* data = [] {
        auto* made = new CCalendarData;
        FillLargeStore(*made);
        return made;
    }();
    return *data;
}

// A pane over the large store, showing December 2026 in the month (or week)
// grid with every occurrence of repeated notes.
class CPaneRig {
public:
    explicit CPaneRig(bool month) : m_actions(Store(month)), m_pane(LargeStore(), m_actions) {
        m_pane.resize(900, 600);
    }
    CalendarPane& Pane() { return m_pane; }
    void Paint() {
        QPainter painter(&m_image);
        m_pane.DrawGrid(painter, m_pane.rect(), false);
    }

private:
    static CCalendarData& Store(bool month) {
        CCalendarData& data = LargeStore();
        data.m_bMonthView = month ? 1 : 0;
        data.m_bShowRecurrence = 1;
        return data;
    }

    CRecordingCalendarActions m_actions;
    CalendarPane m_pane;
    QImage m_image{900, 600, QImage::Format_RGB32};
};

void SwitchMonth(benchmark::State& state) {
    CPaneRig rig(state.range(0) != 0);
    int step = +1;
    for (auto _ : state) {
        rig.Pane().Move(step);
        step = -step;
        rig.Paint();
    }
}
// Argument 1: month grid; 0: week grid.
BENCHMARK(SwitchMonth)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The parts of a month switch on their own: the store's query for the 42
// days, the pane's move without painting, and a paint of an unchanged grid.
void MonthQuery(benchmark::State& state) {
    CCalendarData& data = LargeStore();
    data.m_bShowRecurrence = 1;
    std::vector<std::vector<CNoteOccurrence>> days;
    const COleDateTime from(2026, 11, 29, 0, 0, 0);
    for (auto _ : state)
        data.FillGrid(days, 0, from, from + COleDateTimeSpan(42.0));
}
BENCHMARK(MonthQuery)->Unit(benchmark::kMillisecond);

void MoveOnly(benchmark::State& state) {
    CPaneRig rig(true);
    int step = +1;
    for (auto _ : state) {
        rig.Pane().Move(step);
        step = -step;
    }
}
BENCHMARK(MoveOnly)->Unit(benchmark::kMillisecond);

void PaintOnly(benchmark::State& state) {
    CPaneRig rig(true);
    for (auto _ : state)
        rig.Paint();
}
BENCHMARK(PaintOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CBenchClock clock;
    CClock::Install(&clock);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CClock::Install(nullptr);
    return 0;
}
