#include "editing/NoteEditDlg.h"

#include "editing/DatePicker.h"
#include "editing/NumberField.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TabWalk.h"
#include "tests/support/TestClock.h"
#include "views/ElidingCombo.h"
#include "views/RichTextField.h"
#include "zadad/Utility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 40, 0);

class NoteEditDlgTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    template <typename T> static T* Control(CNoteEditDlg& dlg, const char* name) {
        T* control = dlg.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static QCheckBox* Box(CNoteEditDlg& dlg, const char* name) {
        return Control<QCheckBox>(dlg, name);
    }
    static QComboBox* List(CNoteEditDlg& dlg, const char* name) {
        return Control<QComboBox>(dlg, name);
    }
    static void Click(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    }
    static void Choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    static void Press(CNoteEditDlg& dlg) { dlg.accept(); }

    CTestClock m_clock{kNow};
    CFakeMessageBox m_box;
    CCalendarData m_data;
};

} // namespace

TEST_F(NoteEditDlgTest, NewNoteShowsItsCaptionListsAndPreselectedTime) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    EXPECT_EQ(dlg.windowTitle(), "  New Note");
    QComboBox* time = List(dlg, "time");
    ASSERT_EQ(time->count(), 96);
    EXPECT_EQ(time->itemText(0), "12:00 AM");
    EXPECT_EQ(time->itemText(95), "11:45 PM");
    EXPECT_EQ(time->currentIndex(), 38);
    EXPECT_EQ(time->currentText(), "9:30 AM");

    QComboBox* unit = List(dlg, "unit");
    QStringList units;
    for (int i = 0; i < unit->count(); ++i)
        units << unit->itemText(i);
    EXPECT_EQ(units, QStringList({"Minute", "Hour", "Day", "Week", "Month", "Year"}));
    EXPECT_EQ(List(dlg, "month")->count(), 12);
    EXPECT_EQ(List(dlg, "month")->itemText(7), "Augest");
    EXPECT_EQ(List(dlg, "ordinal")->itemText(4), "Last");
    EXPECT_EQ(List(dlg, "weekDayList")->itemText(0), "Sunday");

    QComboBox* category = List(dlg, "category");
    ASSERT_EQ(category->count(), 5);
    EXPECT_EQ(category->itemText(0), "No Category");
    EXPECT_EQ(category->itemText(4), "Anniversary");
    EXPECT_EQ(category->itemData(4).toInt(), 4);
    EXPECT_EQ(category->currentIndex(), 0);

    EXPECT_EQ(Control<CDatePicker>(dlg, "startDate")->GetDate(),
              COleDateTime(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(Control<CDatePicker>(dlg, "endDate")->GetDate(), COleDateTime(2026, 12, 9, 0, 0, 0));
    EXPECT_TRUE(Box(dlg, "remind")->isChecked());
    EXPECT_FALSE(Box(dlg, "repeat")->isChecked());
    EXPECT_FALSE(Box(dlg, "end")->isEnabled());
    EXPECT_FALSE(List(dlg, "unit")->isEnabled());
    EXPECT_EQ(g_nEditorsOpen, 1);
}

TEST_F(NoteEditDlgTest, EditorCountGoesBackWhenTheDialogCloses) {
    {
        CNoteEditDlg dlg(&m_data, kNow, nullptr);
        dlg.reject();
    }
    EXPECT_EQ(g_nEditorsOpen, 0);
}

TEST_F(NoteEditDlgTest, UntickingRepeatUnticksAndDisablesEnd) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    Click(Box(dlg, "repeat"));
    EXPECT_TRUE(List(dlg, "unit")->isEnabled());
    EXPECT_EQ(List(dlg, "unit")->currentIndex(), 4); // "Month"
    EXPECT_TRUE(Box(dlg, "weekDay")->isEnabled());
    Click(Box(dlg, "end"));
    EXPECT_TRUE(Box(dlg, "end")->isChecked());
    EXPECT_TRUE(Control<CDatePicker>(dlg, "endDate")->isEnabled());

    Click(Box(dlg, "repeat"));
    EXPECT_FALSE(Box(dlg, "end")->isChecked());
    EXPECT_FALSE(Box(dlg, "end")->isEnabled());
    EXPECT_FALSE(Control<CDatePicker>(dlg, "endDate")->isEnabled());
    EXPECT_FALSE(Control<QSpinBox>(dlg, "every")->isEnabled());
}

