#include "views/RtfReader.h"
#include "views/RtfToPlainText.h"

#include "RtfTestHelpers.h"

#include <gtest/gtest.h>

using namespace rtftest;

namespace {

CRtfDocument Read(std::string_view text) {
    return CRtfReader::Read(text);
}
std::string Plain(std::string_view text) {
    return RtfToPlainText(text);
}

// The one run a single-run document is expected to hold.
CRtfRun OnlyRun(std::string_view text) {
    const CRtfDocument doc = Read(text);
    EXPECT_EQ(doc.m_paragraphs.size(), 1u);
    if (doc.m_paragraphs.empty() || doc.m_paragraphs[0].m_runs.size() != 1) {
        ADD_FAILURE() << "expected exactly one run in " << text;
        return {};
    }
    return doc.m_paragraphs[0].m_runs[0];
}

TEST(RtfReaderPlainText, TextNotStartingWithRtfIsKeptAsItIs) {
    EXPECT_FALSE(CRtfReader::IsRichText("Hello"));
    EXPECT_FALSE(CRtfReader::IsRichText("{hello}"));
    EXPECT_FALSE(CRtfReader::IsRichText(" {\\rtf1 x}"));
    EXPECT_TRUE(CRtfReader::IsRichText("{\\rtf1 x}"));
    EXPECT_TRUE(CRtfReader::IsRichText("{\\urtf1 x}"));

    EXPECT_EQ(Plain("{hello} \\b world"), "{hello} \\b world");
    EXPECT_EQ(Plain("one\r\ntwo\rthree\nfour"), "one\ntwo\nthree\nfour");
    EXPECT_EQ(Plain(""), "");
    const CRtfDocument doc = Read("one\n\nthree\n");
    ASSERT_EQ(doc.m_paragraphs.size(), 4u);
    EXPECT_TRUE(doc.m_paragraphs[1].IsEmpty());
    EXPECT_TRUE(doc.m_paragraphs[3].IsEmpty());
    EXPECT_EQ(doc.m_paragraphs[2].m_runs[0].m_format, CRtfCharFormat{});
}

TEST(RtfReaderStructure, ParagraphMarksEndParagraphs) {
    EXPECT_EQ(Read("{\\rtf1 }").m_paragraphs.size(), 0u);
    EXPECT_EQ(Read("{\\rtf1 one\\par}").m_paragraphs.size(), 1u);
    EXPECT_EQ(Plain("{\\rtf1 one\\par two\\par}"), "one\ntwo");
    EXPECT_EQ(Plain("{\\rtf1 one\\par two}"), "one\ntwo");
    EXPECT_EQ(Plain("{\\rtf1 one\\par\\par two\\par\\par}"), "one\n\ntwo\n");
    EXPECT_EQ(Plain("{\\rtf1 one\\\ntwo}"), "one\ntwo") << "backslash before a line end";
    EXPECT_EQ(Plain("{\\rtf1 one\\sect two\\page three\\par}"), "one\ntwo\nthree");
}

TEST(RtfReaderStructure, TypicalStoredNote) {
    const CRtfDocument doc =
        Read("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
             "Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n{\\*\\generator Notes 1.0;}"
             "\\viewkind4\\uc1\\pard\\f0\\fs20 Meeting at \\b noon\\b0\\par\r\n"
             "{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'B7}}\\fi-720\\li720 "
             "item\\par\r\n"
             "}\r\n");
    EXPECT_EQ(doc.PlainText(), "Meeting at noon\n\u00B7\titem");
    EXPECT_EQ(FormatOf(doc, "Meeting").m_strFace, "Arial");
    EXPECT_EQ(FormatOf(doc, "Meeting").m_nHalfPoints, 20);
    EXPECT_TRUE(FormatOf(doc, "noon").m_bBold);
    EXPECT_FALSE(FormatOf(doc, "item").m_bBold);
}

TEST(RtfReaderStructure, LineBreaksAndTabsStayInTheParagraph) {
    const CRtfDocument doc = Read("{\\rtf1 a\\line b\\tab c\\par}");
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    EXPECT_EQ(doc.m_paragraphs[0].PlainText(), "a\nb\tc");
    EXPECT_EQ(Plain("{\\rtf1\\trowd a\\cell b\\cell\\row c\\par}"), "a\tb\t\nc");
}

TEST(RtfReaderStructure, SourceLayoutAndUnknownWordsLeaveNoTrace) {
    EXPECT_EQ(Plain("{\\rtf1 a\r\nb\n}"), "ab");
    EXPECT_EQ(Plain("{\\rtf1 a\\foo12 b\\bar c}"), "abc");
    EXPECT_EQ(Plain("{\\rtf1 a\\foo-3 b}"), "ab");
    EXPECT_EQ(Plain("{\\rtf1 \\b bold}"), "bold") << "the delimiting space belongs to the word";
    EXPECT_EQ(Plain("{\\rtf1 \\b  two}"), " two");
    EXPECT_EQ(Plain("{\\rtf1 x\\-y\\|z\\:w}"), "xyzw");
    EXPECT_EQ(Plain("{\\rtf1 a\x01\x02"
                    "b\tc}"),
              "ab\tc");
}

TEST(RtfReaderStructure, EscapesAndSymbols) {
    EXPECT_EQ(Plain("{\\rtf1 \\{x\\} \\\\}"), "{x} \\");
    EXPECT_EQ(Plain("{\\rtf1 a\\~b\\_c}"), "a\u00A0b\u2011c");
    EXPECT_EQ(Plain("{\\rtf1 \\lquote a\\rquote \\ldblquote b\\rdblquote}"),
              "\u2018a\u2019\u201Cb\u201D");
    EXPECT_EQ(Plain("{\\rtf1 \\bullet\\emdash\\endash\\emspace\\enspace}"),
              "\u2022\u2014\u2013\u2003\u2002");
}

TEST(RtfReaderFormat, EffectsFollowGroupsAndSwitches) {
    const CRtfDocument doc =
        Read("{\\rtf1 n{\\b b}{\\i i}{\\ul u}{\\strike s}n\\b B\\b0 n\\ul U\\ulnone n"
             "\\uldb D\\ul0 n\\striked1 S\\strike0 n}");
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    CRtfCharFormat b, i, u, s;
    b.m_bBold = true;
    i.m_bItalic = true;
    u.m_bUnderline = true;
    s.m_bStrike = true;
    const CRtfCharFormat n;
    EXPECT_EQ(doc.m_paragraphs[0], Para({{"n", n},
                                         {"b", b},
                                         {"i", i},
                                         {"u", u},
                                         {"s", s},
                                         {"n", n},
                                         {"B", b},
                                         {"n", n},
                                         {"U", u},
                                         {"n", n},
                                         {"D", u},
                                         {"n", n},
                                         {"S", s},
                                         {"n", n}}));
}

TEST(RtfReaderFormat, PlainResetsEverything) {
    const CRtfDocument doc =
        Read("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
             "\\b\\i\\ul\\strike\\f0\\fs30\\cf1 x\\plain y}");
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    ASSERT_EQ(doc.m_paragraphs[0].m_runs.size(), 2u);
    const CRtfCharFormat& x = doc.m_paragraphs[0].m_runs[0].m_format;
    EXPECT_TRUE(x.m_bBold && x.m_bItalic && x.m_bUnderline && x.m_bStrike);
    EXPECT_EQ(x.m_strFace, "Arial");
    EXPECT_EQ(x.m_nHalfPoints, 30);
    EXPECT_EQ(x.m_crColor, RGB(1, 2, 3));
    EXPECT_EQ(doc.m_paragraphs[0].m_runs[1].m_format, CRtfCharFormat{});
}

TEST(RtfReaderFormat, HiddenTextIsNotShown) {
    EXPECT_EQ(Plain("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}"), "abd");
}

TEST(RtfReaderFonts, GroupedTableWithDefaultFont) {
    const CRtfDocument doc =
        Read("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
             "{\\f1\\fswiss{\\*\\panose 020b0604020202020204}Arial{\\*\\falt Helvetica};}}"
             "first \\f0 second\\f7 third\\plain fourth}");
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    const auto& runs = doc.m_paragraphs[0].m_runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].m_format.m_strFace, "Arial");
    EXPECT_EQ(runs[1].m_format.m_strFace, "Times New Roman");
    EXPECT_EQ(runs[2].m_format.m_strFace, "") << "a font the table does not name";
    EXPECT_EQ(runs[3].m_format.m_strFace, "Arial") << "\\plain returns to the default font";
}

