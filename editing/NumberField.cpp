#include "editing/NumberField.h"

#include "editing/RangeCheck.h"
#include "store/MessageBox.h"

#include <QRegularExpressionValidator>

namespace {

// Room for any int and a sign; longer input is refused while typing.
constexpr int kMaxDigits = 10;

} // namespace

CNumberField::CNumberField(int min, int max, QWidget* parent)
    : QLineEdit(parent), m_nMin(min), m_nMax(max) {
    const QString pattern = min < 0 ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    setMaxLength(kMaxDigits);
}

void CNumberField::SetValue(int value) {
    setText(QString::number(value));
}

bool CNumberField::ReadValue(int& value) {
    const CRangeCheck::Result result =
        CRangeCheck::Read(text().toStdString(), m_nMin, m_nMax, value);
    if (result == CRangeCheck::kValid) return true;
    CMessageBox::Current().Show(CRangeCheck::Message(result, m_nMin, m_nMax), kCaptionProgram,
                                CMessageBox::kIconWarning, CMessageBox::kButtonsOk);
    setFocus();
    selectAll();
    return false;
}
