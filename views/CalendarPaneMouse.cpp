// The calendar pane under the mouse: selecting, the scroll and edge cursors,
// the wheel, the tip over a cut-off note, the context menu and dragging a
// note out onto the desktop.
#include "views/CalendarPane.h"

#include "store/CalendarData.h"
#include "views/CalendarActions.h"
#include "views/GridGeometry.h"
#include "views/NoteCommandRules.h"
#include "views/TipWnd.h"
#include "zadad/QtTypes.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// How near an edge the scroll and move cursors take over.
constexpr int kEdgeZone = 6;
// The tip opens this far from the mouse, clear of the cursor.
const QPoint kTipOffset(12, 16);

} // namespace

int CalendarPane::HitTest(const QPoint& point) {
    EnsureLayout();
    for (int i = 0; i < m_grid.CellCount(); ++i)
        if (m_cells[i].Rect().contains(point)) return i;
    return -1;
}

QRect CalendarPane::DayCellRect(const COleDateTime& day) {
    EnsureLayout();
    const int cell = m_grid.CellOf(day);
    return cell >= 0 ? m_cells[cell].Rect() : QRect();
}

QRect CalendarPane::NoteItemRect(const COleDateTime& day, int item) {
    EnsureLayout();
    const int cell = m_grid.CellOf(day);
    if (cell < 0) return QRect();
    const CItemPlacement& placed = m_cells[cell].Placement();
    if (item < 0 || item >= static_cast<int>(placed.rects.size())) return QRect();
    return ToQRect(placed.rects[item]);
}

void CalendarPane::SelectAt(const QPoint& point) {
    const int cell = HitTest(point);
    if (cell >= 0) {
        bool changed = false;
        if (cell != m_grid.SelectedCell()) {
            m_grid.SelectCell(cell);
            m_nSelectedItem = -1;
            changed = true;
        }
        const int item = m_cells[cell].ItemAt(point);
        changed = changed || item != m_nSelectedItem;
        m_nSelectedItem = item;
        m_wSelectedNote = item >= 0 ? m_cells[cell].ItemNote(item) : 0;
        if (changed) update();
    }
    emit SelectedDateChanged(m_grid.SelectedDate());
    setFocus(Qt::MouseFocusReason);
}

void CalendarPane::ScrollCell(int cell, int n) {
    if (cell < 0 || cell >= m_grid.CellCount() || !m_cells[cell].Scroll(n)) return;
    m_pTip->Hide();
    update();
}

CalendarPane::Cursor CalendarPane::CursorAt(const QPoint& point) {
    const int cell = HitTest(point);
    if (cell >= 0) {
        const CDayCell& hovered = m_cells[cell];
        const QRect area = hovered.ItemArea();
        const CItemPlacement& placed = hovered.Placement();
        const bool inColumn = point.x() >= area.left() && point.x() <= area.right();
        if (inColumn && placed.CanScrollDown() && point.y() > area.bottom() - kEdgeZone &&
            point.y() <= area.bottom())
            return Cursor::ScrollDown;
        if (inColumn && placed.CanScrollUp() && point.y() >= area.top() &&
            point.y() < area.top() + kEdgeZone)
            return Cursor::ScrollUp;
    }
    if (point.x() < kEdgeZone) return Cursor::Back;
    if (point.x() >= width() - kEdgeZone) return Cursor::Forward;
    return Cursor::Arrow;
}

void CalendarPane::SetCursorKind(Cursor kind) {
    if (kind == m_cursor) return;
    m_cursor = kind;
    setCursor(m_cursors[static_cast<std::size_t>(kind)]);
}

// A click in the week grid makes the selected day's month the one the title names.
void CalendarPane::FollowSelectedMonth() {
    if (m_grid.IsMonth()) return;
    const COleDateTime day = m_grid.SelectedDate();
    if (day.GetYear() == m_grid.Year() && day.GetMonth() == m_grid.Month()) return;
    m_grid.SetShownMonth(day.GetYear(), day.GetMonth());
    emit PeriodChanged();
}

void CalendarPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pTip->Hide();
    const QPoint point = event->position().toPoint();
    switch (m_cursor) {
    case Cursor::ScrollUp:
        ScrollCell(HitTest(point), -1);
        break;
    case Cursor::ScrollDown:
        ScrollCell(HitTest(point), +1);
        break;
    case Cursor::Back:
    case Cursor::Forward:
        Move(m_cursor == Cursor::Back ? -1 : +1);
        emit PeriodChanged();
        break;
    default:
        break;
    }
    SelectAt(point);
    FollowSelectedMonth();
    m_bPressed = true;
    m_ptPress = point;
}

