#include "tests/support/DataFileWriter.h"

#include <cstring>
#include <fstream>

COleDateTime FileNote::NullDate() {
    COleDateTime dt;
    dt.SetStatus(COleDateTime::null);
    return dt;
}

void CDataFileWriter::Append(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), p, p + size);
}

CDataFileWriter& CDataFileWriter::UInt32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(static_cast<std::uint8_t>(v >> shift));
    return *this;
}

CDataFileWriter& CDataFileWriter::Int32(std::int32_t v) {
    return UInt32(static_cast<std::uint32_t>(v));
}

CDataFileWriter& CDataFileWriter::Word(std::uint16_t v) {
    m_bytes.push_back(static_cast<std::uint8_t>(v));
    m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
}

CDataFileWriter& CDataFileWriter::Byte(std::uint8_t v) {
    m_bytes.push_back(v);
    return *this;
}

CDataFileWriter& CDataFileWriter::Double(double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    for (int shift = 0; shift < 64; shift += 8)
        m_bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    return *this;
}

CDataFileWriter& CDataFileWriter::Date(const COleDateTime& dt) {
    return Int32(static_cast<std::int32_t>(dt.GetStatus())).Double(dt.m_dt);
}

CDataFileWriter& CDataFileWriter::Length(std::uint32_t length) {
    if (length < 0xFF) return Byte(static_cast<std::uint8_t>(length));
    Byte(0xFF);
    if (length < 0xFFFE) return Word(static_cast<std::uint16_t>(length));
    return Word(0xFFFF).UInt32(length);
}

CDataFileWriter& CDataFileWriter::Text(const FileText& text) {
    if (!text.unicode) {
        Length(static_cast<std::uint32_t>(text.bytes.size()));
        return Raw(text.bytes);
    }
    Byte(0xFF).Word(0xFFFE);
    Length(static_cast<std::uint32_t>(text.wide.size()));
    for (char16_t unit : text.wide)
        Word(static_cast<std::uint16_t>(unit));
    return *this;
}

CDataFileWriter& CDataFileWriter::Raw(const std::string& bytes) {
    Append(bytes.data(), bytes.size());
    return *this;
}

CDataFileWriter& CDataFileWriter::Rect(const FileRect& rect) {
    for (std::int32_t v : rect)
        Int32(v);
    return *this;
}

CDataFileWriter& CDataFileWriter::Font(const FileFont& f) {
    Int32(f.height).Int32(f.width).Int32(f.escapement).Int32(f.orientation).Int32(f.weight);
    Byte(f.italic).Byte(f.underline).Byte(f.strikeOut).Byte(f.charSet);
    Byte(f.outPrecision).Byte(f.clipPrecision).Byte(f.quality).Byte(f.pitchAndFamily);
    return Text(f.face);
}

CDataFileWriter& CDataFileWriter::Header(const COleDateTime& firstSaved,
                                         const COleDateTime& lastSaved,
                                         const COleDateTime& nextAlarm, std::int32_t nextAlarmID) {
    return Date(firstSaved).Date(lastSaved).Date(nextAlarm).Int32(nextAlarmID);
}

CDataFileWriter& CDataFileWriter::Settings(const FileSettings& s) {
    if (!s.oldestForm) Int32(s.version);
    Int32(s.calendarView).Int32(s.listFilter).Int32(s.categoryFilter).Int32(s.weekStartsSunday);
    Int32(s.weekFromSunday).Int32(s.hour24).Int32(s.monthView).Int32(s.optionB);
    Int32(s.showRecurrence).Int32(s.showHistory).Int32(s.appearance);
    Text(s.windowTexture).Text(s.toolbarTexture).UInt32(s.crText).UInt32(s.crTextBack);
    Int32(static_cast<std::int32_t>(s.categories.size())).Int32(s.nextCategoryID);
    for (const auto& [id, name] : s.categories)
        Int32(id).Text(name);
    Int32(s.alarmSound).Text(s.waveFile).Int32(s.optionA).Int32(s.optionC);
    Int32(s.stopAlarmSeconds).Int32(s.showCountdownDefault).Int32(s.saveHistory);
    Int32(s.clearHistoryDays).Rect(s.mainWindow);
    m_reserved2 = s.HasVersion15Fields();
    if (!m_reserved2) return *this;
    Int32(s.showSunInfo);
    for (double v : s.location)
        Double(v);
    return Int32(s.daylightSaving);
}

CDataFileWriter& CDataFileWriter::NotesHeader(std::int32_t count, std::int32_t nextID) {
    return Int32(count).Int32(nextID);
}

CDataFileWriter& CDataFileWriter::Note(const FileNote& n) {
    Int32(n.kind);
    Text(n.title).Text(n.text).Int32(n.history).Int32(n.active).Int32(n.remind).Word(n.category);
    Date(n.start).Date(n.end).Int32(n.id).Rect(n.window).Rect(n.windowAlt);
    Int32(n.wndFlag).Int32(n.topMost).Int32(n.reserved1).UInt32(n.crTitle).UInt32(n.crBack);
    Int32(n.showCountdown).Int32(n.countdownParts).Int32(n.onDesktop).Int32(n.hasWindowRect);
    Font(n.font);
    if (n.kind != 1 && n.kind != 2) return *this;
    Date(n.alarm).Int32(n.remindDays).Date(n.occurrence);
    if (m_reserved2) Int32(n.reserved2);
    if (n.kind != 2) return *this;
    Int32(n.repeatUnit).Int32(n.repeatEvery).Date(n.lastOccurrence);
    return Int32(n.weekDay).Int32(n.byWeekDay).Int32(n.weekOrdinal).Int32(n.month);
}

bool CDataFileWriter::WriteTo(const std::string& path, std::size_t size) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::size_t n = std::min(size, m_bytes.size());
    out.write(reinterpret_cast<const char*>(m_bytes.data()), static_cast<std::streamsize>(n));
    return static_cast<bool>(out);
}
