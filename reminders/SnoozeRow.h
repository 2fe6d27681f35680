#pragma once
// The snooze row of an alarm window: "Remind me again after" N "hours" M
// "minutes", and "OK". Focusing either number ticks the box; reading the
// numbers checks their ranges and tells the user when one is out of range.

#include "reminders/NoteLayout.h"

#include <QObject>

class CHoverButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

class CSnoozeRow : public QObject {
    Q_OBJECT
public:
    // The controls are made children of window.
    explicit CSnoozeRow(QWidget* window);

    void SetGeometry(const CNoteLayout::Alarm& layout);
    // The widths the labels need in their font.
    int HoursLabelWidth() const;
    int MinutesLabelWidth() const;
    void SetVisible(bool visible);
    // Unticks "Remind me again after".
    void Untick();
    // Back to 0 hours and 15 minutes.
    void SetDefaults();
    bool IsTicked() const;
    // The two numbers. False, after the range message, when one of them is
    // no whole number in its range; the focus then goes to that field.
    bool Read(int& hours, int& minutes);

    QCheckBox* Check() const { return m_pCheck; }
    QLineEdit* Hours() const { return m_pHours; }
    QLineEdit* Minutes() const { return m_pMinutes; }
    CHoverButton* Ok() const { return m_pOk; }

signals:
    void okClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ReadField(QLineEdit* field, int high, int& value);

    QCheckBox* m_pCheck;
    QLineEdit* m_pHours;
    QLabel* m_pHoursLabel;
    QLineEdit* m_pMinutes;
    QLabel* m_pMinutesLabel;
    CHoverButton* m_pOk;
};
