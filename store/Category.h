#pragma once
// CCategory: one entry of the category list, an ID and a name. Notes carry
// the ID; ID 0 stands for "no category" on a note and for "All" in a filter.

#include <string>

class CArchive;

class CCategory {
public:
    CCategory() = default;
    CCategory(int id, const std::string& name) : m_nID(id), m_strName(name) {}

    // The 4-byte ID, then the name.
    void Serialize(CArchive& ar);

    bool operator==(const CCategory&) const = default;

    int m_nID = 0;
    std::string m_strName;
};
