#include "views/RtfDocument.h"

void CRtfParagraph::Append(std::string_view text, const CRtfCharFormat& format) {
    if (text.empty()) return;
    if (!m_runs.empty() && m_runs.back().m_format == format)
        m_runs.back().m_strText += text;
    else
        m_runs.push_back(CRtfRun{std::string(text), format});
}

std::string CRtfParagraph::PlainText() const {
    std::string text;
    for (const CRtfRun& run : m_runs)
        text += run.m_strText;
    return text;
}

CRtfDocument CRtfDocument::FromPlainText(std::string_view text) {
    CRtfDocument doc;
    if (text.empty()) return doc;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", start);
        CRtfParagraph paragraph;
        paragraph.Append(text.substr(start, end - start), CRtfCharFormat{});
        doc.m_paragraphs.push_back(std::move(paragraph));
        if (end == std::string_view::npos) break;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return doc;
}

std::string CRtfDocument::PlainText() const {
    std::string text;
    for (std::size_t i = 0; i < m_paragraphs.size(); ++i) {
        if (i > 0) text += '\n';
        text += m_paragraphs[i].PlainText();
    }
    return text;
}
