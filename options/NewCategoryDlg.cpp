#include "options/NewCategoryDlg.h"

#include "views/TabOrder.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CNewCategoryDlg::CNewCategoryDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Category"));
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("name"));
    m_pName->setAccessibleName(QStringLiteral("Name"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewCategoryDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewCategoryDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pName);
    layout->addWidget(buttons);
    CTabOrder::Set({m_pName, buttons});
}

void CNewCategoryDlg::accept() {
    m_strName = m_pName->text().toStdString();
    QDialog::accept();
}