TEST_F(NoteEditDlgTest, DailyReminderKeepsTheDaysAtZero) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    CNumberField* days = Control<CNumberField>(dlg, "days");
    days->setText("3");
    Click(Box(dlg, "repeat"));
    Choose(List(dlg, "unit"), 2); // "Day"
    EXPECT_FALSE(days->isEnabled());
    EXPECT_EQ(days->text(), "0");
    Choose(List(dlg, "unit"), 3); // "Week"
    EXPECT_TRUE(days->isEnabled());
}

TEST_F(NoteEditDlgTest, WeekDayRuleOpensItsListsForYears) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    Click(Box(dlg, "repeat"));
    Choose(List(dlg, "unit"), 5); // "Year"
    EXPECT_TRUE(Control<QLabel>(dlg, "of")->isEnabled());
    EXPECT_FALSE(List(dlg, "month")->isEnabled());
    Click(Box(dlg, "weekDay"));
    EXPECT_TRUE(List(dlg, "month")->isEnabled());
    EXPECT_EQ(List(dlg, "ordinal")->currentText(), "1st");
    EXPECT_EQ(List(dlg, "weekDayList")->currentText(), "Sunday");
    EXPECT_EQ(List(dlg, "month")->currentText(), "January");
    Choose(List(dlg, "unit"), 4); // "Month": no month list, no "Of"
    EXPECT_FALSE(List(dlg, "month")->isEnabled());
    EXPECT_FALSE(Control<QLabel>(dlg, "of")->isEnabled());
    EXPECT_TRUE(List(dlg, "ordinal")->isEnabled());
}

TEST_F(NoteEditDlgTest, UntickingRemindGreysTheTimeAndDays) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    Click(Box(dlg, "remind"));
    EXPECT_FALSE(List(dlg, "time")->isEnabled());
    EXPECT_FALSE(Control<CNumberField>(dlg, "days")->isEnabled());
}

TEST_F(NoteEditDlgTest, PlainNoteIsStoredAtMidnightAndNeverRings) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    Control<QLineEdit>(dlg, "title")->setText("Library books");
    Control<CRichTextField>(dlg, "text")->SetRichText("return them");
    Click(Box(dlg, "remind"));
    Choose(List(dlg, "category"), 2);
    Press(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    CNote* note = m_data.LookupNote(600);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dlg.Note(), note);
    EXPECT_EQ(note->m_nType, kNoteMemo);
    EXPECT_EQ(note->m_strTitle, "Library books");
    EXPECT_EQ(note->m_dtStart, COleDateTime(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(note->m_wCategoryID, 2);
    EXPECT_FALSE(note->m_bRemind);
    EXPECT_EQ(m_data.GetNextAlarmID(), 0);
    CRichTextField field;
    field.SetRichText(note->m_strText);
    EXPECT_EQ(field.GetPlainText(), "return them");
}

TEST_F(NoteEditDlgTest, EndDateOfTodayIsPutBackQuietlyAndRefusedAtOk) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    Click(Box(dlg, "repeat"));
    Click(Box(dlg, "end"));
    CDatePicker* end = Control<CDatePicker>(dlg, "endDate");
    end->SetDate(COleDateTime(2026, 12, 8, 0, 0, 0));
    emit end->editingFinished();
    EXPECT_TRUE(m_box.m_shown.empty()); // picking a day never stops on a message
    EXPECT_EQ(end->GetDate(), COleDateTime(2026, 12, 9, 0, 0, 0));

    // Set behind the picker's back, OK still refuses it and keeps the dialog.
    {
        const QSignalBlocker block(end);
        end->SetDate(COleDateTime(2026, 12, 8, 0, 0, 0));
    }
    Press(dlg);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text,
              "End Date must be one day later than start Date and later than today!");
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 0u);
    EXPECT_TRUE(Box(dlg, "end")->isChecked()); // everything as entered
}

