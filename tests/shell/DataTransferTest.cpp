// Export and import of whole data files: a byte copy out, a checked
// replacement in, and nothing lost when the chosen file is damaged.
#include "shell/DataTransfer.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/SafeFile.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/OtherDataFile.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::string& path) {
    Bytes bytes;
    EXPECT_TRUE(CSafeFile::Read(path, bytes)) << path;
    return bytes;
}

std::vector<std::string> Titles(const CCalendarData& data) {
    std::vector<std::string> titles;
    for (const auto& entry : data.m_noteManager.Notes())
        if (entry.second->m_nType != kNoteHoliday) titles.push_back(entry.second->m_strTitle);
    return titles;
}

class DataTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramFlags();
        m_data.AddNote(
            std::make_unique<CNote>(kNoteMemo, "Mine", "", COleDateTime::GetCurrentTime(), 0));
        ASSERT_TRUE(m_data.Save());
    }
    void TearDown() override { ResetProgramFlags(); }

    // A data file of someone else's, with one note of the given title.
    std::string OtherFile(const std::string& title) {
        return SaveOtherDataFile(m_elsewhere.path().toStdString(), title);
    }
    std::string Elsewhere(const std::string& name) const {
        return m_elsewhere.path().toStdString() + "/" + name;
    }

    CTempHome m_home;
    CTestClock m_clock;
    CFakeMessageBox m_box;
    QTemporaryDir m_elsewhere;
    CCalendarData m_data;
};

TEST_F(DataTransferTest, ImportAsksBeforeReplacing) {
    m_box.QueueAnswer(CMessageBox::kAnswerYes);
    EXPECT_TRUE(CDataTransfer::ConfirmReplace());
    EXPECT_FALSE(CDataTransfer::ConfirmReplace()) << "closed without an answer";
    ASSERT_EQ(m_box.m_shown.size(), 2u);
    EXPECT_EQ(m_box.m_shown[0].text, "Replace current data, continue?");
    EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconWarning);
    EXPECT_EQ(m_box.m_shown[0].buttons, CMessageBox::kButtonsYesNo);
}

TEST_F(DataTransferTest, ExportWritesTheJustSavedDataFileOverAnExistingFile) {
    const std::string target = Elsewhere("export.dat");
    ASSERT_TRUE(CSafeFile::Write(target, Bytes{1, 2, 3}));
    m_data.AddNote(
        std::make_unique<CNote>(kNoteMemo, "Unsaved", "", COleDateTime::GetCurrentTime(), 0));
    ASSERT_TRUE(CDataTransfer::Export(m_data, target));
    EXPECT_EQ(ReadAll(target), ReadAll(m_home.File("Note.Dat")));
    CCalendarData reread;
    CSafeFile::Copy(target, m_home.File("Note.Dat"));
    reread.Load();
    EXPECT_EQ(Titles(reread), (std::vector<std::string>{"Mine", "Unsaved"}));
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(DataTransferTest, ExportThatCannotBeWrittenIsReported) {
    EXPECT_FALSE(CDataTransfer::Export(m_data, Elsewhere("no/such/folder/export.dat")));
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text.rfind("Fail to export data", 0), 0u) << m_box.m_shown[0].text;
}

TEST_F(DataTransferTest, ExportIsNotMadeFromAStaleFileWhenSavingFails) {
    // A directory where the data file should be: nothing can be saved there.
    std::filesystem::remove(m_home.File("Note.Dat"));
    std::filesystem::create_directory(m_home.File("Note.Dat"));
    const std::string target = Elsewhere("export.dat");
    EXPECT_FALSE(CDataTransfer::Export(m_data, target));
    EXPECT_FALSE(std::filesystem::exists(target));
    ASSERT_EQ(m_box.m_shown.size(), 1u) << "one message for one failure";
    EXPECT_EQ(m_box.m_shown[0].text.rfind("Fail to export data", 0), 0u);
}

TEST_F(DataTransferTest, ImportReplacesTheDataAndKeepsTheOldFileAside) {
    const Bytes before = ReadAll(m_home.File("Note.Dat"));
    const std::string source = OtherFile("Theirs");
    ASSERT_TRUE(CDataTransfer::Import(m_data, source));
    EXPECT_EQ(Titles(m_data), std::vector<std::string>{"Theirs"});
    EXPECT_EQ(ReadAll(m_home.File("Note.Dat")), ReadAll(source));
    EXPECT_EQ(ReadAll(m_home.File("Note.Dat.before-import")), before);
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(DataTransferTest, ImportIntoAFreshDirectoryKeepsNothingAside) {
    std::filesystem::remove(m_home.File("Note.Dat"));
    ASSERT_TRUE(CDataTransfer::Import(m_data, OtherFile("Theirs")));
    EXPECT_FALSE(std::filesystem::exists(m_home.File("Note.Dat.before-import")));
    EXPECT_EQ(Titles(m_data), std::vector<std::string>{"Theirs"});
}

TEST_F(DataTransferTest, ImportOfTheDataFileItselfReloadsIt) {
    ASSERT_TRUE(CDataTransfer::Import(m_data, m_home.File("Note.Dat")));
    EXPECT_EQ(Titles(m_data), std::vector<std::string>{"Mine"});
}

TEST_F(DataTransferTest, DamagedImportKeepsEverythingAsItWas) {
    const Bytes before = ReadAll(m_home.File("Note.Dat"));
    const std::string damaged = Elsewhere("damaged.dat");
    Bytes cut = ReadAll(OtherFile("Theirs"));
    cut.resize(cut.size() - 20);
    ASSERT_TRUE(CSafeFile::Write(damaged, cut));
    g_bShowHistory = 0;
    g_bShowSunInfo = 1;

    EXPECT_FALSE(CDataTransfer::Import(m_data, damaged));

    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text.rfind("Data Read Error!", 0), 0u);
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconStop);
    EXPECT_EQ(Titles(m_data), std::vector<std::string>{"Mine"});
    EXPECT_EQ(ReadAll(m_home.File("Note.Dat")), before);
    EXPECT_FALSE(std::filesystem::exists(m_home.File("Note.Dat.before-import")));
    EXPECT_EQ(g_bShowHistory, 0) << "the trial read must not leak its settings";
    EXPECT_EQ(g_bShowSunInfo, 1);
}

TEST_F(DataTransferTest, ImportOfWhatIsNoDataFileIsRefused) {
    const std::string text = Elsewhere("letter.dat");
    const std::string words = "Dear diary, today I wrote no data file at all.";
    ASSERT_TRUE(CSafeFile::Write(text, Bytes(words.begin(), words.end())));
    const std::string empty = Elsewhere("empty.dat");
    ASSERT_TRUE(CSafeFile::Write(empty, Bytes{}));
    for (const std::string& source :
         {text, empty, Elsewhere("missing.dat"), m_elsewhere.path().toStdString()}) {
        EXPECT_FALSE(CDataTransfer::Import(m_data, source)) << source;
        EXPECT_EQ(Titles(m_data), std::vector<std::string>{"Mine"}) << source;
    }
    EXPECT_EQ(m_box.m_shown.size(), 4u);
}

} // namespace
