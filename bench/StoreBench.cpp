// Loading, saving and querying a store of 60,000 notes: what the program
// does at start, after the calendar closes, and whenever a view is drawn.

#include "bench/StoreBenchData.h"
#include "store/CalendarData.h"
#include "store/DataFile.h"
#include "zadad/Utility.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// One program directory holding the saved large store, made on first use.
class CLargeStoreFile {
public:
    CLargeStoreFile() {
        CClock::Install(&m_clock);
        qputenv("ORRINDALE_HOME", m_dir.path().toLocal8Bit());
        CCalendarData data;
        FillLargeStore(data);
        data.Save();
    }

    static CLargeStoreFile& Get() {
        static CLargeStoreFile file;
        return file;
    }

private:
    CBenchClock m_clock;
    QTemporaryDir m_dir;
};

// The large store, loaded from its file.
CCalendarData& LoadedStore() {
    CLargeStoreFile::Get();
    static CCalendarData data;
    static const bool loaded = data.Load();
    benchmark::DoNotOptimize(loaded);
    return data;
}

void Load(benchmark::State& state) {
    CLargeStoreFile::Get();
    for (auto _ : state) {
        auto data = std::make_unique<CCalendarData>();
        data->Load();
        state.PauseTiming(); // freeing the notes is not part of loading
        state.counters["notes"] = static_cast<double>(data->m_noteManager.GetCount());
        data.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(Load)->Unit(benchmark::kMillisecond);

// The whole save: the bytes, a temporary file, syncing it to disk, the rename.
void Save(benchmark::State& state) {
    CCalendarData& data = LoadedStore();
    for (auto _ : state)
        benchmark::DoNotOptimize(data.Save());
}
BENCHMARK(Save)->Unit(benchmark::kMillisecond);

// Making the bytes alone, without the file system.
void SaveBytesOnly(benchmark::State& state) {
    CCalendarData& data = LoadedStore();
    const COleDateTime now = COleDateTime::GetCurrentTime();
    for (auto _ : state) {
        std::size_t bytes = 0;
        CDataFile::Store(
            [&bytes](const std::vector<std::uint8_t>& piece) { bytes += piece.size(); }, data, now,
            now);
        state.counters["bytes"] = static_cast<double>(bytes);
    }
}
BENCHMARK(SaveBytesOnly)->Unit(benchmark::kMillisecond);

// The month grid of December 2026 with every occurrence of repeated notes.
void FillGridMonth(benchmark::State& state) {
    CCalendarData& data = LoadedStore();
    data.m_bShowRecurrence = 1;
    const COleDateTime from(2026, 11, 29, 0, 0, 0);
    std::vector<std::vector<CNoteOccurrence>> days;
    for (auto _ : state) {
        data.FillGrid(days, 0, from, from + CUtility::FortyTwoDay);
        std::size_t entries = 0;
        for (const auto& day : days)
            entries += day.size();
        state.counters["entries"] = static_cast<double>(entries);
    }
}
BENCHMARK(FillGridMonth)->Unit(benchmark::kMillisecond);

void GetNotesAllByDate(benchmark::State& state) {
    CCalendarData& data = LoadedStore();
    std::vector<CNote*> notes;
    for (auto _ : state) {
        data.GetNotes(notes, kRangeAll, 0, kSortDateAscending);
        state.counters["notes"] = static_cast<double>(notes.size());
    }
}
BENCHMARK(GetNotesAllByDate)->Unit(benchmark::kMillisecond);

void FindNextAlarm(benchmark::State& state) {
    CCalendarData& data = LoadedStore();
    for (auto _ : state) {
        data.FindNextAlarm();
        benchmark::DoNotOptimize(data.GetNextAlarmID());
    }
}
BENCHMARK(FindNextAlarm)->Unit(benchmark::kMillisecond);

} // namespace
