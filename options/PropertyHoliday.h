#pragma once
// CPropertyHoliday: the "Holiday" page of the options: the holidays of
// "Holiday.txt" with their descriptions, "Add" through the note editor and
// "Remove" of the selected rows. The page changes only its own records; the
// file is rewritten from them when the sheet is confirmed.

#include "options/OptionPage.h"

class CHolidayRecords;
class QPushButton;
class QTableWidget;

class CPropertyHoliday : public COptionPage {
    Q_OBJECT
public:
    CPropertyHoliday(CHolidayRecords& records, bool& opened, QWidget* parent = nullptr);

    // The first showing fills the list from the file.
    void Enter() override;

    void OnAdd();
    void OnRemove();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillList();
    void AppendRow(int row);
    void SetColumnWidths();

    CHolidayRecords& m_records;
    bool& m_bOpened;
    QTableWidget* m_pList = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pRemove = nullptr;
};
