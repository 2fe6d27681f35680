#include "views/NoteListWnd.h"

#include "store/CalendarData.h"
#include "views/NoteList.h"
#include "views/NoteListRows.h"
#include "views/NoteListRules.h"
#include "views/SortHeaderCtrl.h"

#include <QVBoxLayout>

CNoteListWnd::CNoteListWnd(CCalendarData& data, CCalendarActions& actions, QWidget* parent)
    : QWidget(parent), m_data(data), m_pList(new CNoteList(data, actions, this)),
      m_nPeriod(NoteListPeriod(data.m_nListFilter)), m_nSortOrder(kSortDateAscending) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pList);
    m_pList->Header().SetSortMark(SortColumn(m_nSortOrder), SortDescending(m_nSortOrder));
    connect(&m_pList->Header(), &QHeaderView::sectionClicked, this, &CNoteListWnd::OnHeaderClicked);
    connect(m_pList, &CNoteList::RefillRequested, this, &CNoteListWnd::Refill);
    Refill();
}

void CNoteListWnd::SetPeriod(int period) {
    m_nPeriod = NoteListPeriod(period);
    m_data.m_nListFilter = m_nPeriod;
    Refill();
}

void CNoteListWnd::Refill() {
    std::vector<CNote*> notes;
    m_data.GetNotes(notes, m_nPeriod, static_cast<WORD>(m_data.m_nCategoryFilter), m_nSortOrder);
    m_pList->Fill(notes, m_nPeriod);
}

void CNoteListWnd::ShowList() {
    Refill();
    show();
}

void CNoteListWnd::OnCommand(int command) {
    m_pList->OnCommand(command);
}

void CNoteListWnd::OnHeaderClicked(int column) {
    const int sortOrder = SortAfterHeaderClick(m_nSortOrder, column);
    if (sortOrder == m_nSortOrder) return;
    m_nSortOrder = sortOrder;
    m_pList->Header().SetSortMark(SortColumn(sortOrder), SortDescending(sortOrder));
    Refill();
}
