#pragma once
// The formatted text of a note as the program keeps it between the text field
// and the data file: paragraphs made of runs, each run one piece of text with
// one character format. Text is UTF-8; inside a run "\n" is a line break that
// does not end the paragraph and "\t" is a tab.

#include "zadad/WinTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CRtfCharFormat {
    bool m_bBold = false;
    bool m_bItalic = false;
    bool m_bUnderline = false;
    bool m_bStrike = false;
    std::string m_strFace;             // empty: the field's own font
    int m_nHalfPoints = 0;             // 0: the field's own size
    std::optional<COLORREF> m_crColor; // none: the field's own text colour

    bool operator==(const CRtfCharFormat&) const = default;
};

struct CRtfRun {
    std::string m_strText;
    CRtfCharFormat m_format;

    bool operator==(const CRtfRun&) const = default;
};

struct CRtfParagraph {
    std::vector<CRtfRun> m_runs;

    bool IsEmpty() const { return m_runs.empty(); }
    // Adds text in a format, joining it to the last run when the format is the same.
    void Append(std::string_view text, const CRtfCharFormat& format);
    std::string PlainText() const;

    bool operator==(const CRtfParagraph&) const = default;
};

class CRtfDocument {
public:
    // Every paragraph ends with its own paragraph mark; an empty document has none.
    std::vector<CRtfParagraph> m_paragraphs;

    // One paragraph per line of the text; "\r\n", "\r" and "\n" all end a line.
    static CRtfDocument FromPlainText(std::string_view text);
    // The paragraphs joined by "\n", line breaks as "\n", no formatting.
    std::string PlainText() const;

    bool operator==(const CRtfDocument&) const = default;
};