TEST(RtfReaderFonts, UngroupedTableAndEscapedNames) {
    const CRtfDocument doc =
        Read("{\\rtf1{\\fonttbl\\f0\\fnil Courier New;\\f1\\fnil Caf\\'e9 \\u26085?Sans;"
             "\\f2\\fnil Unclosed}\\f1 x\\f2 y}");
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    const auto& runs = doc.m_paragraphs[0].m_runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].m_format.m_strFace, "Caf\u00E9 \u65E5Sans");
    EXPECT_EQ(runs[1].m_format.m_strFace, "Unclosed");
}

TEST(RtfReaderFonts, SizesInHalfPoints) {
    EXPECT_EQ(OnlyRun("{\\rtf1\\fs21 x}").m_format.m_nHalfPoints, 21);
    EXPECT_EQ(OnlyRun("{\\rtf1\\fs x}").m_format.m_nHalfPoints, 24);
    EXPECT_EQ(OnlyRun("{\\rtf1\\fs0 x}").m_format.m_nHalfPoints, 0);
    EXPECT_EQ(OnlyRun("{\\rtf1\\fs-8 x}").m_format.m_nHalfPoints, 0);
    EXPECT_EQ(OnlyRun("{\\rtf1\\fs99999999999 x}").m_format.m_nHalfPoints, 3276);
}

