#pragma once
// The binary reader and writer of the data file: little-endian, no padding.
// A storing archive appends to its own byte buffer; a loading archive reads a
// byte range and checks every read against what is left, throwing
// CArchiveException instead of reading past the end or allocating for a
// length the data cannot hold.

#include "zadad/OleDateTime.h"
#include "zadad/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

class CArchiveException : public std::runtime_error {
public:
    enum Cause { endOfFile, badLength, badFormat };
    CArchiveException(Cause cause, const std::string& what)
        : std::runtime_error(what), m_cause(cause) {}
    Cause m_cause;
};

class CArchive {
public:
    // A storing archive writing into its own buffer.
    CArchive();
    // A loading archive over bytes that must outlive it.
    CArchive(const std::uint8_t* data, std::size_t size);
    explicit CArchive(const std::vector<std::uint8_t>& bytes);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    const std::vector<std::uint8_t>& Buffer() const { return m_out; }
    std::size_t Position() const { return m_pos; }
    std::size_t Remaining() const { return m_size - m_pos; }

    // The numbers are read and written a few hundred thousand times per
    // data file, so they stay inline.
    CArchive& operator<<(std::int32_t v) { return Put(v); }
    CArchive& operator<<(std::uint32_t v) { return Put(v); }
    CArchive& operator<<(std::uint16_t v) { return Put(v); }
    CArchive& operator<<(std::uint8_t v) { return Put(v); }
    CArchive& operator<<(double v) { return Put(v); }
    CArchive& operator<<(float v) { return Put(v); }
    // Plain ASCII as bytes; anything else in the Unicode form (0xFF, 0xFFFE,
    // length, UTF-16LE).
    CArchive& operator<<(const std::string& text);
    CArchive& operator<<(const COleDateTime& dt);

    CArchive& operator>>(std::int32_t& v) { return Get(v); }
    CArchive& operator>>(std::uint32_t& v) { return Get(v); }
    CArchive& operator>>(std::uint16_t& v) { return Get(v); }
    CArchive& operator>>(std::uint8_t& v) { return Get(v); }
    CArchive& operator>>(double& v) { return Get(v); }
    CArchive& operator>>(float& v) { return Get(v); }
    // Either form; byte strings that are not valid UTF-8 are taken as Windows-1252.
    CArchive& operator>>(std::string& text);
    CArchive& operator>>(COleDateTime& dt);

    void Write(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        m_out.insert(m_out.end(), bytes, bytes + size);
    }
    void Read(void* data, std::size_t size) {
        Require(size);
        std::memcpy(data, m_in + m_pos, size);
        m_pos += size;
    }
    // Throws unless this is a loading archive with at least size bytes left.
    void Require(std::size_t size) const {
        if (m_storing || size > m_size - m_pos) Fail();
    }
    // Empties a storing archive's buffer and keeps its memory for what is
    // written next; Reserve makes room for size bytes ahead.
    void ClearBuffer() { m_out.clear(); }
    void Reserve(std::size_t size) { m_out.reserve(m_out.size() + size); }

    // The string length prefix alone: 1 byte below 255, then 0xFF and 16 bits
    // below 0xFFFE, else 0xFF 0xFFFF and 32 bits.
    void WriteStringLength(std::uint32_t length);

private:
    template <class T> CArchive& Put(T v) {
        Write(&v, sizeof v);
        return *this;
    }
    template <class T> CArchive& Get(T& v) {
        Read(&v, sizeof v);
        return *this;
    }
    [[noreturn]] void Fail() const;
    std::uint32_t ReadStringLength(bool& unicode);

    bool m_storing = true;
    std::vector<std::uint8_t> m_out;
    const std::uint8_t* m_in = nullptr;
    std::size_t m_size = 0;
    std::size_t m_pos = 0;
};