TEST_F(NoteEditDlgTest, StartMovedPastTheEndPushesTheEnd) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    Control<CDatePicker>(dlg, "startDate")->SetDate(COleDateTime(2027, 2, 10, 0, 0, 0));
    EXPECT_EQ(Control<CDatePicker>(dlg, "endDate")->GetDate(), COleDateTime(2027, 2, 11, 0, 0, 0));
}

TEST_F(NoteEditDlgTest, DaysOutOfRangeKeepTheDialogOpen) {
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    Control<CNumberField>(dlg, "days")->setText("30");
    Press(dlg);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Please enter an integer between 0 and 24.");
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 0u);
    // The enabling rules stop on it as well, leaving the boxes as they are.
    Click(Box(dlg, "repeat"));
    EXPECT_EQ(m_box.m_shown.size(), 2u);
    EXPECT_FALSE(List(dlg, "unit")->isEnabled());
}

TEST_F(NoteEditDlgTest, ExistingRecurringNoteOpensWithItsRule) {
    auto made = std::make_unique<CRecurringNote>("Club", "", COleDateTime(2026, 12, 15, 19, 30, 0),
                                                 3, kRepeatMonth, 2, 3, 1, 3, 2, 1, 1);
    CNote* note = m_data.AddNote(std::move(made));
    CNoteEditDlg dlg(&m_data, kNow, note);
    EXPECT_EQ(dlg.windowTitle(), "Club");
    EXPECT_TRUE(Box(dlg, "repeat")->isChecked());
    EXPECT_EQ(Control<QSpinBox>(dlg, "every")->value(), 2);
    EXPECT_EQ(List(dlg, "unit")->currentText(), "Month");
    EXPECT_TRUE(Box(dlg, "weekDay")->isChecked());
    EXPECT_EQ(List(dlg, "ordinal")->currentText(), "2nd");
    EXPECT_EQ(List(dlg, "weekDayList")->currentText(), "Tuesday");
    EXPECT_EQ(List(dlg, "time")->currentText(), "7:30 PM");
    EXPECT_EQ(List(dlg, "category")->currentText(), "Birthday");
    EXPECT_EQ(Control<CNumberField>(dlg, "days")->text(), "3");
    EXPECT_TRUE(note->m_bEditing);
}

TEST_F(NoteEditDlgTest, NoteOfARemovedCategoryShowsNoCategory) {
    CNote* note =
        m_data.AddNote(std::make_unique<CNote>(kNoteMemo, "m", "", kNow, static_cast<WORD>(77)));
    CNoteEditDlg dlg(&m_data, kNow, note);
    EXPECT_EQ(List(dlg, "category")->currentIndex(), 0);
}

TEST_F(NoteEditDlgTest, HistoryCopyOpensOnlyTitleAndText) {
    CNote* copy =
        m_data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, "Paid", "", kNow, 1, 1, 1));
    copy->m_bHistory = 1;
    CNoteEditDlg dlg(&m_data, kNow, copy);
    EXPECT_EQ(dlg.windowTitle(), "Paid (History)");
    for (const char* name : {"category", "time", "unit", "ordinal", "weekDayList", "month"})
        EXPECT_FALSE(List(dlg, name)->isEnabled()) << name;
    for (const char* name : {"repeat", "weekDay", "end", "remind"})
        EXPECT_FALSE(Box(dlg, name)->isEnabled()) << name;
    EXPECT_FALSE(Control<CDatePicker>(dlg, "startDate")->isEnabled());
    EXPECT_FALSE(Control<CNumberField>(dlg, "days")->isEnabled());
    EXPECT_TRUE(Control<QLineEdit>(dlg, "title")->isEnabled());
    EXPECT_TRUE(Control<CRichTextField>(dlg, "text")->isEnabled());

    Control<QLineEdit>(dlg, "title")->setText("Paid in full");
    Press(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.Replaced());
    EXPECT_EQ(copy->m_strTitle, "Paid in full");
    EXPECT_EQ(copy->m_dtStart, kNow);
    EXPECT_TRUE(copy->m_bHistory);
}

