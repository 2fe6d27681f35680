#include "options/OptionSheet.h"

#include "almanac/HolidayList.h"
#include "editing/NoteEditDlg.h"
#include "editing/NumberField.h"
#include "options/Autostart.h"
#include "options/NewCategoryDlg.h"
#include "options/ProgramSettings.h"
#include "options/PropertyAppearance.h"
#include "options/PropertyCategory.h"
#include "options/PropertyHoliday.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "tests/support/FakeAudioBackEnd.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TabWalk.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestAccess.h"
#include "tests/support/TestClock.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

enum { kNotePage, kHolidayPage, kCategoryPage, kAppearancePage, kOtherPage };

const char* const kHolidays = "YEAR`1`1`New Year``1`0`1`1`1`1\r\n"
                              "YEAR`7`4`Independence Day`fireworks`1`0`1`1`1`1\r\n"
                              "YEAR`12`25`Christmas Day``1`0`1`1`1`1\r\n";

// Answers the next modal dialog once it is up: action gets the dialog.
template <typename Dialog> void WhenShown(std::function<void(Dialog&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

class OptionSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramFlags();
        CTestAccess::ClearFileAnswers();
        WriteHolidays(kHolidays);
        CHolidayList::Attach(m_data);
        m_data.Load();
    }
    void TearDown() override {
        ResetProgramFlags();
        g_bDesktopNotification = 1;
        CTestAccess::ClearFileAnswers();
    }

    void WriteHolidays(const std::string& text) const {
        std::ofstream(m_home.File("Holiday.txt"), std::ios::binary) << text;
    }
    std::string Holidays() const {
        std::ifstream in(m_home.File("Holiday.txt"), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // A small picture file in the given format, by its full path.
    std::string Picture(const char* name, const char* format) const {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(QColor(120, 90, 60));
        const std::string path = m_home.File(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), format));
        return path;
    }

    template <typename T> static T* Control(COptionSheet& sheet, const char* name) {
        T* control = sheet.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static void Open(COptionSheet& sheet, int page) { sheet.Tabs()->setCurrentIndex(page); }
    static void Ok(COptionSheet& sheet) { sheet.accept(); }

    CTestClock m_clock{COleDateTime(2026, 12, 8, 9, 30, 0)};
    CFakeMessageBox m_box;
    CFakeAudioBackEnd m_audio;
    CTempHome m_home;
    CCalendarData m_data;
};

} // namespace

TEST_F(OptionSheetTest, FivePagesInOrderUnderTheCaptionOptions) {
    {
        COptionSheet sheet(m_data);
        EXPECT_EQ(sheet.windowTitle(), "Options");
        QStringList captions;
        for (int i = 0; i < sheet.Tabs()->count(); ++i)
            captions << sheet.Tabs()->tabText(i);
        EXPECT_EQ(captions, QStringList({"Note", "Holiday", "Categories", "Appearance", "Other"}));
        EXPECT_TRUE(g_bOptionsOpen);
    }
    EXPECT_FALSE(g_bOptionsOpen);
}

