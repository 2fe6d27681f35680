// Broken and hostile rich text: every case must end, give the readable part
// and leave valid UTF-8 behind.
#include "views/RtfReader.h"
#include "views/RtfToPlainText.h"
#include "zadad/TextCodec.h"

#include "RtfTestHelpers.h"

#include <gtest/gtest.h>

#include <random>

using namespace rtftest;

namespace {

std::string Plain(std::string_view text) {
    std::string plain = RtfToPlainText(text);
    EXPECT_TRUE(textcodec::IsValidUtf8(plain));
    return plain;
}

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(RtfHostile, UnbalancedBraces) {
    EXPECT_EQ(Plain("{\\rtf1 {\\b bold"), "bold");
    const auto bold = FindRun(CRtfReader::Read("{\\rtf1 {\\b bold"), "bold");
    ASSERT_TRUE(bold);
    EXPECT_TRUE(bold->m_format.m_bBold);

    EXPECT_EQ(Plain("{\\rtf1 a}} b}"), "a b") << "text after a stray closing brace is kept";
    const CRtfDocument doc = CRtfReader::Read("{\\rtf1 {\\b x}} y}");
    EXPECT_EQ(doc.PlainText(), "x y");
    ASSERT_TRUE(FindRun(doc, " y"));
    EXPECT_FALSE(FormatOf(doc, " y").m_bBold);
    EXPECT_EQ(Plain("{\\rtf1 done}\r\n\0\0"), "done");
    EXPECT_EQ(Plain("{\\rtf1 " + Repeat("}", 100000) + "end"), "end");
    EXPECT_EQ(Plain("{\\rtf1 " + Repeat("{", 100000) + "open"), "open");
}

TEST(RtfHostile, HundredThousandNestedGroups) {
    const std::string nested =
        "{\\rtf1 " + Repeat("{", 100000) + "deep" + Repeat("}", 100000) + " after}";
    EXPECT_EQ(Plain(nested), "deep after");

    const std::string boldInside =
        "{\\rtf1 " + Repeat("{", 100000) + "\\b deep" + Repeat("}", 100000) + " plain}";
    const CRtfDocument doc = CRtfReader::Read(boldInside);
    ASSERT_TRUE(FindRun(doc, "deep"));
    EXPECT_TRUE(FormatOf(doc, "deep").m_bBold);
    ASSERT_TRUE(FindRun(doc, " plain"));
    EXPECT_FALSE(FormatOf(doc, " plain").m_bBold);
}

TEST(RtfHostile, NestingBeyondWhatIsKeptStillReadsTheText) {
    const std::string nested = "{\\rtf1 " + Repeat("{x", 1000000) + Repeat("}", 1000000) + "!}";
    EXPECT_EQ(Plain(nested), Repeat("x", 1000000) + "!");
}

TEST(RtfHostile, DeeplyNestedSkippedDestinations) {
    const std::string skipped =
        "{\\rtf1 a{\\*\\x " + Repeat("{\\pict ", 100000) + Repeat("}", 100000) + "}b}";
    EXPECT_EQ(Plain(skipped), "ab");
    const std::string fonts = "{\\rtf1{\\fonttbl" + Repeat("{", 100000) + "\\f0 Arial;" +
                              Repeat("}", 100000) + "}\\f0 x}";
    const auto x = FindRun(CRtfReader::Read(fonts), "x");
    ASSERT_TRUE(x);
    EXPECT_EQ(x->m_format.m_strFace, "Arial");
}

TEST(RtfHostile, BinaryDataClaimingMoreThanThereIs) {
    EXPECT_EQ(Plain("{\\rtf1 before\\bin2000000000 xyz}"), "before");
    EXPECT_EQ(Plain("{\\rtf1 before\\bin99999999999999999999 xyz}"), "before");
    EXPECT_EQ(Plain("{\\rtf1 a\\bin3 {}\\b}"), "ab") << "braces inside binary data are data";
    EXPECT_EQ(Plain("{\\rtf1 a\\bin-5 b}"), "ab");
    EXPECT_EQ(Plain("{\\rtf1 a\\bin b}"), "ab");
    EXPECT_EQ(Plain("{\\rtf1 {\\*\\x \\bin2 }}}ok}"), "ok") << "inside a skipped destination";
    EXPECT_EQ(Plain("{\\rtf1 {\\*\\x \\bin2000000000 }}}ok}"), "");
}

TEST(RtfHostile, EscapesCutShort) {
    EXPECT_EQ(Plain("{\\rtf1 a\\"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\'"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\'4"), "a4");
    EXPECT_EQ(Plain("{\\rtf1 a\\'zz b}"), "azz b");
    EXPECT_EQ(Plain("{\\rtf1 a\\u"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\u233"), "a\u00E9");
    EXPECT_EQ(Plain("{\\rtf1 a\\u-"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\u-10179"), "a");
    EXPECT_EQ(Plain("{\\rtf"), "");
    EXPECT_EQ(Plain("{\\rtf1{\\fonttbl{\\f0 Ari"), "");
    EXPECT_EQ(Plain("{\\rtf1{\\colortbl;\\red255"), "");
}

TEST(RtfHostile, HugeNumbersAndLongWords) {
    EXPECT_EQ(Plain("{\\rtf1 \\u99999999999?x}"), "\uFFFFx");
    EXPECT_EQ(Plain("{\\rtf1 {\\uc2147483647\\u233 abc} text}"), "\u00E9 text");
    EXPECT_EQ(Plain("{\\rtf1\\uc-5 \\u233 x}"), "\u00E9x");
    EXPECT_EQ(Plain("{\\rtf1\\f2147483647\\cf-2147483647\\fs-99 x}"), "x");
    EXPECT_EQ(Plain("{\\rtf1 \\" + Repeat("a", 1000000) + " x}"), "x");
    EXPECT_EQ(Plain("{\\rtf1 \\b" + Repeat("9", 1000000) + " x}"), "x");
}

TEST(RtfHostile, BytesThatAreNotText) {
    const char raw[] = "{\\rtf1 a\0b\0\0c}";
    const std::string nuls(raw, sizeof raw - 1);
    EXPECT_EQ(Plain(nuls), "abc");
    EXPECT_EQ(Plain("{\\rtf1 \xFF\xFE\xC0\x80 \\'ff}"), "\u00FF\u00FE\u00C0\u20AC \u00FF");
    EXPECT_EQ(Plain("{\\urtf1 \xF0\x9F\x98}"), "\u00F0\u0178\u02DC") << "a cut UTF-8 sequence";
}

TEST(RtfHostile, ManyTableEntries) {
    std::string rtf = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 20000; ++i)
        rtf += "{\\f" + std::to_string(i) + " Font" + std::to_string(i) + ";}";
    rtf += "}{\\colortbl;" + Repeat("\\red1\\green2\\blue3;", 20000) + "}\\f19999\\cf20000 x}";
    const auto x = FindRun(CRtfReader::Read(rtf), "x");
    ASSERT_TRUE(x);
    EXPECT_EQ(x->m_format.m_strFace, "Font19999");
    EXPECT_EQ(x->m_format.m_crColor, RGB(1, 2, 3));
    const std::string longName = "{\\rtf1{\\fonttbl{\\f0 " + Repeat("N", 100000) + ";}}\\f0 x}";
    EXPECT_EQ(FormatOf(CRtfReader::Read(longName), "x").m_strFace, "")
        << "a face name longer than any font has is not taken";
}

// Fragments of real documents put together at random, cut at random places.
TEST(RtfHostile, RandomFragmentsNeverFailTheReader) {
    static const std::vector<std::string> fragments = {
        "{",          "}",          "\\",
        "\\b",        "\\b0 ",      "\\par ",
        "\\'e9",      "\\'",        "\\u233?",
        "\\u-10179?", "\\uc0 ",     "\\uc3 ",
        "\\bin5 ",    "\\bin",      "{\\*\\x ",
        "{\\pict ",   "{\\fonttbl", "{\\colortbl",
        "\\f1 ",      ";",          "\\red9",
        "text",       " ",          "\xC3\xA9",
        "\xE9",       "\\line ",    "\\plain ",
        "\\fs40 ",    "\\cf1 ",     "\\~",
        "\\*",        "\r\n",       "\\ansicpg65001 ",
        "\\deff0 "};
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; ++i) {
        std::string rtf = "{\\rtf1 ";
        const int n = std::uniform_int_distribution<int>(0, 60)(rng);
        for (int k = 0; k < n; ++k)
            rtf +=
                fragments[std::uniform_int_distribution<std::size_t>(0, fragments.size() - 1)(rng)];
        const std::string plain = RtfToPlainText(rtf);
        ASSERT_TRUE(textcodec::IsValidUtf8(plain)) << rtf;
        ASSERT_LE(plain.size(), rtf.size() * 3) << rtf;
    }
}

} // namespace
