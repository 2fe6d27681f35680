#include "zadad/Archive.h"

#include "zadad/TextCodec.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the data file is little-endian");

CArchive::CArchive() = default;

CArchive::CArchive(const std::uint8_t* data, std::size_t size)
    : m_storing(false), m_in(data), m_size(size) {}

CArchive::CArchive(const std::vector<std::uint8_t>& bytes) : CArchive(bytes.data(), bytes.size()) {}

void CArchive::Fail() const {
    if (m_storing)
        throw CArchiveException(CArchiveException::badFormat, "reading from a storing archive");
    throw CArchiveException(CArchiveException::endOfFile, "unexpected end of file");
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
    Write(wide.data(), wide.size() * sizeof(char16_t));
    return *this;
}

CArchive& CArchive::operator>>(std::string& text) {
    bool unicode = false;
    const std::uint32_t length = ReadStringLength(unicode);
    // Check the claimed length against the bytes left before allocating anything.
    const std::size_t bytes = unicode ? std::size_t{length} * 2 : std::size_t{length};
    if (bytes > Remaining())
        throw CArchiveException(CArchiveException::badLength, "string longer than the file");
    // Taken straight from the input: no buffer in between, nothing filled twice.
    const char* in = reinterpret_cast<const char*>(m_in + m_pos);
    m_pos += bytes;
    if (unicode) {
        std::u16string wide(length, u'\0');
        std::memcpy(wide.data(), in, bytes);
        text = textcodec::Utf16ToUtf8(wide);
        return *this;
    }
    const std::string_view raw(in, length);
    // A string of its own exact size: assigning into the old one could
    // round the capacity up.
    if (textcodec::IsValidUtf8(raw))
        text = std::string(raw);
    else
        text = textcodec::Windows1252ToUtf8(raw);
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
