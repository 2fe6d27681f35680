#include "reminders/SnoozeRow.h"

#include "reminders/SnoozeInput.h"
#include "res/StringTable.h"
#include "store/MessageBox.h"
#include "views/HoverButton.h"
#include "views/TabOrder.h"
#include "zadad/QtTypes.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Control numbers, whose tooltips are the string-table entries of the same number.
constexpr int kIdOk = 1;
constexpr int kIdHours = 1001;
constexpr int kIdMinutes = 1065;
constexpr int kIdCheck = 1142;

QString Tip(int id) {
    return QString::fromStdString(LoadString(id));
}

} // namespace

CSnoozeRow::CSnoozeRow(QWidget* window)
    : QObject(window), m_pCheck(new QCheckBox(QStringLiteral("Remind me again after"), window)),
      m_pHours(new QLineEdit(window)), m_pHoursLabel(new QLabel(QStringLiteral("hours"), window)),
      m_pMinutes(new QLineEdit(window)),
      m_pMinutesLabel(new QLabel(QStringLiteral("minutes"), window)),
      m_pOk(new CHoverButton(window)) {
    m_pOk->SetText(QStringLiteral("OK"));
    m_pOk->setDefault(true);
    m_pCheck->setToolTip(Tip(kIdCheck));
    m_pHours->setToolTip(Tip(kIdHours));
    m_pMinutes->setToolTip(Tip(kIdMinutes));
    m_pOk->setToolTip(Tip(kIdOk));
    for (QLineEdit* field : {m_pHours, m_pMinutes}) {
        field->setAccessibleName(field->toolTip()); // the numbers have no label before them
        field->setAlignment(Qt::AlignRight);
        field->setMaxLength(4);
        field->installEventFilter(this);
    }
    connect(m_pOk, &QPushButton::clicked, this, &CSnoozeRow::okClicked);
    CTabOrder::Set({m_pCheck, m_pHours, m_pMinutes, m_pOk});
    SetDefaults();
}

void CSnoozeRow::SetGeometry(const CNoteLayout::Alarm& layout) {
    m_pCheck->setGeometry(ToQRect(layout.rcCheck));
    m_pHours->setGeometry(ToQRect(layout.rcHours));
    m_pHoursLabel->setGeometry(ToQRect(layout.rcHoursLabel));
    m_pMinutes->setGeometry(ToQRect(layout.rcMinutes));
    m_pMinutesLabel->setGeometry(ToQRect(layout.rcMinutesLabel));
    m_pOk->setGeometry(ToQRect(layout.rcOk));
}

int CSnoozeRow::HoursLabelWidth() const {
    return m_pHoursLabel->sizeHint().width();
}

int CSnoozeRow::MinutesLabelWidth() const {
    return m_pMinutesLabel->sizeHint().width();
}

void CSnoozeRow::SetVisible(bool visible) {
    for (QWidget* control : std::initializer_list<QWidget*>{m_pCheck, m_pHours, m_pHoursLabel,
                                                            m_pMinutes, m_pMinutesLabel, m_pOk})
        control->setVisible(visible);
}

void CSnoozeRow::Untick() {
    m_pCheck->setChecked(false);
}

void CSnoozeRow::SetDefaults() {
    m_pHours->setText(QString::number(CSnoozeInput::kDefaultHours));
    m_pMinutes->setText(QString::number(CSnoozeInput::kDefaultMinutes));
}

bool CSnoozeRow::IsTicked() const {
    return m_pCheck->isChecked();
}

bool CSnoozeRow::Read(int& hours, int& minutes) {
    return ReadField(m_pHours, CSnoozeInput::kMaxHours, hours) &&
           ReadField(m_pMinutes, CSnoozeInput::kMaxMinutes, minutes);
}

bool CSnoozeRow::ReadField(QLineEdit* field, int high, int& value) {
    std::string message;
    if (CSnoozeInput::ReadField(field->text().toStdString(), 0, high, value, message)) return true;
    CMessageBox::Current().Show(message, kCaptionProgram, CMessageBox::kIconWarning,
                                CMessageBox::kButtonsOk);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return false;
}

bool CSnoozeRow::eventFilter(QObject* watched, QEvent* event) {
    // Typing a delay means the user wants to be reminded again.
    if (event->type() == QEvent::FocusIn && (watched == m_pHours || watched == m_pMinutes))
        m_pCheck->setChecked(true);
    return QObject::eventFilter(watched, event);
}