void CalendarPane::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (!(event->buttons() & Qt::LeftButton)) {
        if (m_pTip->isVisible() && point != m_ptTipAnchor) m_pTip->Hide();
        SetCursorKind(CursorAt(point));
        return;
    }
    if (m_bDragging || !m_bPressed) return;
    if (m_pTip->isVisible()) {
        m_pTip->Hide();
        return;
    }
    const CNote* note = SelectedNote();
    if (m_cursor != Cursor::Arrow || !note || !CanDragNote(*note) ||
        (point - m_ptPress).manhattanLength() < QApplication::startDragDistance())
        return;
    m_bDragging = true;
    SetCursorKind(Cursor::Drag);
    grabMouse();
}

void CalendarPane::mouseReleaseEvent(QMouseEvent* event) {
    m_bPressed = false;
    if (m_bDragging && event->button() == Qt::LeftButton)
        EndDrag(event->globalPosition().toPoint());
}

// The note goes onto the desktop where the mouse let go; its day stays.
void CalendarPane::EndDrag(const QPoint& globalPos) {
    m_bDragging = false;
    releaseMouse();
    SetCursorKind(Cursor::Arrow);
    CNote* note = SelectedNote();
    if (note && CanDragNote(*note)) m_actions.ShowNotesAt({note}, globalPos);
}

void CalendarPane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_bDragging) {
        m_bDragging = false;
        releaseMouse();
        SetCursorKind(Cursor::Arrow);
    }
    if (event->button() != Qt::LeftButton || m_cursor != Cursor::Arrow) return;
    const QPoint point = event->position().toPoint();
    const int cell = HitTest(point);
    if (cell < 0 || cell != m_grid.SelectedCell()) return;
    const int item = m_cells[cell].ItemAt(point);
    const COleDateTime day = m_cells[cell].Day();
    if (item < 0) {
        EditOrCreate(nullptr, day);
    } else if (CNote* note = m_data.LookupNote(m_cells[cell].ItemNote(item))) {
        EditOrCreate(note, day);
    }
}

void CalendarPane::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y();
    if (steps == 0) return;
    const QPoint point = event->position().toPoint();
    const int cell = HitTest(point);
    if (cell >= 0 && m_cells[cell].Placement().bOverflow) {
        // Toward the user scrolls down, away scrolls up.
        ScrollCell(cell, steps < 0 ? +1 : -1);
        SelectAt(point);
    }
    event->accept();
}

void CalendarPane::leaveEvent(QEvent* event) {
    m_pTip->Hide();
    if (!m_bDragging) SetCursorKind(Cursor::Arrow);
    QWidget::leaveEvent(event);
}

bool CalendarPane::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        ShowTipAt(static_cast<QHelpEvent*>(event)->pos());
        return true;
    }
    return QWidget::event(event);
}

// The mouse rests: a note cut off in its cell shows its whole text.
void CalendarPane::ShowTipAt(const QPoint& point) {
    if (m_pTip->isVisible() || m_bDragging) return;
    const int cell = HitTest(point);
    if (cell < 0) return;
    const int item = m_cells[cell].ItemAt(point);
    if (item < 0 || !m_cells[cell].IsCutOff(item)) return;
    m_ptTipAnchor = point;
    const QPoint at = mapToGlobal(point) + kTipOffset;
    m_pTip->Show(QString::fromStdString(m_cells[cell].Item(item).strText), at.x(), at.y());
}

void CalendarPane::contextMenuEvent(QContextMenuEvent* event) {
    QPoint point = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard: the selected cell, at its selected note when there is one.
        EnsureLayout();
        const int cell = m_grid.SelectedCell();
        if (cell < 0) return;
        const CDayCell& selected = m_cells[cell];
        point = m_nSelectedItem >= 0 && selected.Placement().rects.size() >
                                            static_cast<std::size_t>(m_nSelectedItem)
                    ? ToQRect(selected.Placement().rects[m_nSelectedItem]).center()
                    : selected.Rect().center();
    }
    ShowContextMenu(point, mapToGlobal(point));
}

void CalendarPane::ShowContextMenu(const QPoint& point, const QPoint& globalPos) {
    m_pTip->Hide();
    SelectAt(point);
    QMenu menu(this);
    for (const NoteMenuEntry& entry : NoteMenuEntries(SelectedNote())) {
        QAction* action = menu.addAction(QString::fromStdString(entry.strText));
        action->setData(entry.nCommand);
        action->setEnabled(entry.bEnabled);
    }
    if (const QAction* chosen = menu.exec(globalPos)) OnCommand(chosen->data().toInt());
}
