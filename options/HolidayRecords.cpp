#include "options/HolidayRecords.h"

#include "almanac/HolidayList.h"
#include "almanac/HolidayNote.h"
#include "store/NoteManager.h"
#include "zadad/Utility.h"

#include <algorithm>
#include <fstream>

namespace {

constexpr const char* kNewHolidayName = "New Holiday";

} // namespace

CHolidayRecords::CHolidayRecords() = default;

CHolidayRecords::~CHolidayRecords() = default;

void CHolidayRecords::Load() {
    m_records.clear();
    std::string path = CHolidayList::kFileName;
    if (!CUtility::FindFile(path) || !std::ifstream(path, std::ios::binary)) return;
    // Read exactly as the program reads it, then copied out of a scratch
    // store: its IDs follow the lines, so the map order is the file order.
    CNoteManager scratch;
    CHolidayList::Load(scratch);
    for (const auto& [id, note] : scratch.Notes()) {
        if (const CHolidayNote* holiday = AsHoliday(*note))
            m_records.push_back(std::make_unique<CHolidayNote>(*holiday));
    }
    m_bLoaded = true;
}

std::unique_ptr<CHolidayNote> CHolidayRecords::MakeNew() {
    return std::make_unique<CHolidayNote>(kNewHolidayName, "", 1, 1, 1, 0, 1, 1, 1, 1);
}

void CHolidayRecords::Append(std::unique_ptr<CHolidayNote> holiday) {
    if (!holiday) return;
    m_records.push_back(std::move(holiday));
    m_bChanged = true;
}

void CHolidayRecords::Remove(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it < 0 || static_cast<std::size_t>(*it) >= m_records.size()) continue;
        m_records.erase(m_records.begin() + *it);
        m_bChanged = true;
    }
}

bool CHolidayRecords::Rewrite() const {
    if (!ShouldRewrite()) return true;
    std::vector<const CHolidayNote*> holidays;
    holidays.reserve(m_records.size());
    for (const auto& record : m_records)
        holidays.push_back(record.get());
    return CHolidayList::Rewrite(holidays) != 0;
}