TEST_F(OptionSheetTest, RefusedWhileAnAlarmRings) {
    g_nAlarmsRinging = 1;
    EXPECT_EQ(COptionSheet::Run(m_data), COptionSheet::kCancelled);
    EXPECT_FALSE(g_bOptionsOpen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(OptionSheetTest, StopAlarmAfterUntickedSavesZero) {
    COptionSheet sheet(m_data);
    Control<QCheckBox>(sheet, "stopAfter")->click();
    EXPECT_FALSE(Control<CNumberField>(sheet, "seconds")->isEnabled());
    Ok(sheet);
    EXPECT_EQ(m_data.m_nStopAlarmSeconds, 0);
    COptionSheet again(m_data);
    EXPECT_FALSE(Control<QCheckBox>(again, "stopAfter")->isChecked());
    EXPECT_EQ(Control<CNumberField>(again, "seconds")->text(), "0");
}

TEST_F(OptionSheetTest, DesktopNotificationUntickedIsKeptInTheSettingsFile) {
    COptionSheet sheet(m_data);
    auto* box = Control<QCheckBox>(sheet, "desktopNotification");
    EXPECT_TRUE(box->isChecked());
    box->click();
    Ok(sheet);
    EXPECT_FALSE(g_bDesktopNotification);
    g_bDesktopNotification = 1;
    CProgramSettings::Load(m_home.ConfigPath() + "orrindale/orrindale.conf");
    EXPECT_FALSE(g_bDesktopNotification); // what the next start reads
    COptionSheet again(m_data);
    EXPECT_FALSE(Control<QCheckBox>(again, "desktopNotification")->isChecked());
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(OptionSheetTest, StartWithTheSessionShowsTheEntryAndOkWritesOrRemovesIt) {
    for (const bool on : {false, true}) {
        COptionSheet sheet(m_data);
        Open(sheet, kOtherPage);
        auto* box = Control<QCheckBox>(sheet, "startWithSession");
        EXPECT_EQ(box->isChecked(), on);
        EXPECT_TRUE(box->isEnabled()); // whatever the sunrise box says
        box->click();
        EXPECT_EQ(CAutostart::IsOn(), on); // only OK writes
        Ok(sheet);
        EXPECT_EQ(CAutostart::IsOn(), !on);
    }
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(OptionSheetTest, ClearHistoryUntickedSavesMinusOne) {
    COptionSheet sheet(m_data);
    auto* clear = Control<QCheckBox>(sheet, "clearHistory");
    EXPECT_EQ(clear->text(), "Clear History After ");
    clear->click();
    EXPECT_EQ(Control<CNumberField>(sheet, "historyDays")->text(), "");
    EXPECT_FALSE(Control<CNumberField>(sheet, "historyDays")->isEnabled());
    Ok(sheet);
    EXPECT_EQ(m_data.m_nClearHistoryDays, -1);
    COptionSheet again(m_data);
    EXPECT_FALSE(Control<QCheckBox>(again, "clearHistory")->isChecked());
    EXPECT_EQ(Control<CNumberField>(again, "historyDays")->text(), "0");
}

TEST_F(OptionSheetTest, UntickingSaveHistoryKeepsOneDay) {
    COptionSheet sheet(m_data);
    Control<QCheckBox>(sheet, "saveHistory")->click();
    EXPECT_EQ(Control<CNumberField>(sheet, "historyDays")->text(), "1");
    EXPECT_FALSE(Control<QCheckBox>(sheet, "clearHistory")->isEnabled());
    Ok(sheet);
    EXPECT_FALSE(m_data.m_bSaveHistory);
    EXPECT_EQ(m_data.m_nClearHistoryDays, 1);
}

TEST_F(OptionSheetTest, WavePreviewStopsWhenSpeakerIsChosen) {
    COptionSheet sheet(m_data);
    auto* play = Control<QPushButton>(sheet, "play");
    EXPECT_FALSE(Control<QPushButton>(sheet, "browse")->isEnabled());
    Control<QRadioButton>(sheet, "waveFile")->click();
    EXPECT_TRUE(Control<QPushButton>(sheet, "browse")->isEnabled());
    EXPECT_FALSE(play->isEnabled()); // nothing to play yet
    CTestAccess::QueueFileAnswer(QStringLiteral("/sounds/bell.wav"));
    Control<QPushButton>(sheet, "browse")->click();
    EXPECT_EQ(Control<QLabel>(sheet, "wavePath")->text(), "/sounds/bell.wav");
    ASSERT_TRUE(play->isEnabled());
    play->click();
    EXPECT_EQ(play->text(), "Stop");
    EXPECT_EQ(m_audio.m_strLooping, "/sounds/bell.wav");
    Control<QRadioButton>(sheet, "speaker")->click();
    EXPECT_EQ(play->text(), "Play");
    EXPECT_FALSE(m_audio.IsLooping());
    EXPECT_FALSE(play->isEnabled());
}

TEST_F(OptionSheetTest, WaveFileChosenIsSavedAndPreviewEndsWithTheSheet) {
    {
        COptionSheet sheet(m_data);
        Control<QRadioButton>(sheet, "waveFile")->click();
        CTestAccess::QueueFileAnswer(QStringLiteral("/sounds/bell.wav"));
        Control<QPushButton>(sheet, "browse")->click();
        Control<QPushButton>(sheet, "play")->click();
        Ok(sheet);
    }
    EXPECT_FALSE(m_audio.IsLooping());
    EXPECT_EQ(m_data.m_nAlarmSound, 148);
    EXPECT_EQ(m_data.m_strWaveFile, "/sounds/bell.wav");
}

TEST_F(OptionSheetTest, UnplayableWaveFileIsSaidAtOnceAndNeverPretendsToPlay) {
    const struct {
        const char* name;
        bool bRefused;                 // refused at once (not a wave file at all)
        bool bChosenBefore;            // the page opens with the file, else it is browsed
        std::optional<bool> checkSays; // the check's answer once the file has loaded
        bool bSaidOnChoosing;
        bool bLoopFails; // the preview breaks down once loaded
        const char* playText;
        bool bSaidAfterPlay;
    } cases[] = {
        {"not a wave file", true, false, std::nullopt, true, false, "Play", true},
        {"not a wave file, chosen before", true, true, std::nullopt, true, false, "Play", true},
        {"undecodable", false, false, false, true, true, "Play", true},
        {"breaks down while previewing", false, false, true, false, true, "Play", true},
        {"playable", false, false, true, false, false, "Stop", false},
    };
    const std::string file = "/sounds/alarm.wav";
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        m_audio.m_bRefuseFiles = row.bRefused;
        m_data.m_nAlarmSound = row.bChosenBefore ? 148 : 147;
        m_data.m_strWaveFile = row.bChosenBefore ? file : "";
        COptionSheet sheet(m_data);
        if (!row.bChosenBefore) {
            Control<QRadioButton>(sheet, "waveFile")->click();
            CTestAccess::QueueFileAnswer(QString::fromStdString(file));
            Control<QPushButton>(sheet, "browse")->click();
        }
        ASSERT_FALSE(m_audio.m_checked.empty());
        EXPECT_EQ(m_audio.m_checked.back(), file);
        if (row.checkSays) m_audio.AnswerCheck(*row.checkSays);
        auto* problem = Control<QLabel>(sheet, "waveProblem");
        EXPECT_EQ(!problem->isHidden(), row.bSaidOnChoosing);

        auto* play = Control<QPushButton>(sheet, "play");
        play->click();
        if (row.bLoopFails) m_audio.FailLoop();
        EXPECT_EQ(play->text(), row.playText);
        EXPECT_EQ(m_audio.IsLooping(), std::string(row.playText) == "Stop");
        EXPECT_EQ(!problem->isHidden(), row.bSaidAfterPlay);
    }
}

TEST_F(OptionSheetTest, WaveFileWithoutAFileIsSavedAsSpeaker) {
    COptionSheet sheet(m_data);
    Control<QRadioButton>(sheet, "waveFile")->click();
    Ok(sheet);
    EXPECT_EQ(m_data.m_nAlarmSound, 147);
}

TEST_F(OptionSheetTest, WithoutASoundDeviceNoWaveFile) {
    m_audio.m_nDevices = 0;
    m_data.m_nAlarmSound = 148;
    m_data.m_strWaveFile = "/sounds/bell.wav";
    COptionSheet sheet(m_data);
    EXPECT_FALSE(Control<QRadioButton>(sheet, "waveFile")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(sheet, "browse")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(sheet, "play")->isEnabled());
}

TEST_F(OptionSheetTest, SecondsThatAreNoNumberKeepTheSheetOpen) {
    COptionSheet sheet(m_data);
    Control<CNumberField>(sheet, "seconds")->setText("");
    Ok(sheet);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Please enter an integer.");
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    Open(sheet, kCategoryPage); // nor can the page be left
    EXPECT_EQ(sheet.Tabs()->currentIndex(), kNotePage);
}

TEST_F(OptionSheetTest, CategoryAddedThenCancelledLeavesTheCategories) {
    {
        COptionSheet sheet(m_data);
        Open(sheet, kCategoryPage);
        auto* list = Control<QListWidget>(sheet, "categories");
        ASSERT_EQ(list->count(), 4);
        EXPECT_EQ(list->item(0)->text(), "Payment");
        EXPECT_EQ(list->item(0)->data(Qt::UserRole).toInt(), 1);
        WhenShown<CNewCategoryDlg>([](CNewCategoryDlg& dlg) {
            EXPECT_EQ(dlg.windowTitle(), "New Category");
            dlg.findChild<QLineEdit*>("name")->setText("Travel");
            dlg.accept();
        });
        Control<QPushButton>(sheet, "newCategory")->click();
        ASSERT_EQ(list->count(), 5);
        EXPECT_EQ(list->item(4)->data(Qt::UserRole).toInt(), 5);
        sheet.reject();
    }
    EXPECT_EQ(m_data.m_arrCategories.size(), 5u);
    EXPECT_EQ(m_data.m_nNextCategoryID, 5);
}

TEST_F(OptionSheetTest, CategoriesAddedAndRemovedAreKeptOnOk) {
    COptionSheet sheet(m_data);
    Open(sheet, kCategoryPage);
    auto* list = Control<QListWidget>(sheet, "categories");
    WhenShown<CNewCategoryDlg>([](CNewCategoryDlg& dlg) { dlg.reject(); });
    Control<QPushButton>(sheet, "newCategory")->click();
    WhenShown<CNewCategoryDlg>([](CNewCategoryDlg& dlg) { dlg.accept(); }); // empty name
    Control<QPushButton>(sheet, "newCategory")->click();
    EXPECT_EQ(list->count(), 4);
    list->item(1)->setSelected(true);
    list->item(3)->setSelected(true);
    Control<QPushButton>(sheet, "removeCategory")->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Birthday");
    WhenShown<CNewCategoryDlg>([](CNewCategoryDlg& dlg) {
        dlg.findChild<QLineEdit*>("name")->setText("Travel");
        dlg.accept();
    });
    Control<QPushButton>(sheet, "newCategory")->click();
    Ok(sheet);
    ASSERT_EQ(m_data.m_arrCategories.size(), 4u);
    EXPECT_EQ(m_data.m_arrCategories[1], CCategory(1, "Payment"));
    EXPECT_EQ(m_data.m_arrCategories[2], CCategory(3, "Birthday"));
    EXPECT_EQ(m_data.m_arrCategories[3], CCategory(5, "Travel"));
    EXPECT_EQ(m_data.m_nNextCategoryID, 6);
}

TEST_F(OptionSheetTest, HolidayAddCancelledLeavesNoRow) {
    COptionSheet sheet(m_data);
    Open(sheet, kHolidayPage);
    auto* table = Control<QTableWidget>(sheet, "holidays");
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(1, 0)->text(), "Independence Day");
    EXPECT_EQ(table->item(1, 1)->text(), "fireworks");
    WhenShown<CNoteEditDlg>([](CNoteEditDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "New Holiday");
        dlg.reject();
    });
    Control<QPushButton>(sheet, "addHoliday")->click();
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(sheet.Values().m_holidays.Count(), 3u);
}

TEST_F(OptionSheetTest, HolidaysRemovedAndAddedAreWrittenOnOk) {
    COptionSheet sheet(m_data);
    Open(sheet, kHolidayPage);
    auto* table = Control<QTableWidget>(sheet, "holidays");
    table->selectRow(0);
    Control<QPushButton>(sheet, "removeHoliday")->click();
    WhenShown<CNoteEditDlg>([](CNoteEditDlg& dlg) {
        dlg.findChild<QLineEdit*>("title")->setText("Harvest Day");
        dlg.accept();
    });
    Control<QPushButton>(sheet, "addHoliday")->click();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(2, 0)->text(), "Harvest Day");
    Ok(sheet);
    EXPECT_EQ(Holidays(), "YEAR`7`4`Independence Day`fireworks`1`0`1`1`1`1\r\n"
                          "YEAR`12`25`Christmas Day``1`0`1`1`1`1\r\n"
                          "YEAR`1`1`Harvest Day``1`0`1`1`1`1\r\n");
    EXPECT_EQ(m_data.m_noteManager.m_nHolidayCount, 3); // read back at once
}

