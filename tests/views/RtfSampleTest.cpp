// Rich text written by other programs (LibreOffice, pandoc, enscript); the
// expected plain text is LibreOffice's own reading of each file.
#include "views/RtfReader.h"
#include "views/RtfWriter.h"

#include "RtfTestHelpers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace rtftest;

namespace {

std::string ReadFile(const std::string& name) {
    std::ifstream in(std::string(ORRINDALE_TEST_DATA_DIR) + "/rtf/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CRtfSample : public ::testing::TestWithParam<std::string> {};

TEST_P(CRtfSample, PlainTextMatchesTheExpectedText) {
    const CRtfDocument doc = CRtfReader::Read(ReadFile(GetParam() + ".rtf"));
    EXPECT_EQ(doc.PlainText(), ReadFile(GetParam() + ".txt"));
}

TEST_P(CRtfSample, SurvivesOurOwnWriter) {
    const CRtfDocument doc = CRtfReader::Read(ReadFile(GetParam() + ".rtf"));
    EXPECT_EQ(CRtfReader::Read(CRtfWriter::Write(doc)), doc);
}

INSTANTIATE_TEST_SUITE_P(Samples, CRtfSample,
                         ::testing::Values("libreoffice_formats", "libreoffice_unicode",
                                           "libreoffice_table", "pandoc_notes", "enscript_list"));

TEST(RtfSampleFormats, LibreOfficeFormats) {
    const CRtfDocument doc = CRtfReader::Read(ReadFile("libreoffice_formats.rtf"));
    ASSERT_EQ(doc.m_paragraphs.size(), 4u);
    const CRtfCharFormat plain = FormatOf(doc, "Plain start");
    EXPECT_FALSE(plain.m_bBold || plain.m_bItalic || plain.m_bUnderline || plain.m_bStrike);
    EXPECT_EQ(plain.m_strFace, "DejaVu Serif") << "the document's default font";
    EXPECT_FALSE(plain.m_crColor);
    EXPECT_TRUE(FormatOf(doc, "bold words").m_bBold);
    EXPECT_TRUE(FormatOf(doc, "italic words").m_bItalic);
    EXPECT_TRUE(FormatOf(doc, "underlined words").m_bUnderline);
    EXPECT_TRUE(FormatOf(doc, "struck words").m_bStrike);
    EXPECT_FALSE(FormatOf(doc, "struck words").m_bBold);
    EXPECT_EQ(FormatOf(doc, "Mono face").m_strFace, "DejaVu Sans Mono");
    EXPECT_EQ(FormatOf(doc, "bigger text").m_nHalfPoints, 36);
    EXPECT_EQ(FormatOf(doc, "red text").m_crColor, RGB(255, 0, 0));
    EXPECT_EQ(FormatOf(doc, "blue text").m_crColor, RGB(0, 0, 255));
    EXPECT_EQ(doc.m_paragraphs[2].PlainText(), "Line one\nline two after a break");
}

TEST(RtfSampleFormats, PandocNotes) {
    const CRtfDocument doc = CRtfReader::Read(ReadFile("pandoc_notes.rtf"));
    const CRtfCharFormat heading = FormatOf(doc, "Dentist");
    EXPECT_TRUE(heading.m_bBold);
    EXPECT_EQ(heading.m_nHalfPoints, 36);
    EXPECT_EQ(heading.m_strFace, "Helvetica");
    EXPECT_TRUE(FormatOf(doc, "insurance card").m_bBold);
    EXPECT_FALSE(FormatOf(doc, "Bring the").m_bBold);
    EXPECT_TRUE(FormatOf(doc, "the old X-rays").m_bItalic);
    EXPECT_TRUE(FormatOf(doc, "not the cat").m_bStrike);
    EXPECT_EQ(FormatOf(doc, "555-0199").m_strFace, "Courier");
    EXPECT_TRUE(FormatOf(doc, "https://example.org/map").m_bUnderline);
}

TEST(RtfSampleFormats, EnscriptListIsOneParagraphOfLines) {
    const CRtfDocument doc = CRtfReader::Read(ReadFile("enscript_list.rtf"));
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    EXPECT_EQ(FormatOf(doc, "milk").m_strFace, "Courier New");
}

} // namespace
