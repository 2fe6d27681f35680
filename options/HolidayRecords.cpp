#include "options/HolidayRecords.h"

#include "almanac/HolidayList.h"
#include "almanac/HolidayNote.h"
#include "zadad/Utility.h"

#include <algorithm>

namespace {

constexpr const char* kNewHolidayName = "New Holiday";

bool HasLineEnd(const std::string& line) {
    return !line.empty() && (line.back() == '\n' || line.back() == '\r');
}

} // namespace

CHolidayRecords::CHolidayRecords() = default;

CHolidayRecords::~CHolidayRecords() = default;

void CHolidayRecords::Load() {
    m_lines.clear();
    m_bChanged = false;
    std::string content;
    switch (CHolidayList::ReadFile(content)) {
    case CHolidayList::ReadResult::kRead:
        m_nFile = FileState::kRead;
        break;
    case CHolidayList::ReadResult::kMissing:
        m_nFile = FileState::kMissing;
        break;
    default:
        m_nFile = FileState::kUnreadable;
        break;
    }
    if (m_nFile == FileState::kRead) {
        bool first = true;
        for (std::string& line : CHolidayList::SplitLines(content)) {
            std::unique_ptr<CHolidayNote> holiday = CHolidayList::HolidayOf(line, first);
            m_lines.push_back({std::move(line), std::move(holiday)});
            first = false;
        }
    }
    IndexRows();
}

const CHolidayNote& CHolidayRecords::At(std::size_t row) const {
    return *m_lines[m_rows[row]].m_pHoliday;
}

void CHolidayRecords::IndexRows() {
    m_rows.clear();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].m_pHoliday) m_rows.push_back(i);
    }
}

std::unique_ptr<CHolidayNote> CHolidayRecords::MakeNew() {
    return std::make_unique<CHolidayNote>(kNewHolidayName, "", 1, 1, 1, 0, 1, 1, 1, 1);
}

void CHolidayRecords::Append(std::unique_ptr<CHolidayNote> holiday) {
    if (!holiday) return;
    m_lines.push_back({std::string(), std::move(holiday)});
    m_rows.push_back(m_lines.size() - 1);
    m_bChanged = true;
}

void CHolidayRecords::Remove(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the last row up, so the lines of the rows still to go keep their places.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it < 0 || static_cast<std::size_t>(*it) >= m_rows.size()) continue;
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(m_rows[*it]));
        m_bChanged = true;
    }
    IndexRows();
}

std::string CHolidayRecords::Content() const {
    std::string content;
    for (const Line& line : m_lines) {
        // The last line read may lack a line end; what follows it needs one.
        if (!content.empty() && !HasLineEnd(content)) content += CHolidayList::kLineEnd;
        content += line.m_strRead.empty()
                       ? CHolidayList::FormatLine(*line.m_pHoliday) + CHolidayList::kLineEnd
                       : line.m_strRead;
    }
    return content;
}

bool CHolidayRecords::Rewrite() const {
    if (m_nFile == FileState::kUnreadable) return false;
    if (!m_bChanged) return true;
    if (m_nFile == FileState::kNotRead) return false;
    return CHolidayList::Rewrite(Content()) != 0;
}

std::string CHolidayRecords::FailureText() const {
    if (m_nFile != FileState::kUnreadable) return "Fail to save Holiday.txt";
    std::string path = CHolidayList::kFileName;
    CUtility::FindFile(path);
    return "Fail to save Holiday.txt: " + path + " could not be read, so it was left as it is.";
}
