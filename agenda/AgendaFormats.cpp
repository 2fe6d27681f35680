#include "agenda/AgendaFormats.h"

#include "store/Note.h"
#include "views/RtfToPlainText.h"
#include "zadad/Utility.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string_view>

namespace {

constexpr const char* kDateFormat = "%Y-%m-%d";

// A title on one line: tabs and line breaks become spaces.
void ToOneLine(std::string::iterator first, std::string::iterator last) {
    std::replace_if(
        first, last, [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    ToOneLine(line.begin(), line.end());
    return line;
}

void AppendOneLine(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out += text;
    ToOneLine(out.begin() + static_cast<std::ptrdiff_t>(start), out.end());
}

// The date and the time of a line as YYYY-MM-DD and HH:MM, the time empty
// for a phase of the Moon. Worked out once per line: a script may ask for
// every line of years.
struct Stamp {
    std::string date;
    std::string time;
};

// value in the width digits that end at end.
void PutDigits(char* end, int value, int width) {
    for (int i = 1; i <= width; ++i, value /= 10)
        *(end - i) = static_cast<char>('0' + value % 10);
}

Stamp StampOf(const CAgendaLine& line) {
    OleDateFields f{};
    if (!OleDateToFields(line.when.m_dt, f)) return {line.when.Format(kDateFormat), {}};
    Stamp stamp{"0000-00-00", "00:00"};
    PutDigits(&stamp.date[4], f.year, 4);
    PutDigits(&stamp.date[7], f.month, 2);
    PutDigits(&stamp.date[10], f.day, 2);
    PutDigits(&stamp.time[2], f.hour, 2);
    PutDigits(&stamp.time[5], f.minute, 2);
    if (line.kind == AgendaKind::kMoon) stamp.time.clear();
    return stamp;
}

COleDateTime DayOf(const CAgendaLine& line) {
    COleDateTime day = line.when;
    CUtility::GetStartOfDay(day);
    return day;
}

// What a person reads after the title: the category, and what sets the
// line apart from an ordinary note.
std::string TextNotes(const CAgendaLine& line) {
    std::string notes;
    if (!line.category.empty()) notes.append(" [").append(line.category).append("]");
    if (line.kind == AgendaKind::kHoliday || line.kind == AgendaKind::kHistory)
        notes += std::string(" (") + AgendaKindName(line.kind) + ")";
    return notes;
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// A string member, or null when the line has no such thing.
void AppendJsonMember(std::string& out, const char* name, std::optional<std::string_view> value) {
    out += ", \"";
    out += name;
    out += "\": ";
    if (value)
        AppendJsonString(out, *value);
    else
        out += "null";
}

void AppendJsonObject(std::string& out, const CAgendaLine& line) {
    const auto [date, time] = StampOf(line);
    const std::string start = line.when.Format("%Y-%m-%dT%H:%M:%S");
    const std::string text = line.note ? RtfToPlainText(line.note->m_strText) : std::string();
    out += "{\"date\": ";
    AppendJsonString(out, date);
    const auto orNull = [](std::string_view value) {
        return value.empty() ? std::nullopt : std::optional<std::string_view>(value);
    };
    AppendJsonMember(out, "time", orNull(time));
    AppendJsonMember(out, "title", line.title);
    out += ", \"kind\": \"";
    out += AgendaKindName(line.kind);
    out += "\", \"id\": ";
    out += line.id ? std::to_string(line.id) : "null";
    AppendJsonMember(out, "start", start);
    out += ", \"allDay\": ";
    out += IsAllDay(line.kind) ? "true" : "false";
    AppendJsonMember(out, "category", orNull(line.category));
    out += ", \"categoryId\": ";
    out += line.note && line.note->m_nType != kNoteHoliday && line.note->m_wCategoryID
               ? std::to_string(line.note->m_wCategoryID)
               : "null";
    AppendJsonMember(out, "text", line.note ? std::optional<std::string_view>(text) : std::nullopt);
    out += '}';
}

} // namespace

std::string FormatAgendaText(const std::vector<CAgendaLine>& lines, const AgendaRange& range,
                             const std::string& timeFormat) {
    if (lines.empty()) {
        const COleDateTimeSpan lastDay(static_cast<double>(std::max(range.days - 1, 0)));
        return "Nothing from " + range.first.Format(kDateFormat) + " to " +
               (range.first + lastDay).Format(kDateFormat) + ".\n";
    }
    std::vector<std::string> times;
    std::size_t width = 0;
    for (const CAgendaLine& line : lines) {
        times.push_back(IsAllDay(line.kind) ? std::string() : line.when.Format(timeFormat.c_str()));
        width = std::max(width, times.back().size());
    }
    std::string out;
    COleDateTime shownDay;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const COleDateTime day = DayOf(lines[i]);
        if (i == 0 || day != shownDay) {
            if (i > 0) out += '\n';
            out += day.Format("%A, %B %#d, %Y") + "\n";
            shownDay = day;
        }
        out += "  " + std::string(width - times[i].size(), ' ') + times[i] + "  " +
               OneLine(lines[i].title) + TextNotes(lines[i]) + "\n";
    }
    return out;
}

void WriteAgendaTsv(const std::vector<CAgendaLine>& lines, std::ostream& stream) {
    // Written a piece at a time into one small buffer: a year of a large
    // store is hundreds of thousands of lines, and a string of them all
    // would be as many megabytes of fresh memory.
    constexpr std::size_t kPiece = 16 * 1024;
    std::string out = "date\ttime\ttitle\tkind\tid\n";
    out.reserve(kPiece + 1024);
    for (const CAgendaLine& line : lines) {
        if (out.size() >= kPiece) {
            stream.write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
        const Stamp stamp = StampOf(line);
        out.append(stamp.date).append(1, '\t').append(stamp.time).append(1, '\t');
        AppendOneLine(out, line.title);
        out.append(1, '\t').append(AgendaKindName(line.kind)).append(1, '\t');
        if (line.id) {
            char digits[16];
            out.append(digits, std::to_chars(digits, std::end(digits), line.id).ptr);
        }
        out += '\n';
    }
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
}

std::string FormatAgendaJson(const std::vector<CAgendaLine>& lines) {
    if (lines.empty()) return "[]\n";
    std::string out = "[\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += "  ";
        AppendJsonObject(out, lines[i]);
        out += i + 1 < lines.size() ? ",\n" : "\n";
    }
    out += "]\n";
    return out;
}
