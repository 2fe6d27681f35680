#include "options/OptionValues.h"

#include "almanac/HolidayList.h"
#include "almanac/HolidayNote.h"
#include "options/Autostart.h"
#include "options/ProgramSettings.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const char* const kHolidayLine = "YEAR`7`4`Independence Day``1`0`1`1`1`1\r\n";

class OptionValuesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramFlags();
        std::ofstream(m_home.File("Holiday.txt"), std::ios::binary) << kHolidayLine;
        CHolidayList::Attach(m_data);
        m_data.Load();
        m_values.Fill(m_data);
    }
    void TearDown() override {
        ResetProgramFlags();
        g_bDesktopNotification = 1;
    }

    // The configuration folder's entry `name` is taken by a file.
    void Block(const std::string& name) const {
        std::filesystem::create_directories(m_home.ConfigPath());
        std::ofstream(m_home.ConfigPath() + name) << "not a folder";
    }

    std::size_t HolidayCount() const {
        return static_cast<std::size_t>(m_data.m_noteManager.m_nHolidayCount);
    }

    CTestClock m_clock{COleDateTime(2026, 12, 8, 9, 30, 0)};
    CFakeMessageBox m_box;
    CTempHome m_home;
    CCalendarData m_data;
    COptionValues m_values;
};

} // namespace

TEST_F(OptionValuesTest, OkSavesTheDataFileAndReadsItBack) {
    m_values.m_note.m_nStopSeconds = 25;
    m_values.m_appearance.m_strToolbarTexture = "/t.bmp";
    ASSERT_TRUE(m_values.Commit(m_data));
    EXPECT_TRUE(std::filesystem::exists(m_home.File("Note.Dat")));
    EXPECT_EQ(m_data.m_nStopAlarmSeconds, 25);
    EXPECT_EQ(m_data.m_strToolbarTexture, "/t.bmp");
    EXPECT_EQ(HolidayCount(), 1u); // reloaded with the holidays in front

    CCalendarData fresh; // what the next start will see
    fresh.Load();
    EXPECT_EQ(fresh.m_nStopAlarmSeconds, 25);
}

TEST_F(OptionValuesTest, PagesNotOpenedLeaveTheirSettingsAlone) {
    m_values.m_categories.Add("Travel");
    m_values.m_location.m_nLatDeg = 10;
    m_values.m_holidays.Append(CHolidayRecords::MakeNew());
    ASSERT_TRUE(m_values.Commit(m_data));
    EXPECT_EQ(m_data.m_arrCategories.size(), 5u);
    EXPECT_EQ(m_data.m_dLatDeg, 40.0);
    EXPECT_EQ(HolidayCount(), 1u);
}

TEST_F(OptionValuesTest, OpenedPagesReplaceCategoriesLocationAndHolidays) {
    m_values.m_bCategoriesOpened = m_values.m_bLocationOpened = m_values.m_bHolidayOpened = true;
    m_values.m_holidays.Load();
    m_values.m_holidays.Append(CHolidayRecords::MakeNew());
    m_values.m_categories.Add("Travel");
    m_values.m_location.m_nLatDeg = 10;
    m_values.m_location.m_nLatHemisphere = CLocationOptions::kSouth;
    ASSERT_TRUE(m_values.Commit(m_data));
    ASSERT_EQ(m_data.m_arrCategories.size(), 6u);
    EXPECT_EQ(m_data.m_arrCategories.back().m_strName, "Travel");
    EXPECT_EQ(m_data.m_nNextCategoryID, 6);
    EXPECT_EQ(m_data.m_dLatDeg, -10.0);
    EXPECT_EQ(HolidayCount(), 2u); // the holiday file was rewritten before the reload
}

TEST_F(OptionValuesTest, AHolidayFileThatCannotBeReadIsLeftAloneWithOneMessage) {
    const std::string file = m_home.File("Holiday.txt");
    std::filesystem::remove(file);
    std::filesystem::create_directories(file + "/inside");
    m_values.m_bHolidayOpened = true;
    m_values.m_holidays.Load();
    m_values.m_holidays.Append(CHolidayRecords::MakeNew());
    EXPECT_TRUE(m_values.Commit(m_data)); // the data file itself was written
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, m_values.m_holidays.FailureText());
    EXPECT_TRUE(std::filesystem::exists(file + "/inside"));
    EXPECT_TRUE(std::filesystem::exists(m_home.File("Note.Dat"))); // the settings were saved
}

TEST_F(OptionValuesTest, SettingsFileIsWrittenForAChangeAndAFailureIsTold) {
    const struct {
        bool blocked;
        BOOL notification;
        std::size_t messages;
    } cases[] = {
        {false, 0, 0},
        {true, 1, 0}, // unchanged: nothing to write, nothing to tell
        {true, 0, 1},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(m_home.ConfigPath());
        if (c.blocked) Block("orrindale");
        g_bDesktopNotification = 1;
        m_box.m_shown.clear();
        m_values.m_note.m_bDesktopNotification = c.notification;
        EXPECT_TRUE(m_values.Commit(m_data));
        EXPECT_EQ(g_bDesktopNotification, c.notification); // in force until the program ends
        ASSERT_EQ(m_box.m_shown.size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(m_box.m_shown[0].text, CProgramSettings::SaveFailureText());
        }
        EXPECT_EQ(std::filesystem::exists(CProgramSettings::FilePath()), !c.blocked);
    }
}

TEST_F(OptionValuesTest, AutostartEntryThatCannotBeWrittenIsTold) {
    Block("autostart");
    m_values.m_bLocationOpened = true;
    m_values.m_location.m_bStartWithSession = 1;
    EXPECT_TRUE(m_values.Commit(m_data)); // the data file itself was written
    EXPECT_FALSE(CAutostart::IsOn());
    EXPECT_EQ(m_box.m_shown.size(), 1u);
}
