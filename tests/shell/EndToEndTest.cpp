// The main flow through the program's own parts, with the test clock: a
// double-click on the tray icon opens the editor, a monthly note with a
// reminder two days ahead is made and saved; two days before it occurs its
// window rings, and "OK" moves it to the next month leaving a history copy.
#include "FakeTrayIcon.h"

#include "editing/DatePicker.h"
#include "editing/NoteEditDlg.h"
#include "editing/NumberField.h"
#include "options/OptionSheet.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "reminders/SnoozeRow.h"
#include "shell/ClickDispatcher.h"
#include "shell/EditorCommands.h"
#include "shell/TrayWnd.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/TestAccess.h"
#include "tests/support/TrayHarness.h"
#include "views/HoverButton.h"
#include "views/RichTextField.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

const COleDateTime kStart(2026, 12, 8, 9, 40, 0);

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_harness.Start({.holidays = true, .editor = true})); }

    CTrayHarness m_harness{kStart};
};

// The user's input: "Rent" on the 20th at 6:15 PM, every month, two days' warning.
void FillInMonthlyRent(CNoteEditDlg& dlg) {
    dlg.findChild<QLineEdit*>("title")->setText("Rent");
    dlg.findChild<CDatePicker*>("startDate")->SetDate(COleDateTime(2026, 12, 20, 0, 0, 0));
    dlg.findChild<QComboBox*>("time")->setCurrentIndex(18 * 4 + 1);
    QCheckBox* repeat = dlg.findChild<QCheckBox*>("repeat");
    QTest::mouseClick(repeat, Qt::LeftButton, {}, QPoint(4, repeat->height() / 2));
    dlg.findChild<CNumberField*>("days")->setText("2");
    dlg.accept();
}

} // namespace

TEST_F(EndToEndTest, MonthlyReminderFromDoubleClickToAcknowledgedAlarm) {
    m_harness.WhenShown<CNoteEditDlg>([](CNoteEditDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "  New Note");
        EXPECT_EQ(dlg.findChild<QComboBox*>("time")->currentText(), "10:30 AM")
            << "a new note from the tray starts an hour from now";
        EXPECT_EQ(g_nEditorsOpen, 1);
        FillInMonthlyRent(dlg);
    });
    emit m_harness.Icon().Clicked(CClickDispatcher::kNoModifier);
    emit m_harness.Icon().DoubleClicked();
    m_harness.WaitUntil([this] { return m_harness.DialogSeen(); });
    ASSERT_TRUE(m_harness.DialogSeen());
    EXPECT_EQ(g_nEditorsOpen, 0);

    // In the store, with its first occurrence and alarm.
    auto* rent = dynamic_cast<CRecurringNote*>(m_harness.FindNote("Rent", 0));
    ASSERT_NE(rent, nullptr);
    const WORD id = static_cast<WORD>(rent->m_nID);
    EXPECT_GE(id, 600);
    EXPECT_EQ(rent->m_nRepeatUnit, kRepeatMonth);
    EXPECT_EQ(rent->m_dtOccurrence, COleDateTime(2026, 12, 20, 18, 15, 0));
    EXPECT_EQ(rent->m_dtAlarm, COleDateTime(2026, 12, 18, 18, 15, 0));
    EXPECT_EQ(m_harness.Data().GetNextAlarmID(), id);

    // In the data file a few seconds later, without waiting for the calendar or the exit.
    m_harness.TickAt(kStart + CUtility::OneMinute);
    CCalendarData reread;
    ASSERT_TRUE(reread.Load());
    const CNote* stored = reread.LookupNote(id);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->m_strTitle, "Rent");
    EXPECT_EQ(stored->m_nType, kNoteRecurring);

    // Two days before the occurrence: not at the alarm's very second, just after.
    m_harness.TickAt(COleDateTime(2026, 12, 18, 18, 15, 0));
    EXPECT_EQ(CNoteWindowManager::WindowOf(*rent), nullptr);
    m_harness.TickAt(COleDateTime(2026, 12, 18, 18, 15, 1));
    rent = dynamic_cast<CRecurringNote*>(m_harness.Data().LookupNote(id));
    ASSERT_NE(rent, nullptr);
    CNoteWnd* window = CNoteWindowManager::WindowOf(*rent);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsAlarmMode());
    EXPECT_TRUE(rent->m_bAlarmActive);
    EXPECT_EQ(g_nAlarmsRinging, 1);

    // While it rings, neither the editor nor the options open.
    EXPECT_EQ(m_harness.Editor().Router().EditNote(rent, nullptr, kStart, 0), QDialog::Rejected);
    EXPECT_EQ(COptionSheet::Run(m_harness.Data()), COptionSheet::kCancelled);

    // "OK": the next month, and a history copy of this one.
    window->AcknowledgeAlarm();
    rent = dynamic_cast<CRecurringNote*>(m_harness.Data().LookupNote(id));
    ASSERT_NE(rent, nullptr);
    EXPECT_FALSE(rent->m_bAlarmActive);
    EXPECT_EQ(g_nAlarmsRinging, 0);
    EXPECT_EQ(rent->m_dtOccurrence, COleDateTime(2027, 1, 20, 18, 15, 0));
    EXPECT_EQ(rent->m_dtAlarm, COleDateTime(2027, 1, 18, 18, 15, 0));
    const CNote* copy = m_harness.FindNote("Rent", 1);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->m_nID, id) << "a note of its own beside the reminder";
    EXPECT_TRUE(copy->m_bHistory);
    EXPECT_EQ(copy->m_dtStart, COleDateTime(2026, 12, 20, 18, 15, 0));
    EXPECT_EQ(m_harness.Data().GetNextAlarmID(), id);
}

