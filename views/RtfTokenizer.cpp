#include "views/RtfTokenizer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
}

} // namespace

CRtfTokenizer::CRtfTokenizer(std::string_view input) : m_input(input) {
    for (std::size_t i = input.size(); i-- > 0;) {
        if (!IsBlank(input[i])) {
            m_nLastVisible = i;
            break;
        }
    }
}

CRtfToken CRtfTokenizer::Next() {
    while (m_nPos < m_input.size()) {
        const char c = m_input[m_nPos];
        if (c == '{' || c == '}') {
            ++m_nPos;
            CRtfToken token;
            token.m_kind = c == '{' ? CRtfToken::Kind::GroupStart : CRtfToken::Kind::GroupEnd;
            return token;
        }
        if (c == '\\') return ReadEscape();
        if (c == '\r' || c == '\n') { // line ends in the source carry no meaning
            ++m_nPos;
            continue;
        }
        return ReadText();
    }
    return CRtfToken{};
}

CRtfToken CRtfTokenizer::ReadEscape() {
    ++m_nPos; // the backslash
    if (m_nPos >= m_input.size()) return CRtfToken{};
    const char c = m_input[m_nPos];
    if (IsLetter(c)) return ReadControlWord();
    ++m_nPos;
    if (c == '\'') return ReadHexByte();
    CRtfToken token;
    if (c == '\r' || c == '\n') { // a backslash ending a source line is a paragraph mark
        token.m_kind = CRtfToken::Kind::ControlWord;
        token.m_strText = "par";
        return token;
    }
    token.m_kind = CRtfToken::Kind::ControlSymbol;
    token.m_chSymbol = c;
    return token;
}

CRtfToken CRtfTokenizer::ReadControlWord() {
    CRtfToken token;
    token.m_kind = CRtfToken::Kind::ControlWord;
    const std::size_t start = m_nPos;
    while (m_nPos < m_input.size() && IsLetter(m_input[m_nPos]))
        ++m_nPos;
    token.m_strText = m_input.substr(start, m_nPos - start);

    bool negative = false;
    if (m_nPos + 1 < m_input.size() && m_input[m_nPos] == '-' && IsDigit(m_input[m_nPos + 1])) {
        negative = true;
        ++m_nPos;
    }
    std::int64_t value = 0;
    while (m_nPos < m_input.size() && IsDigit(m_input[m_nPos])) {
        token.m_bHasParam = true;
        value = std::min<std::int64_t>(value * 10 + (m_input[m_nPos] - '0'), INT_MAX);
        ++m_nPos;
    }
    token.m_nParam = static_cast<int>(negative ? -value : value);
    if (m_nPos < m_input.size() && m_input[m_nPos] == ' ')
        ++m_nPos; // the space that ends a control word belongs to it
    if (token.m_strText == "bin") SkipBinary(token.m_nParam);
    return token;
}

CRtfToken CRtfTokenizer::ReadHexByte() {
    CRtfToken token;
    const int high = m_nPos < m_input.size() ? HexValue(m_input[m_nPos]) : -1;
    const int low = m_nPos + 1 < m_input.size() ? HexValue(m_input[m_nPos + 1]) : -1;
    if (high < 0 || low < 0) { // a broken escape stands for nothing
        token.m_kind = CRtfToken::Kind::ControlSymbol;
        token.m_chSymbol = '\'';
        return token;
    }
    m_nPos += 2;
    token.m_kind = CRtfToken::Kind::HexByte;
    token.m_byHex = static_cast<unsigned char>(high * 16 + low);
    return token;
}

CRtfToken CRtfTokenizer::ReadText() {
    const std::size_t start = m_nPos;
    while (m_nPos < m_input.size()) {
        const char c = m_input[m_nPos];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n') break;
        ++m_nPos;
    }
    CRtfToken token;
    token.m_kind = CRtfToken::Kind::Text;
    token.m_strText = m_input.substr(start, m_nPos - start);
    return token;
}

void CRtfTokenizer::SkipBinary(int claimed) {
    if (claimed <= 0) return;
    const std::size_t left = m_input.size() - m_nPos;
    m_nPos += std::min(static_cast<std::size_t>(claimed), left);
}

void CRtfTokenizer::SkipGroup() {
    std::size_t depth = 1;
    while (depth > 0) {
        const CRtfToken token = Next();
        switch (token.m_kind) {
        case CRtfToken::Kind::End:
            return;
        case CRtfToken::Kind::GroupStart:
            ++depth;
            break;
        case CRtfToken::Kind::GroupEnd:
            --depth;
            break;
        default:
            break;
        }
    }
}