TEST_F(OptionSheetTest, HolidayChangesAreDiscardedOnCancel) {
    COptionSheet sheet(m_data);
    Open(sheet, kHolidayPage);
    auto* table = Control<QTableWidget>(sheet, "holidays");
    table->selectAll();
    Control<QPushButton>(sheet, "removeHoliday")->click();
    EXPECT_EQ(table->rowCount(), 0);
    sheet.reject();
    EXPECT_EQ(Holidays(), kHolidays);
}

TEST_F(OptionSheetTest, HolidayFileIsNotRewrittenWhenThePageWasNotOpened) {
    WriteHolidays("a line the page would drop\r\n" + std::string(kHolidays));
    COptionSheet sheet(m_data);
    Ok(sheet);
    EXPECT_EQ(Holidays(), "a line the page would drop\r\n" + std::string(kHolidays));
}

TEST_F(OptionSheetTest, LocationShownFromTheSettings) {
    m_data.m_dTimeZone = -5.5;
    m_data.m_dLatDeg = -0.0;
    COptionSheet sheet(m_data);
    Open(sheet, kOtherPage);
    EXPECT_EQ(Control<QComboBox>(sheet, "zoneSign")->currentText(), "-");
    EXPECT_EQ(Control<QComboBox>(sheet, "zoneHours")->currentText(), "5");
    EXPECT_EQ(Control<CNumberField>(sheet, "zoneMinutes")->text(), "30");
    EXPECT_EQ(Control<QComboBox>(sheet, "latSide")->currentText(), "South");
    EXPECT_EQ(Control<CNumberField>(sheet, "latDeg")->text(), "0");
    auto* hours = Control<QComboBox>(sheet, "zoneHours");
    EXPECT_EQ(hours->itemText(0), "0");
    EXPECT_EQ(hours->itemText(hours->count() - 1), "14");
    Ok(sheet);
    EXPECT_EQ(m_data.m_dTimeZone, -5.5);
    EXPECT_TRUE(std::signbit(m_data.m_dLatDeg));
}