TEST_F(NoteEditDlgTest, HolidayItemHasNoTimeCategoryOrReminder) {
    CRecurringNote item("New Holiday", "", COleDateTime(2000, 1, 1, 0, 0, 0), 0, kRepeatYear, 1, 0,
                        0, 1, 1, 1, 0);
    CNoteEditDlg dlg(nullptr, COleDateTime(2002, 1, 1, 0, 0, 0), &item);
    EXPECT_EQ(dlg.windowTitle(), "New Holiday");
    EXPECT_EQ(List(dlg, "time")->currentIndex(), -1);
    EXPECT_EQ(List(dlg, "category")->currentIndex(), -1);
    for (const char* name : {"time", "category", "unit"})
        EXPECT_FALSE(List(dlg, name)->isEnabled()) << name;
    for (const char* name : {"repeat", "remind", "end"})
        EXPECT_FALSE(Box(dlg, name)->isEnabled()) << name;
    EXPECT_TRUE(Box(dlg, "weekDay")->isEnabled());

    Click(Box(dlg, "weekDay"));
    EXPECT_FALSE(List(dlg, "unit")->isEnabled()); // still locked after a change
    Choose(List(dlg, "ordinal"), 2);
    Choose(List(dlg, "weekDayList"), 4);
    Choose(List(dlg, "month"), 10);
    Control<QLineEdit>(dlg, "title")->setText("Thanks Day");
    Control<CRichTextField>(dlg, "text")->SetRichText("family");
    Press(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(item.m_strTitle, "Thanks Day");
    EXPECT_EQ(item.m_strText, "family");
    EXPECT_TRUE(item.m_bByWeekDay);
    EXPECT_EQ(item.m_nWeekOrdinal, 3);
    EXPECT_EQ(item.m_nWeekDay, 5);
    EXPECT_EQ(item.m_nMonth, 11);
}

TEST_F(NoteEditDlgTest, TabWalksTheControlsInReadingOrder) {
    const struct {
        const char* state;
        std::function<void(CNoteEditDlg&)> set;
        std::vector<std::string> expected;
    } cases[] = {
        {"a new note as it opens",
         [](CNoteEditDlg&) {},
         {"Event", "Category", "Start", "Start time", "Repeat Every", "Remind Me Prior",
          "Days prior", "Note text", "OK", "Cancel"}},
        {"every control enabled",
         [](CNoteEditDlg& dlg) {
             Click(Box(dlg, "repeat"));
             Choose(List(dlg, "unit"), 5); // "Year"
             Click(Box(dlg, "weekDay"));
             Click(Box(dlg, "end"));
         },
         {"Event", "Category", "Start", "Start time", "Repeat Every", "Every", "Unit", "Week Day",
          "Ordinal", "Weekday", "Month", "End", "End date", "Remind Me Prior", "Days prior",
          "Note text", "OK", "Cancel"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        CNoteEditDlg dlg(&m_data, kNow, nullptr);
        dlg.show();
        c.set(dlg);
        EXPECT_EQ(TabWalk(Control<QLineEdit>(dlg, "title")), c.expected);
    }
}

TEST_F(NoteEditDlgTest, LongCategoryNameIsCutShortAndKeepsTheDialogNarrow) {
    // Two names longer than the box shows: the box asks the same width for both.
    CCalendarData other;
    m_data.m_arrCategories[1].m_strName = std::string(200, 'w');
    other.m_arrCategories[1].m_strName = std::string(40, 'w');
    CNoteEditDlg dlg(&m_data, kNow, nullptr);
    CNoteEditDlg shorter(&other, kNow, nullptr);
    auto* category = Control<CElidingCombo>(dlg, "category");
    EXPECT_EQ(category->sizeHint().width(),
              Control<CElidingCombo>(shorter, "category")->sizeHint().width());
    EXPECT_LE(dlg.minimumSizeHint().width(), 640); // OK and Cancel stay on a small screen

    dlg.show();
    Choose(category, 1);
    const QString shown = category->ShownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LT(shown.size(), 200);
    EXPECT_EQ(category->currentText().size(), 200); // the name itself stays whole
}