TEST(RtfReaderColours, TableWithAutomaticEntry) {
    const CRtfDocument doc =
        Read("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue255;\\red300;}"
             "a\\cf1 b\\cf2 c\\cf0 d\\cf3 e\\cf99 f}");
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    const auto& runs = doc.m_paragraphs[0].m_runs;
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_FALSE(runs[0].m_format.m_crColor);
    EXPECT_EQ(runs[1].m_format.m_crColor, RGB(255, 0, 0));
    EXPECT_EQ(runs[2].m_format.m_crColor, RGB(0, 128, 255));
    EXPECT_FALSE(runs[3].m_format.m_crColor) << "entry 0 is the automatic colour";
    EXPECT_EQ(runs[4].m_format.m_crColor, RGB(255, 0, 0)) << "components are kept to 0-255";
    EXPECT_FALSE(runs[5].m_format.m_crColor) << "an index past the table";
}

TEST(RtfReaderColours, DefaultIsAutomaticEvenWithoutEmptyFirstEntry) {
    const CRtfDocument doc = Read("{\\rtf1{\\colortbl\\red9\\green9\\blue9;}a\\cf0 b}");
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    const auto& runs = doc.m_paragraphs[0].m_runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_FALSE(runs[0].m_format.m_crColor);
    EXPECT_EQ(runs[1].m_format.m_crColor, RGB(9, 9, 9));
}

TEST(RtfReaderCodePages, EscapedBytesFollowTheDocumentCodePage) {
    EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80\\'96}"), "caf\u00E9 \u20AC\u2013");
    EXPECT_EQ(Plain("{\\rtf1\\ansi caf\\'E9}"), "caf\u00E9") << "upper-case hex digits";
    EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg65001 caf\\'c3\\'a9 \\'e2\\'82\\'ac}"),
              "caf\u00E9 \u20AC");
    EXPECT_EQ(Plain("{\\rtf1\\ansicpg65001 \\'e9!}"), "\u00E9!")
        << "a byte that is not UTF-8 is read as Windows-1252";
    EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1251 \\'e9}"), "\u00E9")
        << "other code pages fall back to Windows-1252";
}

TEST(RtfReaderCodePages, UnescapedBytesAreUtf8WhereTheyCanBe) {
    EXPECT_EQ(Plain("{\\urtf1 caf\xC3\xA9 \xE6\x97\xA5}"), "caf\u00E9 \u65E5");
    EXPECT_EQ(Plain("{\\rtf1\\ansi caf\xC3\xA9}"), "caf\u00E9");
    EXPECT_EQ(Plain("{\\rtf1\\ansi caf\xE9}"), "caf\u00E9");
    EXPECT_EQ(Plain("{\\rtf1\\ansi \xC3\\'a9}"), "\u00C3\u00A9")
        << "a raw byte and an escaped one are not joined";
}

