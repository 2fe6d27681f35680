#include "options/NewCategoryDlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CNewCategoryDlg::CNewCategoryDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Category"));
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("name"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewCategoryDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewCategoryDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pName);
    layout->addWidget(buttons);
}

void CNewCategoryDlg::accept() {
    m_strName = m_pName->text().toStdString();
    QDialog::accept();
}
