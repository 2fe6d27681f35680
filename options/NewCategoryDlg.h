#pragma once
// CNewCategoryDlg: asks for the name of a new category.

#include <QDialog>

#include <string>

class QLineEdit;

class CNewCategoryDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewCategoryDlg(QWidget* parent = nullptr);

    // The name as typed; empty until OK.
    std::string m_strName;

public slots:
    void accept() override;

private:
    QLineEdit* m_pName = nullptr;
};