TEST_F(OptionSheetTest, LatitudeOfSixtySixIsRefusedSixtyFiveAccepted) {
    COptionSheet sheet(m_data);
    Open(sheet, kOtherPage);
    Control<CNumberField>(sheet, "latDeg")->setText("66");
    Open(sheet, kNotePage);
    EXPECT_EQ(sheet.Tabs()->currentIndex(), kOtherPage);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Please enter an integer between 0 and 65.");
    Ok(sheet);
    EXPECT_EQ(m_box.m_shown.size(), 2u);
    EXPECT_NE(sheet.result(), QDialog::Accepted);

    Control<CNumberField>(sheet, "latDeg")->setText("65");
    Ok(sheet);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(m_data.m_dLatDeg, 65.0);
}

TEST_F(OptionSheetTest, ZoneBeyondFourteenHoursIsRefused) {
    COptionSheet sheet(m_data);
    Open(sheet, kOtherPage);
    Control<QComboBox>(sheet, "zoneSign")->setCurrentIndex(1);
    Control<QComboBox>(sheet, "zoneHours")->setCurrentIndex(13);
    Ok(sheet);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Please enter a time zone between GMT-12:30 and GMT+14:00.");
    Control<QComboBox>(sheet, "zoneSign")->setCurrentIndex(0);
    Control<QComboBox>(sheet, "zoneHours")->setCurrentIndex(14);
    Control<CNumberField>(sheet, "zoneMinutes")->setText("0");
    Ok(sheet);
    EXPECT_EQ(m_data.m_dTimeZone, 14.0);
}

