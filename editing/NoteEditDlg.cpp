#include "editing/NoteEditDlg.h"

#include "editing/CategoryCombo.h"
#include "editing/DatePicker.h"
#include "editing/DialogLayout.h"
#include "editing/NumberField.h"
#include "res/Resources.h"
#include "res/StringTable.h"
#include "store/CalendarData.h"
#include "views/ElidingCombo.h"
#include "views/RichTextField.h"
#include "views/TabOrder.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace {

// The dialog's size at its 8-point font: 254 x 242 dialog units.
constexpr int kDialogWidth = 381;
constexpr int kDialogHeight = 393;

const char* const kUnitNames[] = {"Minute", "Hour", "Day", "Week", "Month", "Year"};

template <typename Widget> Widget* Named(Widget* widget, const char* name, int controlID) {
    // A control's tooltip is the string of its own number, where there is one.
    widget->setToolTip(QString::fromStdString(LoadString(controlID)));
    return CDialogLayout::Named(widget, name);
}

void FillFromStrings(QComboBox& combo, int firstID, int count) {
    for (int i = 0; i < count; ++i)
        combo.addItem(QString::fromStdString(LoadString(firstID + i)));
}

void SetIndex(QComboBox& combo, int index) {
    const QSignalBlocker block(combo);
    combo.setCurrentIndex(index < combo.count() ? index : -1);
}

void SetChecked(QCheckBox& box, BOOL checked) {
    const QSignalBlocker block(box);
    box.setChecked(checked != 0);
}

void SetDate(CDatePicker& picker, const COleDateTime& date) {
    const QSignalBlocker block(picker);
    picker.SetDate(date);
}

} // namespace

CNoteEditDlg::CNoteEditDlg(CCalendarData* data, const COleDateTime& initial, CNote* note,
                           QWidget* parent)
    : QDialog(parent), m_session(data, note), m_fields(m_session.InitialFields(initial)) {
    setWindowTitle(QString::fromStdString(m_fields.m_strCaption));
    setWindowIcon(resources::Icon(resources::kIconEditor));
    CreateControls();
    FillLists();
    m_pTitle->setText(QString::fromStdString(m_fields.m_strTitle));
    m_pText->SetRichText(m_fields.m_strText);
    const CNoteEditEnabling enabling = CNoteEditRules::Apply(m_fields, m_session.Mode());
    WriteControls(m_fields);
    Enable(enabling);
    ConnectControls();
    SetUpKeyboard();
    resize(kDialogWidth, kDialogHeight);
}

CNoteEditDlg::~CNoteEditDlg() = default;

void CNoteEditDlg::CreateControls() {
    m_pTitle = Named(new QLineEdit(this), "title", 1030);
    m_pCategory = Named(new CElidingCombo(this), "category", 1018);
    m_pText = Named(new CRichTextField(this), "text", 1015);

    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Event"), m_pTitle);
    top->addRow(QStringLiteral("Category"), CDialogLayout::Row({m_pCategory}));

    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &CNoteEditDlg::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &CNoteEditDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(CreateTimeGroup());
    layout->addWidget(CreateReminderGroup());
    layout->addWidget(m_pText, 1);
    layout->addWidget(m_pButtons);
}

QWidget* CNoteEditDlg::CreateTimeGroup() {
    auto* group = new QGroupBox(QStringLiteral("Time"), this);
    m_pStartDate = Named(new CDatePicker(group), "startDate", 1004);
    m_pTime = Named(new QComboBox(group), "time", 1021);
    m_pRepeat = Named(new QCheckBox(QStringLiteral("Repeat Every"), group), "repeat", 1008);
    m_pEvery = Named(new QSpinBox(group), "every", 1067);
    m_pEvery->setRange(CNoteEditRules::kMinEvery, CNoteEditRules::kMaxEvery);
    m_pUnit = Named(new QComboBox(group), "unit", 1068);
    m_pWeekDay = Named(new QCheckBox(QStringLiteral("Week Day"), group), "weekDay", 1009);
    m_pOrdinal = Named(new QComboBox(group), "ordinal", 1019);
    m_pWeekDayList = Named(new QComboBox(group), "weekDayList", 1010);
    m_pOf = Named(new QLabel(QStringLiteral("Of"), group), "of", 1020);
    m_pMonth = Named(new QComboBox(group), "month", 1011);
    m_pEnd = Named(new QCheckBox(QStringLiteral("End"), group), "end", 1012);
    m_pEndDate = Named(new CDatePicker(group), "endDate", 1005);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(
        CDialogLayout::Row({new QLabel(QStringLiteral("Start"), group), m_pStartDate, m_pTime}));
    layout->addLayout(CDialogLayout::Row({m_pRepeat, m_pEvery, m_pUnit}));
    layout->addLayout(
        CDialogLayout::Row({m_pWeekDay, m_pOrdinal, m_pWeekDayList, m_pOf, m_pMonth}));
    layout->addLayout(CDialogLayout::Row({m_pEnd, m_pEndDate}));
    return group;
}

