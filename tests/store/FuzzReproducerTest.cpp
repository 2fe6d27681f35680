// Data files the fuzzer found faults with (tests/data/fuzz/data_file): each
// either loads or is turned down as damaged, and what loads keeps to dates a
// date can hold, fills a month of the calendar with occurrences on their own
// days, and saves to a file that loads again.

#include "store/CalendarData.h"
#include "store/DataFile.h"
#include "store/NoteCasts.h"
#include "tests/support/FuzzReproducers.h"
#include "tests/support/TestClock.h"
#include "zadad/Archive.h"

#include <gtest/gtest.h>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);
const COleDateTime kMonth(2026, 12, 1, 0, 0, 0);

bool Load(const std::vector<std::uint8_t>& bytes, CCalendarData& data) {
    CArchive ar(bytes);
    try {
        CDataFile::Load(ar, data);
    } catch (const CArchiveException&) {
        return false;
    }
    return true;
}

// A date marked valid is a day of the calendar's years 100 to 9999.
bool Holdable(const COleDateTime& date) {
    return date.GetStatus() != COleDateTime::valid || date.GetYear() != -1;
}

// Every date a note keeps, as far as its kind has them.
std::vector<COleDateTime> DatesOf(const CNote& note) {
    std::vector<COleDateTime> dates = {note.m_dtStart, note.m_dtEnd};
    if (const COneTimeNote* timed = AsOneTime(note)) {
        dates.push_back(timed->m_dtOccurrence);
        dates.push_back(timed->m_dtAlarm);
    }
    if (const CRecurringNote* repeated = AsRecurring(note))
        dates.push_back(repeated->m_dtLastOccurrence);
    return dates;
}

void ExpectOccurrencesOnTheirDays(const CCalendarData& data) {
    std::vector<std::vector<CNoteOccurrence>> days;
    data.FillGrid(days, 0, kMonth, COleDateTime(2026, 12, 31, 0, 0, 0));
    for (std::size_t i = 0; i < days.size(); ++i)
        for (const CNoteOccurrence& occ : days[i]) {
            EXPECT_EQ(occ.m_dtTime.GetStatus(), COleDateTime::valid);
            EXPECT_EQ(occ.m_dtTime.GetDay(), static_cast<int>(i) + 1);
        }
}

TEST(FuzzReproducers, DataFilesLoadSoundlyOrNotAtAll) {
    CTestClock clock(kNow);
    for (const auto& [name, bytes] : FuzzReproducers("data_file")) {
        SCOPED_TRACE(name);
        CCalendarData data;
        if (!Load(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), data)) continue;
        for (const auto& note : data.m_noteManager.Notes())
            for (const COleDateTime& date : DatesOf(*note.second))
                EXPECT_TRUE(Holdable(date)) << date.m_dt;
        data.FindNextAlarm();
        ExpectOccurrencesOnTheirDays(data);
        CArchive stored;
        CDataFile::Store(stored, data, data.m_dtFirstSaved, kNow);
        CCalendarData again;
        EXPECT_TRUE(Load(stored.Buffer(), again));
    }
}

} // namespace
