#pragma once
// The holidays of the "Holiday" page: "Holiday.txt" as the page holds it,
// line by line, with a list row for every line that is a holiday. The page
// only removes rows and adds holidays, so when the sheet is confirmed every
// line it did not remove goes back exactly as it was read, comments and
// lines the calendar cannot use included, and the holidays added follow
// them. A file that could not be read is never replaced.

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

    // Reads "Holiday.txt" as the program reads it. The list stays empty
    // when there is no file or it cannot be read.
    void Load();
    // The page was filled from the file.
    bool IsLoaded() const { return m_nFile == FileState::kRead; }

    // The list rows: the holidays among the lines, in file order.
    std::size_t Count() const { return m_rows.size(); }
    const CHolidayNote& At(std::size_t row) const;

    // The record "Add" starts from: "New Holiday" on 1 January, not on a weekday rule.
    static std::unique_ptr<CHolidayNote> MakeNew();
    void Append(std::unique_ptr<CHolidayNote> holiday);
    // Removes the lines of these rows (any order; rows that do not exist are ignored).
    void Remove(std::vector<int> rows);

    // Writes the file when the list was changed. False when it could not be
    // written, or could not be read when the page opened; it is then left as
    // it is, and FailureText() says why.
    bool Rewrite() const;
    std::string FailureText() const;

private:
    enum class FileState { kNotRead, kMissing, kRead, kUnreadable };
    // One line of the file: the bytes read, line end included, and the
    // holiday they hold, if any. A holiday the user added has no bytes yet.
    struct Line {
        std::string m_strRead;
        std::unique_ptr<CHolidayNote> m_pHoliday;
    };

    void IndexRows();
    std::string Content() const;

    std::vector<Line> m_lines;
    std::vector<std::size_t> m_rows; // the line of each list row
    FileState m_nFile = FileState::kNotRead;
    bool m_bChanged = false;
};
