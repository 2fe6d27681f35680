// The data file loader on arbitrary bytes: a file either loads or is turned
// down with CArchiveException. What loaded must save and load again, and the
// calendar must be able to find its next alarm and fill a month from it.

#include "store/CalendarData.h"
#include "store/DataFile.h"
#include "store/NoteOccurrence.h"
#include "zadad/Archive.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

bool Load(const std::uint8_t* bytes, std::size_t size, CCalendarData& data) {
    CArchive ar(bytes, size);
    try {
        CDataFile::Load(ar, data);
    } catch (const CArchiveException&) {
        return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    CCalendarData data;
    if (!Load(bytes, size, data)) return 0;
    data.FindNextAlarm();
    std::vector<std::vector<CNoteOccurrence>> days;
    data.FillGrid(days, 0, COleDateTime(2026, 12, 1, 0, 0, 0), COleDateTime(2026, 12, 31, 0, 0, 0));

    CArchive stored;
    CDataFile::Store(stored, data, data.m_dtFirstSaved, kNow);
    CCalendarData again;
    if (!Load(stored.Buffer().data(), stored.Buffer().size(), again)) std::abort();
    return 0;
}
