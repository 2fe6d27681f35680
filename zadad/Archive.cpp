#include "zadad/Archive.h"

#include "zadad/TextCodec.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the data file is little-endian");

CArchive::CArchive() = default;

CArchive::CArchive(const std::uint8_t* data, std::size_t size)
    : m_storing(false), m_in(data), m_size(size) {}

CArchive::CArchive(const std::vector<std::uint8_t>& bytes) : CArchive(bytes.data(), bytes.size()) {}

void CArchive::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_out.insert(m_out.end(), bytes, bytes + size);
}

void CArchive::Require(std::size_t size) const {
    if (m_storing)
        throw CArchiveException(CArchiveException::badFormat, "reading from a storing archive");
    if (size > Remaining())
        throw CArchiveException(CArchiveException::endOfFile, "unexpected end of file");
}

void CArchive::Read(void* data, std::size_t size) {
    Require(size);
    std::memcpy(data, m_in + m_pos, size);
    m_pos += size;
}

CArchive& CArchive::operator<<(std::int32_t v) {
    return Write(&v, sizeof v), *this;
}
CArchive& CArchive::operator<<(std::uint32_t v) {
    return Write(&v, sizeof v), *this;
}
CArchive& CArchive::operator<<(std::uint16_t v) {
    return Write(&v, sizeof v), *this;
}
CArchive& CArchive::operator<<(std::uint8_t v) {
    return Write(&v, sizeof v), *this;
}
CArchive& CArchive::operator<<(double v) {
    return Write(&v, sizeof v), *this;
}
CArchive& CArchive::operator<<(float v) {
    return Write(&v, sizeof v), *this;
}
CArchive& CArchive::operator>>(std::int32_t& v) {
    return Read(&v, sizeof v), *this;
}
CArchive& CArchive::operator>>(std::uint32_t& v) {
    return Read(&v, sizeof v), *this;
}
CArchive& CArchive::operator>>(std::uint16_t& v) {
    return Read(&v, sizeof v), *this;
}
CArchive& CArchive::operator>>(std::uint8_t& v) {
    return Read(&v, sizeof v), *this;
}
CArchive& CArchive::operator>>(double& v) {
    return Read(&v, sizeof v), *this;
}
CArchive& CArchive::operator>>(float& v) {
    return Read(&v, sizeof v), *this;
}

void CArchive::WriteStringLength(std::uint32_t length) {
    if (length < 0xFF) {
        *this << static_cast<std::uint8_t>(length);
    } else if (length < 0xFFFE) {
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(length);
    } else {
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFF) << length;
    }
}

std::uint32_t CArchive::ReadStringLength(bool& unicode) {
    unicode = false;
    std::uint8_t byteLength = 0;
    *this >> byteLength;
    if (byteLength < 0xFF) return byteLength;
    std::uint16_t wordLength = 0;
    *this >> wordLength;
    if (wordLength == 0xFFFE) { // the Unicode marker; the real length follows
        unicode = true;
        *this >> byteLength;
        if (byteLength < 0xFF) return byteLength;
        *this >> wordLength;
    }
    if (wordLength < 0xFFFF) return wordLength;
    std::uint32_t longLength = 0;
    *this >> longLength;
    return longLength;
}

CArchive& CArchive::operator<<(const std::string& text) {
    if (textcodec::IsAscii(text)) {
        WriteStringLength(static_cast<std::uint32_t>(text.size()));
        Write(text.data(), text.size());
        return *this;
    }
    const std::u16string wide = textcodec::Utf8ToUtf16(text);
    *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFE);
    WriteStringLength(static_cast<std::uint32_t>(wide.size()));
    for (char16_t c : wide)
        *this << static_cast<std::uint16_t>(c);
    return *this;
}

CArchive& CArchive::operator>>(std::string& text) {
    bool unicode = false;
    const std::uint32_t length = ReadStringLength(unicode);
    // Check the claimed length against the bytes left before allocating anything.
    const std::size_t bytes = unicode ? std::size_t{length} * 2 : std::size_t{length};
    if (bytes > Remaining())
        throw CArchiveException(CArchiveException::badLength, "string longer than the file");
    if (unicode) {
        std::u16string wide(length, u'\0');
        for (std::uint32_t i = 0; i < length; ++i) {
            std::uint16_t c = 0;
            *this >> c;
            wide[i] = static_cast<char16_t>(c);
        }
        text = textcodec::Utf16ToUtf8(wide);
        return *this;
    }
    std::string raw(length, '\0');
    Read(raw.data(), length);
    text = textcodec::IsValidUtf8(raw) ? std::move(raw) : textcodec::Windows1252ToUtf8(raw);
    return *this;
}

CArchive& CArchive::operator<<(const COleDateTime& dt) {
    return *this << static_cast<std::int32_t>(dt.m_status) << dt.m_dt;
}

CArchive& CArchive::operator>>(COleDateTime& dt) {
    std::int32_t status = 0;
    double value = 0;
    *this >> status >> value;
    if (status < COleDateTime::valid || status > COleDateTime::null)
        throw CArchiveException(CArchiveException::badFormat, "bad date status");
    dt.m_dt = value;
    dt.m_status = static_cast<COleDateTime::DateTimeStatus>(status);
    // A date marked valid that no date can hold (far out of range, NaN) is
    // kept as an invalid one: date arithmetic on it would leave every range.
    if (dt.m_status == COleDateTime::valid &&
        COleDateTime(value).GetStatus() != COleDateTime::valid)
        dt.m_status = COleDateTime::invalid;
    return *this;
}
