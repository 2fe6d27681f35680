#pragma once
// Splits rich text into its tokens: group braces, control words with their
// optional number, control symbols, \'hh bytes and stretches of plain text.
// Binary data after \binN is stepped over here, never copied, and never past
// the end of the input whatever length it claims.

#include <cstddef>
#include <string_view>

struct CRtfToken {
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

    Kind m_kind = Kind::End;
    std::string_view m_strText; // the word's letters, or the plain text
    int m_nParam = 0;           // clamped to the int range
    bool m_bHasParam = false;
    char m_chSymbol = 0;
    unsigned char m_byHex = 0;

    bool IsWord(std::string_view word) const {
        return m_kind == Kind::ControlWord && m_strText == word;
    }
};

class CRtfTokenizer {
public:
    explicit CRtfTokenizer(std::string_view input);

    CRtfToken Next();
    // Steps over the rest of the group whose opening brace was the last token,
    // including its closing brace; nested groups of any depth cost no memory.
    void SkipGroup();
    // True when nothing but white space (or NUL bytes) is left to read.
    bool OnlyWhitespaceLeft() const { return m_nPos > m_nLastVisible || m_nLastVisible == npos; }

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    CRtfToken ReadEscape();
    CRtfToken ReadControlWord();
    CRtfToken ReadHexByte();
    CRtfToken ReadText();
    void SkipBinary(int claimed);

    std::string_view m_input;
    std::size_t m_nPos = 0;
    std::size_t m_nLastVisible = npos;
};
