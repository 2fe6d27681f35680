#pragma once
// The values of the "Categories" page: copies of the category IDs and names
// (position 0, "All", included but never shown) and the next free ID. The
// program's categories change only when the whole sheet is confirmed.

#include <string>
#include <vector>

class CCalendarData;

class CCategoryOptions {
public:
    static CCategoryOptions FromData(const CCalendarData& data);
    void ToData(CCalendarData& data) const;

    // The names the page lists: every category after the first.
    std::vector<std::string> ShownNames() const;
    // Appends a category under the next ID, the name as typed. False, with
    // nothing changed, for an empty name.
    bool Add(const std::string& name);
    // Removes the categories at these places of the shown list (any order;
    // places that do not exist are ignored).
    void Remove(std::vector<int> shownIndices);

    int m_nNextCategoryID = 5;
    std::vector<unsigned> m_arrIDs;
    std::vector<std::string> m_arrNames;
};