TEST_F(OptionSheetTest, UntickingSunInformationGreysThePlaceButKeepsIt) {
    g_bShowSunInfo = 1;
    COptionSheet sheet(m_data);
    Open(sheet, kOtherPage);
    Control<CNumberField>(sheet, "longDeg")->setText("2");
    Control<QComboBox>(sheet, "longSide")->setCurrentIndex(1);
    Control<QCheckBox>(sheet, "showSun")->click();
    for (const char* name :
         {"latDeg", "latMin", "latSec", "longDeg", "longMin", "longSec", "zoneMinutes"})
        EXPECT_FALSE(Control<CNumberField>(sheet, name)->isEnabled()) << name;
    for (const char* name : {"latSide", "longSide", "zoneSign", "zoneHours"})
        EXPECT_FALSE(Control<QComboBox>(sheet, name)->isEnabled()) << name;
    EXPECT_FALSE(Control<QCheckBox>(sheet, "daylight")->isEnabled());
    Ok(sheet);
    EXPECT_FALSE(g_bShowSunInfo);
    EXPECT_EQ(m_data.m_dLongDeg, -2.0);
}

TEST_F(OptionSheetTest, ResetAfterTwoTexturesSavesEmptyPaths) {
    const std::string wood = Picture("wood.jpg", "JPEG");
    const std::string paper = Picture("paper.bmp", "BMP");
    COptionSheet sheet(m_data);
    Open(sheet, kAppearancePage);
    CTestAccess::QueueFileAnswer(QString::fromStdString(wood));
    Control<QPushButton>(sheet, "windowTexture")->click();
    CTestAccess::QueueFileAnswer(QString::fromStdString(paper));
    Control<QPushButton>(sheet, "toolbarTexture")->click();
    EXPECT_EQ(sheet.Values().m_appearance.m_strWindowTexture, wood);
    EXPECT_EQ(sheet.Values().m_appearance.m_strToolbarTexture, paper);
    Control<QPushButton>(sheet, "reset")->click();
    Ok(sheet);
    EXPECT_EQ(m_data.m_strWindowTexture, "");
    EXPECT_EQ(m_data.m_strToolbarTexture, "");
}

