#include "views/LinkFinder.h"

#include <QRegularExpression>

namespace {

const QRegularExpression& LinkPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\w@.])((?:https?|ftp|file|news)://|mailto:|www\.)[^\s<>"]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Punctuation that ends a sentence or closes a bracket is not part of the address.
qsizetype TrimmedLength(QStringView link) {
    qsizetype length = link.size();
    while (length > 0 && QStringView(u".,;:!?)]}'").contains(link[length - 1]))
        --length;
    return length;
}

} // namespace

std::vector<CLinkSpan> CLinkFinder::Find(QStringView text) {
    std::vector<CLinkSpan> links;
    auto matches = LinkPattern().globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QStringView found = text.mid(match.capturedStart(), match.capturedLength());
        const qsizetype length = TrimmedLength(found);
        if (length <= match.capturedLength(1)) continue; // a scheme or "www." with nothing after it
        const QString address = found.left(length).toString();
        const bool bare = address.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
        links.push_back(CLinkSpan{match.capturedStart(), length,
                                  bare ? QStringLiteral("http://") + address : address});
    }
    return links;
}

const CLinkSpan* CLinkFinder::At(const std::vector<CLinkSpan>& links, qsizetype position) {
    for (const CLinkSpan& link : links)
        if (position >= link.m_nStart && position < link.m_nStart + link.m_nLength) return &link;
    return nullptr;
}
