#include "almanac/HolidayList.h"

#include "almanac/HolidayNote.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "store/NoteManager.h"
#include "store/SafeFile.h"
#include "zadad/TextCodec.h"
#include "zadad/Utility.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

void ShowMessage(const std::string& text, const char* caption, CMessageBox::Icon icon) {
    CMessageBox::Current().Show(text, caption, icon, CMessageBox::kButtonsOk);
}

// One line as the program holds text: UTF-8, without its line end and
// without the byte-order mark a text editor may have put in front of the
// file. Lines that are not UTF-8 come from editors that write Windows-1252.
std::string ToProgramText(std::string line, bool firstLine) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (firstLine && line.rfind(kByteOrderMark, 0) == 0) line.erase(0, 3);
    return textcodec::IsValidUtf8(line) ? line : textcodec::Windows1252ToUtf8(line);
}

// The file has no quoting: a backtick would start a new field and a line
// break a new line.
std::string FieldText(std::string text) {
    for (char& c : text) {
        if (c == '`' || c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

std::string Number(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    return buffer;
}

const char* Flag(BOOL value) {
    return value ? "1" : "0";
}

void ReportHolidaysSkipped() {
    ShowMessage("Holiday.txt lists more holidays than the calendar can hold: only the first " +
                    Number(CNoteManager::kLastHolidayID) +
                    " are shown and the rest of the file was skipped.",
                kCaptionWarning, CMessageBox::kIconWarning);
}

} // namespace

void CHolidayList::Attach(CCalendarData& data) {
    data.SetHolidayLoader([](CNoteManager& manager) { Load(manager); });
}

CHolidayList::AddResult CHolidayList::AddHoliday(CNoteManager& manager,
                                                 std::unique_ptr<CHolidayNote> holiday) {
    if (!holiday) return AddResult::kNotHoliday;
    return manager.Add(std::move(holiday)) ? AddResult::kAdded : AddResult::kNoIDLeft;
}

int CHolidayList::AddLine(CNoteManager& manager, const std::string& line) {
    return AddHoliday(manager, CHolidayNote::FromLine(line)) == AddResult::kAdded ? 1 : 0;
}

CHolidayList::ReadResult CHolidayList::Load(CNoteManager& manager, const std::string& path) {
    std::string content;
    const ReadResult result = ReadFile(content, path);
    if (result == ReadResult::kMissing || result == ReadResult::kCannotOpen) return result;
    bool first = true;
    for (const std::string& line : SplitLines(content)) {
        if (AddHoliday(manager, HolidayOf(line, first)) == AddResult::kNoIDLeft) {
            ReportHolidaysSkipped();
            return result;
        }
        first = false;
    }
    if (result == ReadResult::kReadError)
        ShowMessage("Data Read Error!", kCaptionProgram, CMessageBox::kIconStop);
    return result;
}

CHolidayList::ReadResult CHolidayList::ReadFile(std::string& content, std::string path) {
    content.clear();
    if (!CUtility::FindFile(path)) return ReadResult::kMissing;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return ReadResult::kCannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ReadResult::kCannotOpen;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
    return in.bad() ? ReadResult::kReadError : ReadResult::kRead;
}

std::vector<std::string> CHolidayList::SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < content.size()) {
        std::string::size_type end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = content.size();
        } else {
            // CR LF is one line end; a bare CR or LF ends a line too.
            end += content.compare(end, 2, kLineEnd) == 0 ? 2 : 1;
        }
        lines.push_back(content.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::unique_ptr<CHolidayNote> CHolidayList::HolidayOf(const std::string& line, bool firstLine) {
    return CHolidayNote::FromLine(ToProgramText(line, firstLine));
}

std::string CHolidayList::FormatLine(const CHolidayNote& holiday) {
    const std::string title = FieldText(holiday.m_strTitle);
    const std::string text = FieldText(holiday.m_strText);
    if (holiday.m_nSpecial) return title + "`" + text + "`" + Flag(holiday.m_bActive);
    // The interval is always written as 1, whatever the record holds.
    return "YEAR`" + Number(holiday.m_dtStart.GetMonth()) + "`" +
           Number(holiday.m_dtStart.GetDay()) + "`" + title + "`" + text + "`1`" +
           Flag(holiday.m_bByWeekDay) + "`" + Number(holiday.m_nWeekDay) + "`" +
           Number(holiday.m_nWeekOrdinal) + "`" + Number(holiday.m_nMonth) + "`" +
           Flag(holiday.m_bActive);
}

BOOL CHolidayList::Rewrite(const std::string& content) {
    std::string path = kFileName;
    CUtility::FindFile(path);
    return CSafeFile::Write(path, std::vector<std::uint8_t>(content.begin(), content.end())) ? 1
                                                                                             : 0;
}
