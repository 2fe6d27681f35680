#include "options/CategoryOptions.h"

#include "store/CalendarData.h"

#include <algorithm>

CCategoryOptions CCategoryOptions::FromData(const CCalendarData& data) {
    CCategoryOptions o;
    o.m_nNextCategoryID = data.m_nNextCategoryID;
    data.GetCategories(o.m_arrIDs, o.m_arrNames);
    return o;
}

void CCategoryOptions::ToData(CCalendarData& data) const {
    data.SetCategories(m_arrIDs, m_arrNames);
    // Never below what the list itself holds: an ID is not handed out twice.
    data.m_nNextCategoryID = std::max(data.m_nNextCategoryID, m_nNextCategoryID);
}

std::vector<std::string> CCategoryOptions::ShownNames() const {
    if (m_arrNames.empty()) return {};
    return {m_arrNames.begin() + 1, m_arrNames.end()};
}

bool CCategoryOptions::Add(const std::string& name) {
    if (name.empty()) return false;
    m_arrIDs.push_back(static_cast<unsigned>(m_nNextCategoryID));
    m_arrNames.push_back(name);
    ++m_nNextCategoryID;
    return true;
}

void CCategoryOptions::Remove(std::vector<int> shownIndices) {
    std::sort(shownIndices.begin(), shownIndices.end());
    shownIndices.erase(std::unique(shownIndices.begin(), shownIndices.end()), shownIndices.end());
    // From the back, so the places still to remove do not move.
    for (auto it = shownIndices.rbegin(); it != shownIndices.rend(); ++it) {
        const std::size_t index = static_cast<std::size_t>(*it) + 1;
        if (*it < 0 || index >= m_arrIDs.size() || index >= m_arrNames.size()) continue;
        m_arrIDs.erase(m_arrIDs.begin() + static_cast<std::ptrdiff_t>(index));
        m_arrNames.erase(m_arrNames.begin() + static_cast<std::ptrdiff_t>(index));
    }
}
