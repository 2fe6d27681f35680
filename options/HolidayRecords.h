#pragma once
// The holidays of the "Holiday" page: the page's own copies of the records
// of "Holiday.txt", one per list row in the same order. The file is
// rewritten from them when the sheet is confirmed, and only when the page
// read the file or the user changed the list.

#include <memory>
#include <string>
#include <vector>

class CHolidayNote;

class CHolidayRecords {
public:
    CHolidayRecords();
    ~CHolidayRecords();
    CHolidayRecords(const CHolidayRecords&) = delete;
    CHolidayRecords& operator=(const CHolidayRecords&) = delete;

    // Reads "Holiday.txt" as the program loads it. Without a readable file
    // the list stays empty and the file is not rewritten unless the user adds
    // holidays: an unreadable file must never be replaced by an empty one.
    void Load();
    // The page was filled from the file.
    bool IsLoaded() const { return m_bLoaded; }
    // Whether OK should rewrite the file.
    bool ShouldRewrite() const { return m_bLoaded || m_bChanged; }

    std::size_t Count() const { return m_records.size(); }
    const CHolidayNote& At(std::size_t row) const { return *m_records[row]; }

    // The record "Add" starts from: "New Holiday" on 1 January, not on a weekday rule.
    static std::unique_ptr<CHolidayNote> MakeNew();
    void Append(std::unique_ptr<CHolidayNote> holiday);
    // Removes the records of these rows (any order; rows that do not exist are ignored).
    void Remove(std::vector<int> rows);

    // Writes the file when ShouldRewrite(); false when it could not be written.
    bool Rewrite() const;

private:
    std::vector<std::unique_ptr<CHolidayNote>> m_records;
    bool m_bLoaded = false;
    bool m_bChanged = false;
};
