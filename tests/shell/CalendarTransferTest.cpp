// Calendar files to and from disk: the file written, the message after an
// import, the file that cannot be read, and an event text that would be
// taken for rich text.
#include "shell/CalendarTransfer.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/SafeFile.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TestClock.h"
#include "views/RtfReader.h"
#include "views/RtfToPlainText.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

namespace {

const std::string kFixtures = std::string(ORRINDALE_TEST_DATA_DIR) + "/ics/";

class CalendarTransferTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    std::string Elsewhere(const std::string& name) const {
        return m_elsewhere.path().toStdString() + "/" + name;
    }

    CTestClock m_clock{COleDateTime(2026, 1, 1, 8, 0, 0)};
    CFakeMessageBox m_box;
    QTemporaryDir m_elsewhere;
    CCalendarData m_data;
};

TEST_F(CalendarTransferTest, ExportWritesTheNotesWithTheirPlainText) {
    m_data.AddNote(std::make_unique<CNote>(kNoteMemo, "Rich", "{\\rtf1 Bold \\b words\\b0}",
                                           COleDateTime(2026, 2, 1, 9, 0, 0), 0));
    const std::string target = Elsewhere("out.ics");
    ASSERT_TRUE(CCalendarTransfer::Export(m_data, target));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(CSafeFile::Read(target, bytes));
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("SUMMARY:Rich\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("DESCRIPTION:Bold words\r\n"), std::string::npos) << text;
    EXPECT_TRUE(m_box.m_shown.empty());

    EXPECT_FALSE(CCalendarTransfer::Export(m_data, Elsewhere("no/such/folder/out.ics")));
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text.rfind("Fail to export data", 0), 0u);
}

TEST_F(CalendarTransferTest, AFileThatCannotBeReadChangesNothing) {
    const std::string large = Elsewhere("large.ics");
    ASSERT_TRUE(CSafeFile::Write(large, {'B'}));
    std::filesystem::resize_file(large, CCalendarTransfer::kMaxImportBytes + 1);
    for (const std::string& source :
         {large, Elsewhere("missing.ics"), m_elsewhere.path().toStdString(),
          kFixtures + "cut-short.ics"}) {
        m_box.m_shown.clear();
        EXPECT_EQ(CCalendarTransfer::Import(m_data, source), 0) << source;
        ASSERT_EQ(m_box.m_shown.size(), 1u) << source;
        EXPECT_EQ(
            m_box.m_shown[0].text.rfind("Calendar Read Error!\n\n" + source + " cannot be read", 0),
            0u);
        EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconStop);
    }
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 0u);
}

TEST_F(CalendarTransferTest, ADescriptionThatLooksLikeRichTextStaysItsWords) {
    const std::string source = Elsewhere("texts.ics");
    const std::string text = "BEGIN:VCALENDAR\r\n"
                             "BEGIN:VEVENT\r\nDTSTART:20260301T090000\r\nSUMMARY:plain\r\n"
                             "DESCRIPTION:Just words\\non two lines\r\nEND:VEVENT\r\n"
                             "BEGIN:VEVENT\r\nDTSTART:20260302T090000\r\nSUMMARY:braces\r\n"
                             "DESCRIPTION:{\\\\rtf1 not meant as rich text}\r\nEND:VEVENT\r\n"
                             "END:VCALENDAR\r\n";
    ASSERT_TRUE(CSafeFile::Write(source, std::vector<std::uint8_t>(text.begin(), text.end())));
    ASSERT_EQ(CCalendarTransfer::Import(m_data, source), 2);
    for (const auto& entry : m_data.m_noteManager.Notes()) {
        const CNote& note = *entry.second;
        const bool plain = note.m_strTitle == "plain";
        EXPECT_EQ(RtfToPlainText(note.m_strText),
                  plain ? "Just words\non two lines" : "{\\rtf1 not meant as rich text}");
        EXPECT_EQ(CRtfReader::IsRichText(note.m_strText), !plain) << "plain text stays plain";
    }
}

} // namespace
