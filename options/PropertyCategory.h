#pragma once
// CPropertyCategory: the "Categories" page of the options: the categories
// after the first, "New Category" and "Remove" of the selected ones. It works
// on copies; the sheet's OK hands them to the program.

#include "options/OptionPage.h"

#include <string>

class CCategoryOptions;
class QListWidget;

class CPropertyCategory : public COptionPage {
    Q_OBJECT
public:
    CPropertyCategory(CCategoryOptions& values, bool& opened, QWidget* parent = nullptr);

    void Enter() override;

    void OnNewCategory();
    void OnRemove();

private:
    void FillList();
    // One row: the name, with the category's ID as its data.
    void AddRow(const std::string& name, unsigned id);

    CCategoryOptions& m_values;
    bool& m_bOpened;
    QListWidget* m_pList = nullptr;
};
