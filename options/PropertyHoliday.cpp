#include "options/PropertyHoliday.h"

#include "almanac/HolidayNote.h"
#include "editing/NoteEditDlg.h"
#include "options/HolidayRecords.h"
#include "views/TabOrder.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include <set>

namespace {

// The date the editor opens a new holiday item on.
const COleDateTime kNewHolidayDate(2002, 1, 1, 0, 0, 0);

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

CPropertyHoliday::CPropertyHoliday(CHolidayRecords& records, bool& opened, QWidget* parent)
    : COptionPage(parent), m_records(records), m_bOpened(opened) {
    m_pList = new QTableWidget(0, 2, this);
    m_pList->setObjectName(QStringLiteral("holidays"));
    m_pList->setHorizontalHeaderLabels({QStringLiteral("Holiday"), QStringLiteral("Description")});
    m_pList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pList->verticalHeader()->hide();
    m_pList->setShowGrid(true);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setWordWrap(false);
    m_pList->verticalHeader()->setDefaultSectionSize(m_pList->fontMetrics().height() + 4);
    m_pAdd = new QPushButton(QStringLiteral("Add"), this);
    m_pAdd->setObjectName(QStringLiteral("addHoliday"));
    m_pRemove = new QPushButton(QStringLiteral("Remove"), this);
    m_pRemove->setObjectName(QStringLiteral("removeHoliday"));
    connect(m_pAdd, &QPushButton::clicked, this, &CPropertyHoliday::OnAdd);
    connect(m_pRemove, &QPushButton::clicked, this, &CPropertyHoliday::OnRemove);
    // Rows are chosen whole: Tab goes on to the buttons, not from cell to cell.
    m_pList->setTabKeyNavigation(false);
    m_pList->setAccessibleName(QStringLiteral("Holidays"));
    CTabOrder::Set({m_pList, m_pAdd, m_pRemove});
}

void CPropertyHoliday::Enter() {
    if (m_bOpened) return;
    m_bOpened = true;
    m_records.Load();
    FillList();
}

void CPropertyHoliday::FillList() {
    m_pList->setRowCount(0);
    for (std::size_t row = 0; row < m_records.Count(); ++row)
        AppendRow(static_cast<int>(row));
}

void CPropertyHoliday::AppendRow(int row) {
    const CHolidayNote& holiday = m_records.At(static_cast<std::size_t>(row));
    m_pList->insertRow(row);
    m_pList->setItem(row, 0, Cell(holiday.m_strTitle));
    m_pList->setItem(row, 1, Cell(holiday.m_strText));
}

void CPropertyHoliday::SetColumnWidths() {
    const int edge = m_pList->frameWidth();
    const int thumb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int width = m_pList->width() - 2 * edge - thumb;
    m_pList->horizontalHeader()->resizeSection(0, width * 2 / 5);
    m_pList->horizontalHeader()->resizeSection(1, width * 3 / 5);
}

void CPropertyHoliday::resizeEvent(QResizeEvent* event) {
    COptionPage::resizeEvent(event);
    const QSize button = m_pAdd->sizeHint();
    const int w = width();
    const int h = height();
    m_pList->setGeometry(1, 1, w - 2, h - button.height() - 6);
    const int y = h - button.height() - 3;
    m_pAdd->setGeometry((w - (2 * button.width() + 6)) / 2, y, button.width(), button.height());
    m_pRemove->setGeometry(w / 2 + 3, y, button.width(), button.height());
    SetColumnWidths();
}

void CPropertyHoliday::OnAdd() {
    std::unique_ptr<CHolidayNote> holiday = CHolidayRecords::MakeNew();
    CNoteEditDlg editor(nullptr, kNewHolidayDate, holiday.get(), this);
    if (editor.exec() != QDialog::Accepted) return; // the record goes with the editor
    m_records.Append(std::move(holiday));
    AppendRow(static_cast<int>(m_records.Count()) - 1);
}

void CPropertyHoliday::OnRemove() {
    std::set<int> rows;
    for (const QModelIndex& index : m_pList->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty()) return;
    m_records.Remove(std::vector<int>(rows.begin(), rows.end()));
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        m_pList->removeRow(*it);
}
