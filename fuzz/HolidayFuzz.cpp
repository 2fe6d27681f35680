// "Holiday.txt" on arbitrary bytes, read from a real file as the program
// reads it. Every holiday read must write back to a line that reads again,
// and the calendar must be able to place the holidays in a month.

#include "almanac/HolidayList.h"
#include "almanac/HolidayNote.h"
#include "store/NoteManager.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The file each input is written to, removed when the run ends.
struct CScratchFile {
    CScratchFile() {
        const char* dir = std::getenv("TMPDIR");
        path = std::string(dir && *dir ? dir : "/tmp") + "/orrindale-fuzz-holiday-" +
               std::to_string(getpid()) + ".txt";
    }
    ~CScratchFile() { std::remove(path.c_str()); }
    std::string path;
};

const std::string& FilePath() {
    static const CScratchFile file;
    return file.path;
}

void WriteFile(const std::uint8_t* bytes, std::size_t size) {
    std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

void CheckWritesBack(const CHolidayNote& holiday) {
    if (!CHolidayNote::FromLine(CHolidayList::FormatLine(holiday))) std::abort();
    holiday.GetNextOccurrence(COleDateTime(2026, 12, 8, 0, 0, 0), 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    WriteFile(bytes, size);
    CNoteManager manager;
    CHolidayList::Load(manager, FilePath());
    for (int id = 1; id <= CNoteManager::kLastHolidayID; ++id) {
        const CNote* note = manager.Lookup(static_cast<WORD>(id));
        if (const CHolidayNote* holiday = note ? AsHoliday(*note) : nullptr)
            CheckWritesBack(*holiday);
    }
    std::vector<std::vector<CNoteOccurrence>> days;
    manager.FillGrid(days, 0, COleDateTime(2028, 2, 1, 0, 0, 0), COleDateTime(2028, 3, 31, 0, 0, 0),
                     0);
    return 0;
}