TEST(RtfReaderUnicode, FallbackCountsAreSkipped) {
    EXPECT_EQ(Plain("{\\rtf1 caf\\u233?s}"), "caf\u00E9s");
    EXPECT_EQ(Plain("{\\rtf1 \\u8364\\'80x}"), "\u20ACx") << "an escaped byte counts as one";
    EXPECT_EQ(Plain("{\\rtf1\\uc0 \\u233 x}"), "\u00E9x");
    EXPECT_EQ(Plain("{\\rtf1\\uc2 \\u8364 EUx}"), "\u20ACx");
    EXPECT_EQ(Plain("{\\rtf1\\uc2 \\u8364\\'80\\'81x}"), "\u20ACx");
    EXPECT_EQ(Plain("{\\rtf1\\uc2 \\u8364\\emdash x}"), "\u20AC")
        << "a control word counts as one unit";
    EXPECT_EQ(Plain("{\\rtf1 {\\uc2 \\u233 ab}\\u233 cd}"), "\u00E9\u00E9d") << "\\uc is per group";
    EXPECT_EQ(Plain("{\\rtf1 {\\uc3\\u233 a}b}"), "\u00E9b") << "a brace ends the fallback";
}

TEST(RtfReaderUnicode, NegativeValuesAndSurrogatePairs) {
    EXPECT_EQ(Plain("{\\rtf1 \\u-3913?}"), "\uF0B7");
    EXPECT_EQ(Plain("{\\rtf1 \\u-10179?\\u-8704?}"), "\U0001F600");
    EXPECT_EQ(Plain("{\\rtf1 \\u55357?\\u56832?}"), "\U0001F600");
    EXPECT_EQ(Plain("{\\rtf1 \\u-10179?x}"), "\uFFFDx") << "a high surrogate alone";
    EXPECT_EQ(Plain("{\\rtf1 \\u-8704?x}"), "\uFFFDx") << "a low surrogate alone";
    EXPECT_EQ(Plain("{\\rtf1 a\\u0?b}"), "ab");
}

TEST(RtfReaderDestinations, UnwantedDestinationsAreSkippedWhole) {
    EXPECT_EQ(Plain("{\\rtf1 {\\*\\unknown stuff {nested {deeper}} more}text}"), "text");
    EXPECT_EQ(Plain("{\\rtf1 {\\pict\\wmetafile8 0123456789abcdef{\\*\\blipuid 00}}after}"),
              "after");
    EXPECT_EQ(Plain("{\\rtf1{\\stylesheet{\\s0 Normal;}{\\s1 Heading;}}{\\info{\\title T}"
                    "{\\author A}}body}"),
              "body");
    EXPECT_EQ(Plain("{\\rtf1 a{\\*\\bkmkstart m}b{\\*\\bkmkend m}c}"), "abc");
    EXPECT_EQ(Plain("{\\rtf1 {\\header head}{\\footer foot}{\\footnote note}body}"), "body");
}

TEST(RtfReaderDestinations, FieldsShowTheirResult) {
    EXPECT_EQ(Plain("{\\rtf1 see {\\field{\\*\\fldinst{HYPERLINK \"http://x.org\"}}"
                    "{\\fldrslt{\\ul shown}}} here}"),
              "see shown here");
    EXPECT_EQ(Plain("{\\rtf1 {\\field{\\fldinst PAGE}{\\fldrslt 7}}}"), "7");
}

TEST(RtfReaderDestinations, ListTextIsTheVisibleMarker) {
    EXPECT_EQ(Plain("{\\rtf1 {\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb x}}item\\par}"),
              "\u00B7\titem");
}

TEST(RtfReaderDestinations, MarkersOutsideAGroupStartSkipNothing) {
    EXPECT_EQ(Plain("{\\rtf1\\*\\foo visible}"), "visible");
    EXPECT_EQ(Plain("{\\rtf1 a{\\b \\pict b}}"), "ab") << "\\pict not at the start of a group";
}

} // namespace
