#include "views/RichTextConverter.h"

#include "RtfTestHelpers.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace rtftest;

namespace {

CRtfDocument ThroughTextDocument(const CRtfDocument& doc) {
    QTextDocument qt;
    CRichTextConverter::ToTextDocument(doc, qt);
    return CRichTextConverter::FromTextDocument(qt);
}

TEST(RichTextConverter, EveryFormatCrossesBothWays) {
    CRtfCharFormat all;
    all.m_bBold = all.m_bItalic = all.m_bUnderline = all.m_bStrike = true;
    all.m_strFace = "DejaVu Sans";
    all.m_nHalfPoints = 25;
    all.m_crColor = RGB(10, 20, 30);
    CRtfCharFormat italic;
    italic.m_bItalic = true;
    CRtfDocument doc;
    doc.m_paragraphs.push_back(Para({{"plain ", {}}, {"all", all}, {" italic", italic}}));
    doc.m_paragraphs.push_back(CRtfParagraph{});
    doc.m_paragraphs.push_back(Para({{"line\nbreak\ttab", Colour(RGB(0, 255, 0))}}));
    EXPECT_EQ(ThroughTextDocument(doc), doc);
}

TEST(RichTextConverter, ParagraphsAndLineBreaksBecomeBlocksAndSeparators) {
    CRtfDocument doc;
    doc.m_paragraphs.push_back(Para({{"one\ntwo", {}}}));
    doc.m_paragraphs.push_back(Para({{"three", {}}}));
    QTextDocument qt;
    CRichTextConverter::ToTextDocument(doc, qt);
    EXPECT_EQ(qt.blockCount(), 2);
    EXPECT_EQ(qt.begin().text(), QStringLiteral("one") + QChar::LineSeparator + "two");
}

TEST(RichTextConverter, EmptyDocumentsStayEmpty) {
    QTextDocument qt;
    qt.setPlainText(QStringLiteral("old content"));
    CRichTextConverter::ToTextDocument(CRtfDocument{}, qt);
    EXPECT_TRUE(qt.isEmpty());
    EXPECT_TRUE(CRichTextConverter::FromTextDocument(qt).m_paragraphs.empty());
}

TEST(RichTextConverter, WhatTheModelCannotHoldIsLeftOut) {
    QTextDocument qt;
    QTextCursor cursor(&qt);
    QTextCharFormat semiBold;
    semiBold.setFontWeight(QFont::DemiBold);
    cursor.insertText(QStringLiteral("heavy"), semiBold);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter));
    QTextCharFormat light;
    light.setFontWeight(QFont::Light);
    cursor.insertText(QStringLiteral("light"), light);
    const CRtfDocument doc = CRichTextConverter::FromTextDocument(qt);
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    EXPECT_EQ(doc.PlainText(), "heavylight");
    EXPECT_TRUE(FormatOf(doc, "heavy").m_bBold) << "demi-bold counts as bold";
    EXPECT_FALSE(FormatOf(doc, "light").m_bBold);

    QTextCharFormat noSize;
    noSize.setFontPointSize(-3);
    EXPECT_EQ(CRichTextConverter::FromCharFormat(noSize).m_nHalfPoints, 0);
}

} // namespace
