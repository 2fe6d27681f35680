#include "views/RtfWriter.h"

#include "views/RtfCodePage.h"
#include "zadad/TextCodec.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename T> int IndexOf(const std::vector<T>& items, const T& item) {
    return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
}

template <typename T> void AddOnce(std::vector<T>& items, const T& item) {
    if (std::find(items.begin(), items.end(), item) == items.end()) items.push_back(item);
}

void AppendHexByte(std::string& out, int byte) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\'%02x", byte & 0xFF);
    out += hex;
}

// Text as RTF: special characters escaped, everything beyond ASCII spelled out.
void AppendEscaped(std::string& out, std::string_view utf8) {
    for (char16_t unit : textcodec::Utf8ToUtf16(utf8)) {
        if (unit == '\\' || unit == '{' || unit == '}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit == '\t') {
            out += "\\tab ";
        } else if (unit == '\n') {
            out += "\\line ";
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else if (unit < 0x20 || unit == 0x7F) {
            continue; // control characters have no place in a note's text
        } else if (const int byte = textcodec::ToWindows1252(unit); byte >= 0) {
            AppendHexByte(out, byte);
        } else {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + '?';
        }
    }
}

class CWriter {
public:
    explicit CWriter(const CRtfDocument& doc) : m_doc(doc) {}
    std::string Run();

private:
    void CollectTables();
    void AppendHeader();
    void AppendFormatChange(const CRtfCharFormat& next);

    const CRtfDocument& m_doc;
    std::vector<std::string> m_fonts;
    std::vector<COLORREF> m_colors; // written from index 1; 0 is the automatic colour
    CRtfCharFormat m_current;
    std::string m_out;
};

std::string CWriter::Run() {
    CollectTables();
    AppendHeader();
    for (const CRtfParagraph& paragraph : m_doc.m_paragraphs) {
        for (const CRtfRun& run : paragraph.m_runs) {
            if (run.m_strText.empty()) continue;
            AppendFormatChange(run.m_format);
            AppendEscaped(m_out, run.m_strText);
        }
        m_out += "\\par\n";
    }
    m_out += "}";
    return std::move(m_out);
}

void CWriter::CollectTables() {
    for (const CRtfParagraph& paragraph : m_doc.m_paragraphs) {
        for (const CRtfRun& run : paragraph.m_runs) {
            if (!run.m_format.m_strFace.empty()) AddOnce(m_fonts, run.m_format.m_strFace);
            if (run.m_format.m_crColor) AddOnce(m_colors, *run.m_format.m_crColor);
        }
    }
}

// No \deff: text without a face of its own must stay in the field's font, so
// that \plain returns to it.
void CWriter::AppendHeader() {
    m_out = "{\\rtf1\\ansi\\ansicpg1252\\uc1";
    if (!m_fonts.empty()) {
        m_out += "{\\fonttbl";
        for (std::size_t i = 0; i < m_fonts.size(); ++i) {
            m_out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
            std::string name;
            AppendEscaped(name, m_fonts[i]);
            // A semicolon would end the entry early; as an escape it is text.
            for (char c : name) {
                if (c == ';')
                    AppendHexByte(m_out, c);
                else
                    m_out += c;
            }
            m_out += ";}";
        }
        m_out += "}";
    }
    if (!m_colors.empty()) {
        m_out += "{\\colortbl ;";
        for (COLORREF color : m_colors)
            m_out += "\\red" + std::to_string(GetRValue(color)) + "\\green" +
                     std::to_string(GetGValue(color)) + "\\blue" +
                     std::to_string(GetBValue(color)) + ";";
        m_out += "}";
    }
    m_out += "\n";
}

// Only what changed is written; anything switched off or back to the field's
// own font, size or colour goes through \plain, which resets them all.
void CWriter::AppendFormatChange(const CRtfCharFormat& next) {
    if (next == m_current) return;
    const CRtfCharFormat& cur = m_current;
    const bool reset =
        (cur.m_bBold && !next.m_bBold) || (cur.m_bItalic && !next.m_bItalic) ||
        (cur.m_bUnderline && !next.m_bUnderline) || (cur.m_bStrike && !next.m_bStrike) ||
        (!cur.m_strFace.empty() && next.m_strFace.empty()) ||
        (cur.m_nHalfPoints != 0 && next.m_nHalfPoints == 0) || (cur.m_crColor && !next.m_crColor);
    if (reset) {
        m_out += "\\plain";
        m_current = CRtfCharFormat{};
    }
    if (next.m_bBold && !cur.m_bBold) m_out += "\\b";
    if (next.m_bItalic && !cur.m_bItalic) m_out += "\\i";
    if (next.m_bUnderline && !cur.m_bUnderline) m_out += "\\ul";
    if (next.m_bStrike && !cur.m_bStrike) m_out += "\\strike";
    if (next.m_strFace != cur.m_strFace)
        m_out += "\\f" + std::to_string(IndexOf(m_fonts, next.m_strFace));
    if (next.m_nHalfPoints != cur.m_nHalfPoints)
        m_out += "\\fs" + std::to_string(next.m_nHalfPoints);
    if (next.m_crColor != cur.m_crColor)
        m_out += "\\cf" + std::to_string(IndexOf(m_colors, *next.m_crColor) + 1);
    m_out += ' ';
    m_current = next;
}

} // namespace

std::string CRtfWriter::Write(const CRtfDocument& doc) {
    return CWriter(doc).Run();
}
