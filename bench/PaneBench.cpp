// Switching months in the calendar pane over a store of 60,000 notes: the
// occurrence query, the day cells with their items and moon marks, and a
// paint of the whole grid into an off-screen image, as one step of the
// navigation arrows.
#include "bench/StoreBenchData.h"
#include "store/CalendarData.h"
#include "views/CalendarActions.h"
#include "views/CalendarPane.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// The pane asks nothing of the program while it only moves and paints.
class CNoActions : public CCalendarActions {
public:
    bool EditNote(CNote*, const COleDateTime&, QWidget*) override { return false; }
    void ShowNotesAt(const std::vector<CNote*>&, const QPoint&) override {}
    void NotesChanged() override {}
    bool RunOptions(QWidget*) override { return false; }
    void OpenHelp() override {}
    void OpenHomePage() override {}
};

CCalendarData& LargeStore() {
    static CCalendarData* data = [] {
        auto* made = new CCalendarData;
        FillLargeStore(*made);
        return made;
    }();
    return *data;
}

void SwitchMonth(benchmark::State& state) {
    CCalendarData& data = LargeStore();
    data.m_bMonthView = static_cast<BOOL>(state.range(0));
    data.m_bShowRecurrence = 1;
    CNoActions actions;
    CalendarPane pane(data, actions);
    pane.resize(900, 600);
    QImage image(pane.size(), QImage::Format_RGB32);
    int step = +1;
    for (auto _ : state) {
        pane.Move(step);
        step = -step;
        QPainter painter(&image);
        pane.DrawGrid(painter, pane.rect(), false);
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
    CCalendarData& data = LargeStore();
    data.m_bMonthView = 1;
    data.m_bShowRecurrence = 1;
    CNoActions actions;
    CalendarPane pane(data, actions);
    pane.resize(900, 600);
    int step = +1;
    for (auto _ : state) {
        pane.Move(step);
        step = -step;
    }
}
BENCHMARK(MoveOnly)->Unit(benchmark::kMillisecond);

void PaintOnly(benchmark::State& state) {
    CCalendarData& data = LargeStore();
    data.m_bMonthView = 1;
    data.m_bShowRecurrence = 1;
    CNoActions actions;
    CalendarPane pane(data, actions);
    pane.resize(900, 600);
    QImage image(pane.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        pane.DrawGrid(painter, pane.rect(), false);
    }
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
