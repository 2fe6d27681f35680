#pragma once
// The byte side of rich text: how the bytes of a document (\'hh escapes and
// bytes above 0x7F written straight into the text) become UTF-8, and which
// Windows-1252 byte, if any, stands for a character when writing.
//
// Only Windows-1252 and UTF-8 are told apart; other code pages are read as
// Windows-1252, which keeps every ASCII character and never fails. Bytes that
// form a valid UTF-8 sequence are read as UTF-8 when the document says so, and
// always when they stand in the text unescaped, because the program itself
// keeps its text as UTF-8.

#include <string>
#include <string_view>

class CRtfCodePage {
public:
    static constexpr int kWindows1252 = 1252;
    static constexpr int kUtf8 = 65001;

    explicit CRtfCodePage(int codePage = kWindows1252) : m_nCodePage(codePage) {}

    void SetCodePage(int codePage) { m_nCodePage = codePage; }
    bool IsUtf8() const { return m_nCodePage == kUtf8; }

    // Escaped bytes in the document's code page.
    std::string DecodeEscaped(std::string_view bytes) const;
    // Bytes written straight into the text: UTF-8 where they form it, else 1252.
    std::string DecodeRaw(std::string_view bytes) const;

private:
    int m_nCodePage;
};
