// How long the almanac's work takes: the moon phases of one month grid, the
// sun times of one day, and reading a holiday file of the largest size the
// program accepts.

#include "almanac/AlmanacLine.h"
#include "almanac/HolidayList.h"
#include "almanac/MoonPhase.h"
#include "store/NoteManager.h"
#include "zadad/Utility.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The phases a 42-day month grid marks, found the way the grid walks them.
void BM_MoonPhasesOfAMonthGrid(benchmark::State& state) {
    const CMoonPhase moon;
    const COleDateTime first(2026, 11, 29, 0, 0, 0);
    const COleDateTime end = first + CUtility::FortyTwoDay;
    for (auto _ : state) {
        int marked = 0;
        for (COleDateTime day = first; day < end;) {
            COleDateTime next;
            int phase = 0;
            moon.NextPhase(day, next, phase);
            if (next.GetStatus() != COleDateTime::valid || !(next < end)) break;
            ++marked;
            day = next + CUtility::OneDay;
        }
        benchmark::DoNotOptimize(marked);
    }
}
BENCHMARK(BM_MoonPhasesOfAMonthGrid);

void BM_AlmanacLineOfOneDay(benchmark::State& state) {
    const AlmanacLocation newYork{{40, 43, 0}, {74, 1, 0}, -5.0, 0};
    const COleDateTime day(2026, 6, 21, 0, 0, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeAlmanacLine(day, newYork, "%#H:%M"));
}
BENCHMARK(BM_AlmanacLineOfOneDay);

// A holiday file of 599 lines, the most the calendar holds, read into an
// empty note manager as every load of the data file does.
void BM_LoadFullHolidayFile(benchmark::State& state) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / "orrindale-almanac-bench";
    std::filesystem::create_directories(home);
    setenv("ORRINDALE_HOME", home.c_str(), 1);
    {
        std::ofstream out(home / "Holiday.txt", std::ios::binary);
        for (int i = 0; i < CNoteManager::kLastHolidayID; ++i) {
            out << (i % 3 == 0 ? "EASTER`Easter Sunday`1\r\n"
                               : "YEAR`11`1`Thanksgiving``1`1`5`4`11`1\r\n");
        }
    }
    for (auto _ : state) {
        CNoteManager manager;
        CHolidayList::Load(manager);
        benchmark::DoNotOptimize(manager.GetCount());
    }
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_LoadFullHolidayFile)->Unit(benchmark::kMillisecond);

} // namespace
