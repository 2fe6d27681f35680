#pragma once
// Builds data files byte by byte for the loader tests, with its own
// little-endian encoding and nothing of the program's writer, so that a fault
// in the writer cannot hide the same fault in the reader. It also writes what
// the program never would: the oldest format, old version words, cut files,
// unknown kinds, lengths that claim more than the file holds, Windows-1252
// bytes.

#include "zadad/OleDateTime.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A text as the file holds it: bytes, or the Unicode form with UTF-16 units.
struct FileText {
    FileText() = default;
    FileText(const char* bytes) : bytes(bytes) {} // NOLINT: plain literals read best in tests
    FileText(std::string raw) : bytes(std::move(raw)) {}
    FileText(std::u16string units) : wide(std::move(units)), unicode(true) {}

    std::string bytes;
    std::u16string wide;
    bool unicode = false;
};

struct FileFont {
    std::int32_t height = 10, width = 0, escapement = 0, orientation = 0, weight = 200;
    std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 0;
    std::uint8_t outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0x22;
    FileText face = "Arial";
};

// Four values in the order the file keeps them.
using FileRect = std::int32_t[4];

// One note record; kinds 1 and 2 also write the one-time part, kind 2 the
// repetition part.
struct FileNote {
    std::int32_t kind = 0;
    FileText title = "Title";
    FileText text = "Text";
    std::int32_t history = 0, active = 1, remind = 0;
    std::uint16_t category = 0;
    COleDateTime start = COleDateTime(2026, 12, 1, 10, 0, 0);
    COleDateTime end = NullDate();
    std::int32_t id = 0;
    FileRect window = {0, 0, 0, 0};    // top, left, bottom, right
    FileRect windowAlt = {0, 0, 0, 0}; // top, left, bottom, right
    std::int32_t wndFlag = 0, topMost = 1, reserved1 = 0;
    std::uint32_t crTitle = 0x0048C4EC, crBack = 0x00C4F7FF;
    std::int32_t showCountdown = 0, countdownParts = 15, onDesktop = 0, hasWindowRect = 0;
    FileFont font;
    // One-time part.
    COleDateTime alarm = COleDateTime(2026, 12, 1, 10, 0, 0);
    std::int32_t remindDays = 0;
    COleDateTime occurrence = COleDateTime(2026, 12, 1, 10, 0, 0);
    std::int32_t reserved2 = 0;
    // Repetition part.
    std::int32_t repeatUnit = 2, repeatEvery = 1;
    COleDateTime lastOccurrence = COleDateTime(2026, 12, 1, 10, 0, 0);
    std::int32_t weekDay = 1, byWeekDay = 0, weekOrdinal = 1, month = 1;

    static COleDateTime NullDate();
};

struct FileSettings {
    // The oldest files have no version word: the view flag comes first.
    bool oldestForm = false;
    std::int32_t version = 1500;
    std::int32_t calendarView = 1, listFilter = 0, categoryFilter = 0, weekStartsSunday = 1;
    std::int32_t weekFromSunday = 1, hour24 = 0, monthView = 0, optionB = 1;
    std::int32_t showRecurrence = 1, showHistory = 1, appearance = 0;
    FileText windowTexture, toolbarTexture;
    std::uint32_t crText = 0, crTextBack = 0x00FFFFFF;
    std::vector<std::pair<std::int32_t, FileText>> categories = {
        {0, "All"}, {1, "Payment"}, {2, "Appointment"}, {3, "Birthday"}, {4, "Anniversary"}};
    std::int32_t nextCategoryID = 5;
    std::int32_t alarmSound = 147;
    FileText waveFile;
    std::int32_t optionA = 0, optionC = 0, stopAlarmSeconds = 60, showCountdownDefault = 1;
    std::int32_t saveHistory = 1, clearHistoryDays = 30;
    FileRect mainWindow = {0, -100, 0, 0}; // left, top, right, bottom
    std::int32_t showSunInfo = 0;
    double location[7] = {40.0, 43.0, 0.0, 74.0, 1.0, 0.0, 0.0};
    std::int32_t daylightSaving = 0;

    // Whether this form has the location fields and the one-time reserved word.
    bool HasVersion15Fields() const { return !oldestForm && version >= 1500; }
};

class CDataFileWriter {
public:
    CDataFileWriter& Int32(std::int32_t v);
    CDataFileWriter& UInt32(std::uint32_t v);
    CDataFileWriter& Word(std::uint16_t v);
    CDataFileWriter& Byte(std::uint8_t v);
    CDataFileWriter& Double(double v);
    CDataFileWriter& Date(const COleDateTime& dt);
    CDataFileWriter& Text(const FileText& text);
    CDataFileWriter& Raw(const std::string& bytes);

    CDataFileWriter& Header(const COleDateTime& firstSaved, const COleDateTime& lastSaved,
                            const COleDateTime& nextAlarm = COleDateTime(2100, 1, 1, 0, 0, 0),
                            std::int32_t nextAlarmID = 0);
    // Also decides whether the notes that follow carry the reserved word.
    CDataFileWriter& Settings(const FileSettings& settings);
    CDataFileWriter& NotesHeader(std::int32_t count, std::int32_t nextID);
    // The kind code, then the record of that kind.
    CDataFileWriter& Note(const FileNote& note);

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::size_t Size() const { return m_bytes.size(); }
    // The first size bytes as a file; false when it cannot be written.
    bool WriteTo(const std::string& path, std::size_t size = SIZE_MAX) const;

private:
    CDataFileWriter& Rect(const FileRect& rect);
    CDataFileWriter& Font(const FileFont& font);
    CDataFileWriter& Length(std::uint32_t length);
    void Append(const void* data, std::size_t size);

    std::vector<std::uint8_t> m_bytes;
    bool m_reserved2 = true;
};
