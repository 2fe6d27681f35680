// The program's own settings file: what is read back from it, and that a
// file that is damaged or cannot be written leaves the defaults in force.
#include "options/ProgramSettings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

class ProgramSettingsTest : public ::testing::Test {
protected:
    void TearDown() override { g_bDesktopNotification = 1; }

    std::string Path() const { return m_dir.filePath("orrindale/orrindale.conf").toStdString(); }
    void Write(const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(Path()).parent_path());
        std::ofstream(Path(), std::ios::binary) << text;
    }
    std::string Read() const {
        std::stringstream text;
        text << std::ifstream(Path(), std::ios::binary).rdbuf();
        return text.str();
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ProgramSettingsTest, ReadsOnlyWhatItUnderstandsAndDefaultsTheRest) {
    const struct {
        std::optional<std::string> file;
        BOOL notification;
    } cases[] = {
        {std::nullopt, 1},
        {"[Alarm]\nDesktopNotification=false\n", 0},
        {"[Alarm]\nDesktopNotification=true\n", 1},
        {"[Alarm]\nDesktopNotification=maybe\n", 1},
        {"[Alarm\nDesktopNotification=false\n", 1}, // a broken form is not trusted
        {std::string("\x01\xff\xfe[[=\0=\n", 9), 1},
        {"", 1},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(m_dir.path().toStdString() + "/orrindale");
        if (c.file) Write(*c.file);
        g_bDesktopNotification = !c.notification;
        CProgramSettings::Load(Path());
        EXPECT_EQ(g_bDesktopNotification, c.notification) << c.file.value_or("(no file)");
    }
}

TEST_F(ProgramSettingsTest, SavingKeepsWhatALaterVersionWroteBeside) {
    Write("[Later]\nKept=1\n");
    g_bDesktopNotification = 0;
    ASSERT_TRUE(CProgramSettings::Save(Path()));
    EXPECT_NE(Read().find("Kept=1"), std::string::npos);
    EXPECT_NE(Read().find("DesktopNotification=false"), std::string::npos);
}

TEST_F(ProgramSettingsTest, FileThatCannotBeWrittenIsToldAndTheDefaultsApply) {
    // The settings folder's name is taken by a file.
    std::ofstream(m_dir.filePath("orrindale").toStdString()) << "not a folder";
    g_bDesktopNotification = 0;
    EXPECT_FALSE(CProgramSettings::Save(Path()));
    CProgramSettings::Load(Path());
    EXPECT_EQ(g_bDesktopNotification, 1);
    EXPECT_NE(CProgramSettings::SaveFailureText(Path()).find(Path()), std::string::npos);
}