TEST_F(OptionSheetTest, TextureThatIsNoPictureIsRefusedWithAMessage) {
    const std::string wood = Picture("wood.jpg", "JPEG");
    const std::string notes = m_home.File("notes.jpg");
    std::ofstream(notes) << "shopping list, not a photograph";
    COptionSheet sheet(m_data);
    Open(sheet, kAppearancePage);
    CTestAccess::QueueFileAnswer(QString::fromStdString(wood));
    Control<QPushButton>(sheet, "windowTexture")->click();
    CTestAccess::QueueFileAnswer(QString::fromStdString(notes));
    Control<QPushButton>(sheet, "windowTexture")->click();
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, notes + " could not be read as a picture.");
    EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
    EXPECT_EQ(sheet.Values().m_appearance.m_strWindowTexture, wood); // the good one stays
}

TEST_F(OptionSheetTest, TabWalksEachPageInReadingOrder) {
    // Every control enabled: a wave file to play, the sunrise place in use.
    m_data.m_nAlarmSound = 148;
    m_data.m_strWaveFile = "/sounds/bell.wav";
    g_bShowSunInfo = 1;
    COptionSheet sheet(m_data);
    sheet.show();
    const struct {
        int page;
        const char* first;
        std::vector<std::string> expected;
    } cases[] = {
        {kNotePage,
         "speaker",
         {"Speaker", "Wave file", "Browse", "Play", "Mute", "Stop alarm after", "Seconds",
          "Also show a desktop notification", "Show count down by default", "Save History",
          "Clear History After ", "Days", "Sunday", "Monday", "OK", "Cancel", "Note"}},
        {kHolidayPage, "holidays", {"Holidays", "Add", "Remove", "OK", "Cancel", "Holiday"}},
        {kCategoryPage,
         "categories",
         {"Categories", "New Category", "Remove", "OK", "Cancel", "Categories"}},
        {kAppearancePage,
         "windowTexture",
         {"Window Texture", "Toolbar Texture", "Reset", "OK", "Cancel", "Appearance"}},
        {kOtherPage,
         "showSun",
         {"Show Sunrise/Sunset Information", "Latitude", "Latitude degrees", "Latitude minutes",
          "Latitude seconds", "Longitude", "Longitude degrees", "Longitude minutes",
          "Longitude seconds", "TimeZone GMT", "Hour", "Minute", "Daylight Saving",
          "Start with the desktop session", "OK", "Cancel", "Other"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        Open(sheet, c.page);
        EXPECT_EQ(TabWalk(Control<QWidget>(sheet, c.first)), c.expected);
    }
    CNewCategoryDlg newCategory;
    newCategory.show();
    EXPECT_EQ(TabWalk(newCategory.findChild<QWidget*>(QStringLiteral("name"))),
              (std::vector<std::string>{"Name", "OK", "Cancel"}));
}

TEST_F(OptionSheetTest, PreviewShowsBothTexturesAndTheTextSample) {
    CAppearanceOptions values;
    values.m_crTextBack = RGB(255, 0, 255);
    QImage image(CPropertyAppearance::kPreviewWidth, CPropertyAppearance::kPreviewHeight,
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter dc(&image);
        CPropertyAppearance::DrawPreview(dc, image.rect(), values);
    }
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::black));      // frame of the toolbar texture
    EXPECT_EQ(image.pixelColor(11, 11), QColor(Qt::white));      // and its white edge
    EXPECT_EQ(image.pixelColor(30, 50), QColor(255, 0, 255));    // the text background
    EXPECT_NE(image.pixelColor(5, 5), QColor(Qt::black));        // window texture tiled
    EXPECT_NE(image.pixelColor(5, 5), image.pixelColor(14, 14)); // the two textures differ
}
