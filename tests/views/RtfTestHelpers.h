#pragma once
// Small builders shared by the rich text tests.

#include "views/RtfDocument.h"

#include <gtest/gtest.h>

#include <optional>
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

// A copy of the first run whose text contains the words, if any.
inline std::optional<CRtfRun> FindRun(const CRtfDocument& doc, const std::string& words) {
    for (const CRtfParagraph& paragraph : doc.m_paragraphs)
        for (const CRtfRun& run : paragraph.m_runs)
            if (run.m_strText.find(words) != std::string::npos) return run;
    return std::nullopt;
}

// The format of the run holding the words; a test failure when none does.
inline CRtfCharFormat FormatOf(const CRtfDocument& doc, const std::string& words) {
    const std::optional<CRtfRun> run = FindRun(doc, words);
    if (!run) {
        ADD_FAILURE() << "no run holds \"" << words << "\"";
        return {};
    }
    return run->m_format;
}

} // namespace rtftest
