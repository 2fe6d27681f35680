#include "views/LinkFinder.h"

#include <gtest/gtest.h>

namespace {

std::vector<QString> Urls(const QString& text) {
    std::vector<QString> urls;
    for (const CLinkSpan& link : CLinkFinder::Find(text))
        urls.push_back(link.m_strUrl);
    return urls;
}

TEST(LinkFinder, FindsAddressesWithTheirPlaceInTheText) {
    const QString text = QStringLiteral("See https://example.org/a?b=1 and www.example.com now");
    const std::vector<CLinkSpan> links = CLinkFinder::Find(text);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].m_nStart, 4);
    EXPECT_EQ(links[0].m_nLength, 25);
    EXPECT_EQ(links[0].m_strUrl, QStringLiteral("https://example.org/a?b=1"));
    EXPECT_EQ(text.mid(links[1].m_nStart, links[1].m_nLength), QStringLiteral("www.example.com"));
    EXPECT_EQ(links[1].m_strUrl, QStringLiteral("http://www.example.com"));
}

TEST(LinkFinder, KindsOfAddress) {
    EXPECT_EQ(Urls(QStringLiteral("mailto:me@example.org")),
              std::vector<QString>{QStringLiteral("mailto:me@example.org")});
    EXPECT_EQ(Urls(QStringLiteral("FTP://files.example.org/x")),
              std::vector<QString>{QStringLiteral("FTP://files.example.org/x")});
    EXPECT_EQ(Urls(QStringLiteral("file:///home/me/list.txt")),
              std::vector<QString>{QStringLiteral("file:///home/me/list.txt")});
}

TEST(LinkFinder, SentencePunctuationIsNotPartOfTheAddress) {
    EXPECT_EQ(Urls(QStringLiteral("Go to http://example.org/x.")),
              std::vector<QString>{QStringLiteral("http://example.org/x")});
    EXPECT_EQ(Urls(QStringLiteral("(see www.example.org/y),")),
              std::vector<QString>{QStringLiteral("http://www.example.org/y")});
    EXPECT_EQ(Urls(QStringLiteral("\"http://example.org\"")),
              std::vector<QString>{QStringLiteral("http://example.org")});
}

TEST(LinkFinder, NotAddresses) {
    EXPECT_TRUE(Urls(QStringLiteral("http:// nothing, www. nothing, mailto:.")).empty());
    EXPECT_TRUE(Urls(QStringLiteral("me@www.example.org xhttp://a")).empty());
    EXPECT_TRUE(Urls(QString()).empty());
}

TEST(LinkFinder, LinkAtAPosition) {
    const std::vector<CLinkSpan> links = CLinkFinder::Find(QStringLiteral("ab www.x.org cd"));
    EXPECT_EQ(CLinkFinder::At(links, 2), nullptr);
    ASSERT_NE(CLinkFinder::At(links, 3), nullptr);
    EXPECT_EQ(CLinkFinder::At(links, 11)->m_strUrl, QStringLiteral("http://www.x.org"));
    EXPECT_EQ(CLinkFinder::At(links, 12), nullptr);
}

} // namespace
