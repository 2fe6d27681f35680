#pragma once
// Small builders shared by the rich text tests.

#include "views/RtfDocument.h"

#include <string>
#include <vector>

namespace rtftest {

inline CRtfCharFormat Bold() {
    CRtfCharFormat f;
    f.m_bBold = true;
    return f;
}

inline CRtfCharFormat Face(const std::string& face, int halfPoints = 0) {
    CRtfCharFormat f;
    f.m_strFace = face;
    f.m_nHalfPoints = halfPoints;
    return f;
}

inline CRtfCharFormat Colour(COLORREF color) {
    CRtfCharFormat f;
    f.m_crColor = color;
    return f;
}

// A paragraph of (text, format) pieces, joined the way the reader joins them.
inline CRtfParagraph Para(const std::vector<std::pair<std::string, CRtfCharFormat>>& pieces) {
    CRtfParagraph paragraph;
    for (const auto& [text, format] : pieces)
        paragraph.Append(text, format);
    return paragraph;
}

// The first run whose text contains the words, or nullptr.
inline const CRtfRun* FindRun(const CRtfDocument& doc, const std::string& words) {
    for (const CRtfParagraph& paragraph : doc.m_paragraphs)
        for (const CRtfRun& run : paragraph.m_runs)
            if (run.m_strText.find(words) != std::string::npos) return &run;
    return nullptr;
}

} // namespace rtftest
