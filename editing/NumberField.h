#pragma once
// An edit field for a whole number in a range. Reading it checks the range
// and, when the text does not fit, tells the user and puts the focus back in
// the field, so the dialog can stay open with everything as entered.

#include <QLineEdit>

class CNumberField : public QLineEdit {
    Q_OBJECT
public:
    CNumberField(int min, int max, QWidget* parent = nullptr);

    int Minimum() const { return m_nMin; }
    int Maximum() const { return m_nMax; }
    void SetValue(int value);
    // False after the message when the text is no number in the range.
    bool ReadValue(int& value);

private:
    int m_nMin;
    int m_nMax;
};