TEST_F(EndToEndTest, DesktopNoteIsEditedThroughItsWindowAndTheWindowFollows) {
    CNote* note =
        m_harness.Data().AddNote(std::make_unique<CNote>(kNoteMemo, "Shopping", "milk", kStart, 0));
    const WORD id = static_cast<WORD>(note->m_nID);
    m_harness.Windows().ShowOnDesktop(*note);
    CNoteWnd* window = CNoteWindowManager::WindowOf(*note);
    ASSERT_NE(window, nullptr);

    m_harness.WhenShown<CNoteEditDlg>([](CNoteEditDlg& dlg) {
        dlg.findChild<QLineEdit*>("title")->setText("Shopping list");
        dlg.accept();
    });
    EXPECT_EQ(m_harness.Editor().Router().EditNote(note, nullptr, kStart, 0), QDialog::Accepted);
    ASSERT_TRUE(m_harness.DialogSeen());
    CNote* now = m_harness.Data().LookupNote(id);
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now->m_strTitle, "Shopping list");
    EXPECT_EQ(CNoteWindowManager::WindowOf(*now), window);
    EXPECT_EQ(window->Note(), now);
    EXPECT_TRUE(now->m_bOnDesktop);
}

TEST_F(EndToEndTest, OptionsBringTheDesktopNotesBackAfterReloading) {
    CNote* note =
        m_harness.Data().AddNote(std::make_unique<CNote>(kNoteMemo, "Pinned", "", kStart, 0));
    const WORD id = static_cast<WORD>(note->m_nID);
    m_harness.Windows().ShowOnDesktop(*note);
    m_harness.WhenShown<COptionSheet>([](COptionSheet& sheet) { sheet.accept(); });
    m_harness.Editor().RunOptions();
    ASSERT_TRUE(m_harness.DialogSeen());
    CNote* reloaded = m_harness.Data().LookupNote(id);
    ASSERT_NE(reloaded, nullptr);
    EXPECT_TRUE(reloaded->m_bOnDesktop);
    EXPECT_NE(CNoteWindowManager::WindowOf(*reloaded), nullptr);
    EXPECT_FALSE(g_bOptionsOpen);
}

