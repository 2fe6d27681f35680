// Writes a data file of a given size for the start-up measurements:
//   make_note_file COUNT PATH
// 60000 gives the large store of the store benchmarks; any other count that
// many memos and one-time reminders spread over the coming year.
#include "bench/StoreBenchData.h"
#include "store/CalendarData.h"
#include "store/OneTimeNote.h"
#include "zadad/Utility.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void FillSmallStore(CCalendarData& data, int count) {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    for (int i = 0; i < count; ++i) {
        const COleDateTime start = now + CUtility::OneDay * (i * 365 / count + 1);
        const std::string title = "Note " + std::to_string(i + 1);
        if (i % 2 == 0)
            data.AddNote(std::make_unique<CNote>(kNoteMemo, title, "A few words.", start, 0));
        else
            data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, title, "Remember this.",
                                                        start, 0, 0, 1));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s COUNT PATH\n", argv[0]);
        return 2;
    }
    const int count = std::atoi(argv[1]);
    CCalendarData data;
    if (count == kLargeStoreNotes) {
        // The same store every time, made at the benchmarks' fixed instant.
        CBenchClock clock;
        CClock::Install(&clock);
        FillLargeStore(data);
        CClock::Install(nullptr);
    } else {
        FillSmallStore(data, count);
    }
    // Saved now, so that loading it makes no daily backup.
    return data.Save(argv[2]) ? 0 : 1;
}
