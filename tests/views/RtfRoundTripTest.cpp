#include "views/RtfReader.h"
#include "views/RtfWriter.h"
#include "zadad/TextCodec.h"

#include "RtfTestHelpers.h"

#include <gtest/gtest.h>

#include <random>

using namespace rtftest;

namespace {

CRtfDocument RoundTrip(const CRtfDocument& doc) {
    return CRtfReader::Read(CRtfWriter::Write(doc));
}

CRtfDocument OneParagraph(const std::vector<std::pair<std::string, CRtfCharFormat>>& pieces) {
    CRtfDocument doc;
    doc.m_paragraphs.push_back(Para(pieces));
    return doc;
}

// Every format the field offers, each on its own and between plain text.
std::vector<CRtfCharFormat> EachFormat() {
    std::vector<CRtfCharFormat> formats(7);
    formats[0].m_bBold = true;
    formats[1].m_bItalic = true;
    formats[2].m_bUnderline = true;
    formats[3].m_bStrike = true;
    formats[4].m_strFace = "DejaVu Serif";
    formats[5].m_nHalfPoints = 21;
    formats[6].m_crColor = RGB(12, 34, 56);
    return formats;
}

TEST(RtfRoundTrip, EachFormatOnItsOwn) {
    for (const CRtfCharFormat& format : EachFormat()) {
        const CRtfDocument doc =
            OneParagraph({{"before ", {}}, {"styled", format}, {" after", {}}});
        EXPECT_EQ(RoundTrip(doc), doc) << CRtfWriter::Write(doc);
    }
}

TEST(RtfRoundTrip, FormatsCombinedAndSwitchedOffOneByOne) {
    CRtfCharFormat all;
    all.m_bBold = all.m_bItalic = all.m_bUnderline = all.m_bStrike = true;
    all.m_strFace = "Liberation Sans";
    all.m_nHalfPoints = 36;
    all.m_crColor = RGB(255, 0, 128);
    std::vector<std::pair<std::string, CRtfCharFormat>> pieces = {{"all", all}};
    CRtfCharFormat less = all;
    less.m_bBold = false;
    pieces.push_back({"no bold", less});
    less.m_strFace.clear();
    pieces.push_back({"no face", less});
    less.m_crColor.reset();
    pieces.push_back({"no colour", less});
    less.m_nHalfPoints = 0;
    pieces.push_back({"no size", less});
    less.m_crColor = RGB(0, 0, 0);
    less.m_strFace = "Liberation Mono";
    pieces.push_back({"black mono", less});
    pieces.push_back({"plain", {}});
    const CRtfDocument doc = OneParagraph(pieces);
    EXPECT_EQ(RoundTrip(doc), doc) << CRtfWriter::Write(doc);
}

TEST(RtfRoundTrip, ParagraphsLineBreaksAndTabs) {
    CRtfDocument doc;
    doc.m_paragraphs.push_back(Para({{"first\tline\nsecond line", {}}}));
    doc.m_paragraphs.push_back(CRtfParagraph{});
    doc.m_paragraphs.push_back(Para({{"after an empty one", Bold()}}));
    doc.m_paragraphs.push_back(CRtfParagraph{});
    EXPECT_EQ(RoundTrip(doc), doc);
    EXPECT_EQ(RoundTrip(CRtfDocument{}), CRtfDocument{});
}

TEST(RtfRoundTrip, CharactersOfEveryKind) {
    const std::string text = "braces {} backslash \\ semicolon ; "
                             "caf\u00E9 \u20AC \u2014 \u00A0nbsp "          // in Windows-1252
                             "\u0416\u0438\u0437\u043D\u044C \u65E5\u672C " // beyond it
                             "\U0001F600 \U0001D11E";                       // beyond 16 bits
    const CRtfDocument doc = OneParagraph({{text, {}}});
    const std::string rtf = CRtfWriter::Write(doc);
    EXPECT_TRUE(textcodec::IsAscii(rtf)) << "the data file keeps it as a byte string";
    EXPECT_NE(rtf.find("caf\\'e9"), std::string::npos);
    EXPECT_NE(rtf.find("\\u1046?"), std::string::npos);
    EXPECT_NE(rtf.find("\\u-10179?\\u-8704?"), std::string::npos);
    EXPECT_EQ(CRtfReader::Read(rtf), doc);
}

TEST(RtfRoundTrip, FaceNamesThatNeedEscaping) {
    for (const std::string face : {"Semi;Colon", "Caf\u00E9 Sans", "\u5B8B\u4F53", "Brace{}"}) {
        const CRtfDocument doc = OneParagraph({{"x", Face(face, 20)}});
        EXPECT_EQ(RoundTrip(doc), doc) << CRtfWriter::Write(doc);
    }
}

TEST(RtfRoundTrip, ControlCharactersAreDropped) {
    const CRtfDocument doc = OneParagraph({{std::string("a\x01"
                                                        "b\x7F"
                                                        "c\r",
                                                        7),
                                            {}}});
    const CRtfDocument back = RoundTrip(doc);
    EXPECT_EQ(back.PlainText(), "abc");
}

TEST(RtfRoundTrip, WrittenFormIsCompact) {
    const CRtfDocument doc = OneParagraph({{"a", {}}, {"b", Bold()}, {"c", {}}});
    EXPECT_EQ(CRtfWriter::Write(doc), "{\\rtf1\\ansi\\ansicpg1252\\uc1\na\\b b\\plain c\\par\n}");
}

// Random documents over every format, paragraph and character kind.
class CRandomDocuments {
public:
    explicit CRandomDocuments(unsigned seed) : m_rng(seed) {}

    CRtfDocument Make() {
        CRtfDocument doc;
        const int paragraphs = Pick(0, 5);
        for (int p = 0; p < paragraphs; ++p) {
            CRtfParagraph paragraph;
            const int runs = Pick(0, 6);
            for (int r = 0; r < runs; ++r)
                paragraph.Append(Text(), Format());
            doc.m_paragraphs.push_back(std::move(paragraph));
        }
        return doc;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }

    std::string Text() {
        static const std::vector<std::string> pieces = {
            "a", "Word",   " ",      "\t",     "\n",     "{",          "}",      "\\", ";",
            "?", "\u00E9", "\u20AC", "\u0416", "\u65E5", "\U0001F600", "\u00A0", "'",  "\""};
        std::string text;
        const int n = Pick(1, 8);
        for (int i = 0; i < n; ++i)
            text += pieces[Pick(0, static_cast<int>(pieces.size()) - 1)];
        return text;
    }

    CRtfCharFormat Format() {
        static const std::vector<std::string> faces = {"", "Arial", "Times New Roman", "X;Y"};
        CRtfCharFormat f;
        f.m_bBold = Pick(0, 1);
        f.m_bItalic = Pick(0, 1);
        f.m_bUnderline = Pick(0, 1);
        f.m_bStrike = Pick(0, 1);
        f.m_strFace = faces[Pick(0, 3)];
        f.m_nHalfPoints = Pick(0, 1) ? 0 : Pick(2, 200);
        if (Pick(0, 1)) f.m_crColor = RGB(Pick(0, 255), Pick(0, 255), Pick(0, 255));
        return f;
    }

    std::mt19937 m_rng;
};

TEST(RtfRoundTrip, RandomDocumentsComeBackUnchanged) {
    CRandomDocuments random(20240601);
    for (int i = 0; i < 500; ++i) {
        const CRtfDocument doc = random.Make();
        const std::string rtf = CRtfWriter::Write(doc);
        ASSERT_EQ(CRtfReader::Read(rtf), doc) << rtf;
    }
}

} // namespace
