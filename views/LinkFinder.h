#pragma once
// Finds the web, mail and file addresses in a line of a note's text, so that
// the text field can show them as links and report a click on one. The links
// are found anew from the words each time; they are not part of the saved text.

#include <QString>
#include <QStringView>

#include <vector>

struct CLinkSpan {
    qsizetype m_nStart = 0;
    qsizetype m_nLength = 0;
    QString m_strUrl; // what opening the link should be given

    bool operator==(const CLinkSpan&) const = default;
};

class CLinkFinder {
public:
    static std::vector<CLinkSpan> Find(QStringView text);
    // The link that covers the character position, if any.
    static const CLinkSpan* At(const std::vector<CLinkSpan>& links, qsizetype position);
};
