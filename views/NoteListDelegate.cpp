#include "views/NoteListDelegate.h"

#include "res/Resources.h"
#include "store/CalendarData.h"
#include "views/NoteListModel.h"
#include "views/ViewColors.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QPainter>

namespace {

// Space between the cell's edges and its text, and between image and text.
constexpr int kCellMargin = 4;
constexpr int kIconGap = 2;
// Reminders are drawn this much bluer than other notes.
constexpr int kReminderBlue = 80;

} // namespace

CNoteListDelegate::CNoteListDelegate(const CCalendarData& data, QObject* parent)
    : QStyledItemDelegate(parent), m_data(data) {}

void CNoteListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const CViewColors colors = CurrentViewColors(m_data.m_crText);
    const bool selected = option.state & QStyle::State_Selected;
    COLORREF text = colors.text;
    if (index.data(kReminderRole).toBool()) text = CUtility::AdjustColor(text, 0, 0, kReminderBlue);
    painter->save();
    painter->fillRect(option.rect, ToQColor(selected ? colors.windowTexture : colors.page));
    QRect area = option.rect.adjusted(kCellMargin, 0, -kCellMargin, 0);
    if (index.column() == kColumnTime) {
        const QPixmap icon = resources::NoteIcon(index.data(kNoteIconRole).toInt());
        if (!icon.isNull()) {
            const int top = area.top() + (area.height() - icon.height()) / 2;
            painter->drawPixmap(area.left(), top, icon);
            area.setLeft(area.left() + icon.width() + kIconGap);
        }
    }
    painter->setFont(option.font);
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : ToQColor(text));
    const Qt::Alignment across = index.column() == kColumnTime ? Qt::AlignHCenter : Qt::AlignLeft;
    const QString shown =
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, area.width());
    painter->drawText(area, across | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
}
