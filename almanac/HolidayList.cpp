#include "almanac/HolidayList.h"

#include "almanac/HolidayNote.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "store/NoteManager.h"
#include "store/SafeFile.h"
#include "zadad/TextCodec.h"
#include "zadad/Utility.h"

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";

void ShowMessage(const std::string& text, const char* caption, CMessageBox::Icon icon) {
    CMessageBox::Current().Show(text, caption, icon, CMessageBox::kButtonsOk);
}

// One line as the program holds text: UTF-8, without the byte-order mark a
// text editor may have put in front of the file. Lines that are not UTF-8
// come from editors that write Windows-1252.
std::string ToProgramText(std::string line, bool firstLine) {
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

// The lines of one LF-ended piece of the file: a bare CR ends a line too, so
// CR LF files and old CR-only files both split right.
std::vector<std::string> SplitAtCarriageReturns(const std::string& piece) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = piece.find('\r', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(piece.substr(start, end - start));
    lines.push_back(piece.substr(start));
    return lines;
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

CHolidayList::AddResult CHolidayList::AddHoliday(CNoteManager& manager, const std::string& line) {
    std::unique_ptr<CHolidayNote> holiday = CHolidayNote::FromLine(line);
    if (!holiday) return AddResult::kNotHoliday;
    return manager.Add(std::move(holiday)) ? AddResult::kAdded : AddResult::kNoIDLeft;
}

int CHolidayList::AddLine(CNoteManager& manager, const std::string& line) {
    return AddHoliday(manager, line) == AddResult::kAdded ? 1 : 0;
}

void CHolidayList::Load(CNoteManager& manager) {
    std::string path = kFileName;
    if (!CUtility::FindFile(path)) return;
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    bool first = true;
    for (std::string piece; std::getline(in, piece);) {
        for (const std::string& raw : SplitAtCarriageReturns(piece)) {
            if (AddHoliday(manager, ToProgramText(raw, first)) == AddResult::kNoIDLeft) {
                ReportHolidaysSkipped();
                return;
            }
            first = false;
        }
    }
    if (in.bad()) ShowMessage("Data Read Error!", kCaptionProgram, CMessageBox::kIconStop);
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

BOOL CHolidayList::Rewrite(const std::vector<const CHolidayNote*>& holidays) {
    std::string content;
    for (const CHolidayNote* holiday : holidays) {
        if (holiday) content += FormatLine(*holiday) + kLineEnd;
    }
    std::string path = kFileName;
    CUtility::FindFile(path);
    return CSafeFile::Write(path, std::vector<std::uint8_t>(content.begin(), content.end())) ? 1
                                                                                             : 0;
}
