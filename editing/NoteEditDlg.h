#pragma once
// CNoteEditDlg: the modal dialog in which a note is created or changed:
// title, category, start date and time, repetition, end date, reminder and
// the rich text. The decisions live in CNoteEditRules and CNoteEditSession;
// this class moves values between them and the controls.

#include "editing/NoteEditRules.h"
#include "editing/NoteEditSession.h"

#include <QDialog>

class CCalendarData;
class CDatePicker;
class CNumberField;
class CRichTextField;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class CNoteEditDlg : public QDialog {
    Q_OBJECT
public:
    // data is null for a holiday item of the options; note is null for a new
    // note, which starts at initial.
    CNoteEditDlg(CCalendarData* data, const COleDateTime& initial, CNote* note,
                 QWidget* parent = nullptr);
    ~CNoteEditDlg() override;

    // After OK: the note as it now stands (a new object when it was replaced).
    CNote* Note() const { return m_session.Note(); }
    bool Replaced() const { return m_session.Replaced(); }

public slots:
    void accept() override;

private:
    void CreateControls();
    QWidget* CreateTimeGroup();
    QWidget* CreateReminderGroup();
    void FillLists();
    void ConnectControls();
    // Tab in reading order, and names for the controls that show no text.
    void SetUpKeyboard();

    // Controls to fields; false after the range message.
    bool ReadControls(CNoteEditFields& f);
    void WriteControls(const CNoteEditFields& f);
    // The enabling rules, after any change of the boxes or the unit.
    void UpdateControls();
    void Enable(const CNoteEditEnabling& e);
    void OnStartDateChanged();
    void OnEndDateEdited();

    CNoteEditSession m_session;
    CNoteEditFields m_fields;

    QLineEdit* m_pTitle = nullptr;
    QComboBox* m_pCategory = nullptr;
    CDatePicker* m_pStartDate = nullptr;
    QComboBox* m_pTime = nullptr;
    QCheckBox* m_pRepeat = nullptr;
    QSpinBox* m_pEvery = nullptr;
    QComboBox* m_pUnit = nullptr;
    QCheckBox* m_pWeekDay = nullptr;
    QComboBox* m_pOrdinal = nullptr;
    QComboBox* m_pWeekDayList = nullptr;
    QLabel* m_pOf = nullptr;
    QComboBox* m_pMonth = nullptr;
    QCheckBox* m_pEnd = nullptr;
    CDatePicker* m_pEndDate = nullptr;
    QCheckBox* m_pRemind = nullptr;
    CNumberField* m_pDays = nullptr;
    QLabel* m_pDaysLabel = nullptr;
    CRichTextField* m_pText = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
};