QWidget* CNoteEditDlg::CreateReminderGroup() {
    auto* group = new QGroupBox(QStringLiteral("Reminder"), this);
    m_pRemind = Named(new QCheckBox(QStringLiteral("Remind Me Prior"), group), "remind", 1006);
    m_pDays = Named(new CNumberField(CNoteEditRules::kMinDays, CNoteEditRules::kMaxDays, group),
                    "days", 1093);
    m_pDays->setMaximumWidth(m_pDays->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    m_pDaysLabel = new QLabel(QStringLiteral("Day(s)"), group);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(CDialogLayout::Row({m_pRemind, m_pDays, m_pDaysLabel}));
    return group;
}

void CNoteEditDlg::FillLists() {
    if (CCalendarData* data = m_session.Data()) {
        CCategoryCombo::Fill(*m_pCategory, *data, 1);
        CCategoryCombo::Select(*m_pCategory, m_fields.m_wCategoryID);
    }
    for (int i = 0; i < CNoteEditRules::kTimeEntries; ++i)
        m_pTime->addItem(QString::fromStdString(CNoteEditRules::TimeText(i)));
    for (const char* unit : kUnitNames)
        m_pUnit->addItem(QString::fromLatin1(unit));
    FillFromStrings(*m_pOrdinal, IDS_FIRST, CNoteEditRules::kOrdinals);
    FillFromStrings(*m_pWeekDayList, IDS_SUNDAY, CNoteEditRules::kWeekDays);
    FillFromStrings(*m_pMonth, IDS_JANUARY, CNoteEditRules::kMonths);
}

void CNoteEditDlg::ConnectControls() {
    for (QCheckBox* box : {m_pRemind, m_pRepeat, m_pWeekDay, m_pEnd})
        connect(box, &QCheckBox::clicked, this, &CNoteEditDlg::UpdateControls);
    connect(m_pUnit, &QComboBox::activated, this, &CNoteEditDlg::UpdateControls);
    connect(m_pStartDate, &QDateEdit::dateChanged, this, &CNoteEditDlg::OnStartDateChanged);
    // The end date is judged once the user has settled on it (Enter, leaving
    // the field, a day picked in the calendar), not at every keystroke.
    connect(m_pEndDate, &QDateEdit::editingFinished, this, &CNoteEditDlg::OnEndDateEdited);
    connect(m_pEndDate->calendarWidget(), &QCalendarWidget::clicked, this,
            &CNoteEditDlg::OnEndDateEdited, Qt::QueuedConnection);
    connect(m_pText, &CRichTextField::linkClicked, this,
            [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
}

void CNoteEditDlg::SetUpKeyboard() {
    CTabOrder::Set({m_pTitle, m_pCategory, m_pStartDate, m_pTime, m_pRepeat, m_pEvery, m_pUnit,
                    m_pWeekDay, m_pOrdinal, m_pWeekDayList, m_pMonth, m_pEnd, m_pEndDate, m_pRemind,
                    m_pDays, m_pText, m_pButtons});
    // Tab leaves the text for OK; Ctrl+Tab types a tab into it.
    m_pText->setTabChangesFocus(true);
    const std::pair<QWidget*, const char*> names[] = {
        {m_pTitle, "Event"},      {m_pCategory, "Category"},   {m_pStartDate, "Start"},
        {m_pTime, "Start time"},  {m_pEvery, "Every"},         {m_pUnit, "Unit"},
        {m_pOrdinal, "Ordinal"},  {m_pWeekDayList, "Weekday"}, {m_pMonth, "Month"},
        {m_pEndDate, "End date"}, {m_pDays, "Days prior"},     {m_pText, "Note text"}};
    for (const auto& [control, name] : names)
        control->setAccessibleName(QString::fromLatin1(name));
}

bool CNoteEditDlg::ReadControls(CNoteEditFields& f) {
    if (!m_pDays->ReadValue(f.m_nRemindDays)) return false;
    f.m_strTitle = m_pTitle->text().toStdString();
    if (m_session.HasData()) f.m_wCategoryID = CCategoryCombo::SelectedID(*m_pCategory);
    f.m_dtStartDate = m_pStartDate->GetDate();
    f.m_nTimeIndex = m_pTime->currentIndex();
    f.m_bRepeat = m_pRepeat->isChecked();
    f.m_nRepeatEvery = m_pEvery->value();
    f.m_nRepeatUnit = m_pUnit->currentIndex();
    f.m_bWeekDay = m_pWeekDay->isChecked();
    f.m_nOrdinal = m_pOrdinal->currentIndex();
    f.m_nWeekDay = m_pWeekDayList->currentIndex();
    f.m_nMonth = m_pMonth->currentIndex();
    f.m_bEnd = m_pEnd->isChecked();
    f.m_dtEndDate = m_pEndDate->GetDate();
    f.m_bRemind = m_pRemind->isChecked();
    return true;
}

void CNoteEditDlg::WriteControls(const CNoteEditFields& f) {
    SetDate(*m_pStartDate, f.m_dtStartDate);
    SetIndex(*m_pTime, f.m_nTimeIndex);
    SetChecked(*m_pRepeat, f.m_bRepeat);
    {
        const QSignalBlocker block(m_pEvery);
        m_pEvery->setValue(f.m_nRepeatEvery);
    }
    SetIndex(*m_pUnit, f.m_nRepeatUnit);
    SetChecked(*m_pWeekDay, f.m_bWeekDay);
    SetIndex(*m_pOrdinal, f.m_nOrdinal);
    SetIndex(*m_pWeekDayList, f.m_nWeekDay);
    SetIndex(*m_pMonth, f.m_nMonth);
    SetChecked(*m_pEnd, f.m_bEnd);
    SetDate(*m_pEndDate, f.m_dtEndDate);
    SetChecked(*m_pRemind, f.m_bRemind);
    m_pDays->SetValue(f.m_nRemindDays);
}

void CNoteEditDlg::UpdateControls() {
    if (!ReadControls(m_fields)) return;
    const CNoteEditEnabling enabling = CNoteEditRules::Apply(m_fields, m_session.Mode());
    WriteControls(m_fields);
    Enable(enabling);
}

void CNoteEditDlg::Enable(const CNoteEditEnabling& e) {
    m_pCategory->setEnabled(e.m_bCategory && m_session.HasData());
    m_pStartDate->setEnabled(e.m_bStartDate);
    m_pTime->setEnabled(e.m_bTime);
    m_pRepeat->setEnabled(e.m_bRepeat);
    m_pEvery->setEnabled(e.m_bEvery);
    m_pUnit->setEnabled(e.m_bUnit);
    m_pWeekDay->setEnabled(e.m_bWeekDay);
    m_pOrdinal->setEnabled(e.m_bOrdinal);
    m_pWeekDayList->setEnabled(e.m_bWeekDayList);
    m_pOf->setEnabled(e.m_bOf);
    m_pMonth->setEnabled(e.m_bMonth);
    m_pEnd->setEnabled(e.m_bEnd);
    m_pEndDate->setEnabled(e.m_bEndDate);
    m_pRemind->setEnabled(e.m_bRemind);
    m_pDays->setEnabled(e.m_bDays);
}

void CNoteEditDlg::OnStartDateChanged() {
    m_fields.m_dtStartDate = m_pStartDate->GetDate();
    m_fields.m_dtEndDate = m_pEndDate->GetDate();
    CNoteEditRules::StartDateChanged(m_fields);
    SetDate(*m_pEndDate, m_fields.m_dtEndDate);
}

void CNoteEditDlg::OnEndDateEdited() {
    // Leaving the field without changing it is no choice to judge.
    if (m_pEndDate->GetDate() == m_fields.m_dtEndDate) return;
    m_fields.m_dtStartDate = m_pStartDate->GetDate();
    m_fields.m_dtEndDate = m_pEndDate->GetDate();
    // A day that breaks the rule is quietly put on the first one that keeps
    // it; the warning is kept for OK, so picking never stops on a message.
    if (CNoteEditRules::EndDateChanged(m_fields, COleDateTime::GetCurrentTime())) return;
    SetDate(*m_pEndDate, m_fields.m_dtEndDate);
}

void CNoteEditDlg::accept() {
    CNoteEditFields f = m_fields;
    if (!ReadControls(f)) return;
    f.m_strText = m_pText->GetRichText();
    f.m_strPlainText = m_pText->GetPlainText();
    if (m_session.Commit(f, COleDateTime::GetCurrentTime()) == CNoteEditSession::kDone)
        QDialog::accept();
}
