#include "views/MonthListPopup.h"

#include "zadad/OleDateTime.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr int kVisibleItems = 20;
} // namespace

CMonthListPopup::CMonthListPopup(QWidget* owner)
    : QFrame(owner, Qt::Popup | Qt::FramelessWindowHint), m_pOwner(owner),
      m_pList(new QListWidget(this)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    m_pList->setObjectName(QString::number(kListID));
    m_pList->setFrameStyle(QFrame::NoFrame);
    m_pList->setUniformItemSizes(true);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_pList);
    connect(m_pList, &QListWidget::currentRowChanged, this, &CMonthListPopup::OnCurrentRowChanged);
}

bool CMonthListPopup::Create(const QPoint& screenPos, int mode, int year, int month) {
    if (mode != kMonthMode) return false;
    const int currentYear = COleDateTime::GetCurrentTime().GetYear();
    for (const CMonthListItem& item : MonthListItems(currentYear)) {
        auto* entry = new QListWidgetItem(QString::fromStdString(item.text), m_pList);
        entry->setData(Qt::UserRole, item.data);
    }
    // As wide as "January, 33333" plus a margin, or as the widest month
    // where a font draws that one wider, and room for the scroll bar.
    const QFontMetrics metrics(m_pList->font());
    int textWidth = metrics.horizontalAdvance("January, 33333");
    for (int i = 0; i < m_pList->count(); ++i)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(m_pList->item(i)->text()));
    const int rowHeight = std::max(m_pList->sizeHintForRow(0), metrics.height());
    resize(textWidth + 12 + m_pList->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2,
           rowHeight * kVisibleItems + 2);
    move(screenPos);
    show();
    // Scrolled first so that the eight months after the selected one show,
    // then selected.
    const int selected = MonthListSelection(year, month, m_pList->count());
    const int scrollTo = MonthListScrollTarget(selected, m_pList->count());
    if (scrollTo >= 0) {
        m_pList->scrollToItem(m_pList->item(scrollTo));
        m_pList->setCurrentRow(selected);
    }
    m_pList->setFocus();
    m_choice.Initialised();
    return true;
}

void CMonthListPopup::OnCurrentRowChanged(int row) {
    if (row < 0) return;
    const int data = m_pList->item(row)->data(Qt::UserRole).toInt();
    if (m_choice.SelectionChanged(data) != CMonthListChoice::Report::Chosen) return;
    hide();
    emit reported(1);
}

void CMonthListPopup::hideEvent(QHideEvent* event) {
    // A pop-up hides when the user clicks anywhere else: that dismisses it.
    QFrame::hideEvent(event);
    if (m_choice.FocusLost() == CMonthListChoice::Report::Dismissed) emit reported(0);
}
