#include "options/PropertyCategory.h"

#include "options/CategoryOptions.h"
#include "options/NewCategoryDlg.h"
#include "views/TabOrder.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CPropertyCategory::CPropertyCategory(CCategoryOptions& values, bool& opened, QWidget* parent)
    : COptionPage(parent), m_values(values), m_bOpened(opened) {
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("categories"));
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setAccessibleName(QStringLiteral("Categories"));
    auto* add = new QPushButton(QStringLiteral("New Category"), this);
    add->setObjectName(QStringLiteral("newCategory"));
    auto* remove = new QPushButton(QStringLiteral("Remove"), this);
    remove->setObjectName(QStringLiteral("removeCategory"));
    connect(add, &QPushButton::clicked, this, &CPropertyCategory::OnNewCategory);
    connect(remove, &QPushButton::clicked, this, &CPropertyCategory::OnRemove);
    CTabOrder::Set({m_pList, add, remove});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList, 1);
    layout->addLayout(buttons);
}

void CPropertyCategory::Enter() {
    if (m_bOpened) return;
    m_bOpened = true;
    FillList();
}

void CPropertyCategory::FillList() {
    m_pList->clear();
    const std::vector<std::string> names = m_values.ShownNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        AddRow(names[i], m_values.m_arrIDs[i + 1]);
}

void CPropertyCategory::AddRow(const std::string& name, unsigned id) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), m_pList);
    item->setData(Qt::UserRole, id);
}

void CPropertyCategory::OnNewCategory() {
    CNewCategoryDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted || !m_values.Add(dialog.m_strName)) return;
    AddRow(dialog.m_strName, m_values.m_arrIDs.back());
}

void CPropertyCategory::OnRemove() {
    std::vector<int> rows;
    for (const QListWidgetItem* item : m_pList->selectedItems())
        rows.push_back(m_pList->row(item));
    if (rows.empty()) return;
    m_values.Remove(rows);
    FillList();
}