TEST_F(EndToEndTest, OptionsThatCannotBeSavedWaitForTheNextSave) {
    ASSERT_TRUE(m_harness.Tray().Save());
    // A folder where the data file belongs: nothing can be saved for now.
    std::filesystem::remove(m_harness.Home().File("Note.Dat"));
    std::filesystem::create_directory(m_harness.Home().File("Note.Dat"));
    m_harness.WhenShown<COptionSheet>([](COptionSheet& sheet) {
        sheet.Values().m_appearance.m_strToolbarTexture = "/t.bmp";
        sheet.accept();
    });
    m_harness.Tray().Options();
    ASSERT_TRUE(m_harness.DialogSeen());
    m_harness.TickAt(kStart + CUtility::OneMinute);
    ASSERT_EQ(m_harness.Box().m_shown.size(), 1u) << "told once, not again by the next tick";
    EXPECT_EQ(m_harness.Box().m_shown[0].text, "Fail to save data");

    std::filesystem::remove(m_harness.Home().File("Note.Dat"));
    EXPECT_TRUE(m_harness.Tray().FlushChanges());
    CCalendarData reread;
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.m_strToolbarTexture, "/t.bmp") << "the new settings were still to be saved";
}

TEST_F(EndToEndTest, DesktopNotesShowTheColoursOfTheTexturesChosenInTheOptions) {
    const auto picture = [this](const char* name, const QColor& colour) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(colour);
        const std::string file = m_harness.Home().File(name);
        EXPECT_TRUE(image.save(QString::fromStdString(file)));
        return QString::fromStdString(file);
    };
    const QString red = picture("red.png", QColor(200, 0, 0));
    const QString blue = picture("blue.png", QColor(0, 0, 160));
    CNote* note =
        m_harness.Data().AddNote(std::make_unique<CNote>(kNoteMemo, "Pinned", "", kStart, 0));
    const WORD id = static_cast<WORD>(note->m_nID);
    m_harness.Windows().ShowOnDesktop(*note);
    m_harness.WhenShown<COptionSheet>([&](COptionSheet& sheet) {
        sheet.Tabs()->setCurrentIndex(3);
        CTestAccess::QueueFileAnswer(red);
        sheet.findChild<QPushButton*>("windowTexture")->click();
        CTestAccess::QueueFileAnswer(blue);
        sheet.findChild<QPushButton*>("toolbarTexture")->click();
        sheet.accept();
    });
    m_harness.Tray().Options();
    ASSERT_TRUE(m_harness.DialogSeen());
    EXPECT_EQ(m_harness.Data().m_strWindowTexture, red.toStdString());
    EXPECT_EQ(g_crNoteTitleDefault, RGB(200, 0, 0));
    EXPECT_EQ(g_crNoteBackDefault, ColorAdjustLuma(RGB(0, 0, 160), 400, 1));

    // The window of the reloaded note, every part of it.
    CNote* reloaded = m_harness.Data().LookupNote(id);
    ASSERT_NE(reloaded, nullptr);
    CNoteWnd* window = CNoteWindowManager::WindowOf(*reloaded);
    ASSERT_NE(window, nullptr);
    const QColor title = ToQColor(g_crNoteTitleDefault);
    const QColor body = ToQColor(g_crNoteBackDefault);
    EXPECT_EQ(window->palette().color(QPalette::Window), body);
    EXPECT_EQ(window->TextField()->palette().color(QPalette::Base), body);
    EXPECT_EQ(window->TitleField()->palette().color(QPalette::Base), title);
    EXPECT_EQ(window->SnoozeRow().Ok()->BackgroundColor(), g_crNoteBackDefault);
    const std::unique_ptr<QMenu> menu = window->CreateNoteMenu();
    menu->adjustSize();
    EXPECT_EQ(menu->grab().toImage().pixelColor(5, menu->height() / 2), body) << "the note menu";
}
